#include "app/conversion_control_rules.h"

#include "app/resources/resource_ids.h"
#include "platform/platform.h"

namespace app {

MainControlStates mainControlStates(bool converting, int64_t selectedCount) {
    MainControlStates states;
    if (!converting) {
        states.startEnabled = selectedCount != 0;
        states.defaultButton = IDC_START;
        return states;
    }
    states.startVisible = false;
    states.startEnabled = selectedCount != 0;
    states.stopVisible = true;
    states.defaultButton = IDC_STOP;
    states.folderButton = false;
    states.fileSelectionPane = false;
    states.signalLine = false;
    states.conversionSettingPane = false;
    states.dbcButton = false;
    return states;
}

unsigned finishMessageId(int32_t result) {
    if (result == platform::kOk || result == platform::kCancelled) return 0;
    if (result == platform::kInvalidData || result == platform::kNotSupported) {
        return IDS_UNSUPPORTED_DATA;
    }
    return IDS_CANNOT_CONVERT;
}

int32_t choiceFromListIndex(int64_t index) {
    if (index == 1) return 1;
    if (index == 2) return 2;
    return 0;
}

bool* columnSettingOf(settings::ConversionSettings& settings, int control) {
    switch (control) {
        case IDC_PRINT_CH:
            return &settings.columns.channel;
        case IDC_PRINT_ID:
            return &settings.columns.identifier;
        case IDC_PRINT_MSG:
            return &settings.columns.message;
        case IDC_PRINT_ENUM:
            return &settings.columns.description;
        case IDC_PRINT_UNIT:
            return &settings.columns.unit;
        case IDC_PRINT_RAW:
            return &settings.columns.rawData;
        default:
            return nullptr;
    }
}

bool csvSettingButtonEnabled(bool paneEnabled, bool csvAdditional) {
    return paneEnabled && csvAdditional;
}

std::u16string delimiterFromEdit(std::u16string_view text) {
    return std::u16string(text.substr(0, settings::kMaxDelimiterLength));
}

}  // namespace app
