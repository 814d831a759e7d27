#include "app/conversion_control_rules.h"

#include "app/resources/resource_ids.h"
#include "convert/job.h"

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
    switch (convert::jobResultMessageId(result)) {
        case 139:
            return IDS_UNSUPPORTED_DATA;
        case 137:
            return IDS_CANNOT_CONVERT;
        default:
            return 0;
    }
}

int32_t choiceFromListIndex(int64_t index) {
    if (index == 1) return 1;
    if (index == 2) return 2;
    return 0;
}

bool* columnSettingOf(convert::ConversionSettings& settings, int control) {
    switch (control) {
        case IDC_PRINT_CH:
            return &settings.printCh;
        case IDC_PRINT_ID:
            return &settings.printID;
        case IDC_PRINT_MSG:
            return &settings.printMsg;
        case IDC_PRINT_ENUM:
            return &settings.printEnum;
        case IDC_PRINT_UNIT:
            return &settings.printUnit;
        case IDC_PRINT_RAW:
            return &settings.printRaw;
        default:
            return nullptr;
    }
}

bool csvSettingButtonEnabled(bool paneEnabled, bool csvAdditional) {
    return paneEnabled && csvAdditional;
}

std::u16string delimiterFromEdit(std::u16string_view text) {
    return std::u16string(text.substr(0, convert::kMaxDelimiterLength));
}

}  // namespace app
