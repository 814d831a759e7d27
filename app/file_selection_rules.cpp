#include "app/file_selection_rules.h"

namespace app {

SelectionButtons selectionButtonStates(int64_t items, int64_t selected) {
    if (items <= 0) return {};
    return {selected<items, selected> 0, true};
}

int32_t fileFilterFromListIndex(int64_t index) { return index == 1 ? 1 : 0; }

std::wstring_view listingPattern(int32_t fileFilter) {
    return fileFilter == 1 ? std::wstring_view(L"#*.DT") : std::wstring_view(L"*.DT");
}

FileColumnWidths fileColumnWidths(int32_t clientWidth, int32_t scrollBarWidth) {
    const int32_t usable = clientWidth - (scrollBarWidth + 8);
    FileColumnWidths widths;
    widths.name = (usable * 38 + 50) / 100;
    widths.date = (usable * 41 + 50) / 100;
    widths.size = usable - widths.name - widths.date;
    return widths;
}

}  // namespace app
