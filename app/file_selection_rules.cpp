#include "app/file_selection_rules.h"

#include "platform/text_encoding.h"
#include "sources/format_detection.h"

namespace app {

SelectionButtons selectionButtonStates(int64_t items, int64_t selected) {
    if (items <= 0) return {};
    return {selected<items, selected> 0, true};
}

int32_t fileFilterFromListIndex(int64_t index) { return index == 1 ? 1 : 0; }

std::wstring_view listingPattern(int32_t fileFilter) {
    return fileFilter == 1 ? std::wstring_view(L"#*.DT") : std::wstring_view(L"*.DT");
}

namespace {

std::optional<sources::InputFormat> formatOfName(std::wstring_view name) {
    const std::u16string units(name.begin(), name.end());
    return sources::formatOfFileName(platform::utf16ToUtf8(units));
}

}  // namespace

bool listedAsCanLog(std::wstring_view name) {
    const std::u16string units(name.begin(), name.end());
    const auto format = formatOfName(name);
    return format && *format != sources::InputFormat::kCapture &&
           sources::isListedInputName(platform::utf16ToUtf8(units));
}

DropTarget dropTarget(const std::vector<DroppedItem>& dropped, int32_t fileFilter, bool canLogs) {
    DropTarget target{{}, {}, fileFilter, canLogs};
    for (const DroppedItem& item : dropped) {
        if (item.folder) {
            target.folder = item.path;
            return target;
        }
    }
    if (dropped.empty()) return target;
    target.folder = dropped.front().path.parent_path();
    for (const DroppedItem& item : dropped) {
        if (item.path.parent_path() != target.folder) continue;
        const std::wstring name = item.path.filename().wstring();
        target.names.push_back(name);
        const auto format = formatOfName(name);
        if (listedAsCanLog(name)) target.canLogs = true;
        if (format == sources::InputFormat::kCapture && name.rfind(L'#', 0) != 0) {
            target.fileFilter = 0;
        }
    }
    return target;
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
