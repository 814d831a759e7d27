// Decisions of the file selection pane that need no window.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// Which selection buttons are enabled for `items` listed files of which `selected` are chosen:
// nothing to do on an empty list, nothing to clear without a selection, nothing to add when all
// are chosen.
struct SelectionButtons {
    bool selectAll = false;
    bool selectNone = false;
    bool selectInverse = false;
};
SelectionButtons selectionButtonStates(int64_t items, int64_t selected);

// The file filter for a list index: 1 (auto-save files) for index 1, 0 (all data files) else.
int32_t fileFilterFromListIndex(int64_t index);
// The search pattern of a file filter: "#*.DT" for 1, "*.DT" for anything else.
std::wstring_view listingPattern(int32_t fileFilter);

// Whether the listing of other CAN logs takes a file by its name: a BLF, ASC, candump or TRC log
// (compressed ones too), none of the DBC load logs. Captures are listed by the file filter.
bool listedAsCanLog(std::wstring_view name);

// What a drop of files or folders on the window lists and selects.
struct DroppedItem {
    std::filesystem::path path;
    bool folder = false;
};
struct DropTarget {
    std::filesystem::path folder;     // empty: nothing to list
    std::vector<std::wstring> names;  // the files to select in it
    int32_t fileFilter = 0;
    bool canLogs = false;  // other CAN logs listed
};
// A dropped folder (the first) is listed with nothing selected. Otherwise the folder of the
// first file is listed with the dropped files of that folder selected; the listing widens to
// other CAN logs, or from auto-save captures to all, when a dropped file would not be listed.
DropTarget dropTarget(const std::vector<DroppedItem>& dropped, int32_t fileFilter, bool canLogs);

// Widths in pixels of the name, date and size columns for a list `clientWidth` pixels wide: the
// room beside a vertical scroll bar (and 8 pixels) shared 38 %, 41 % and the rest.
struct FileColumnWidths {
    int32_t name = 0;
    int32_t date = 0;
    int32_t size = 0;
};
FileColumnWidths fileColumnWidths(int32_t clientWidth, int32_t scrollBarWidth);

}  // namespace app
