#include "app/main_dialog_rules.h"

namespace app {

std::wstring mainWindowTitle(std::wstring_view templateCaption, std::wstring_view titleSuffix,
                             std::wstring_view productTitle) {
    if (titleSuffix.empty()) return std::wstring(productTitle.substr(0, kTitleCapacity - 1));
    std::wstring title(templateCaption);
    title += L" - ";
    title += titleSuffix;
    if (title.size() > kTitleCapacity - 1) title.resize(kTitleCapacity - 1);
    return title;
}

settings::Channels channelsFromListIndex(int64_t index) {
    if (index == 1) return settings::Channels::kCh1;
    if (index == 2) return settings::Channels::kCh2;
    return settings::Channels::kAll;
}

int32_t listIndexOfChoice(int32_t value, int32_t choiceCount) {
    return value >= 0 && value < choiceCount ? value : 0;
}

}  // namespace app
