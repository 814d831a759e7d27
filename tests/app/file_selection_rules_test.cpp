#include "app/file_selection_rules.h"

#include <gtest/gtest.h>

namespace app {
namespace {

TEST(FileSelectionRules, SelectionButtonsForEachRowOfTheTable) {
    struct Row {
        int64_t items, selected;
        bool all, none, inverse;
    };
    const Row rows[] = {
        {0, 0, false, false, false},  // empty list
        {5, 0, true, false, true},    // nothing selected
        {5, 5, false, true, true},    // all selected
        {5, 2, true, true, true},     // some selected
        {1, 1, false, true, true},   {1, 0, true, false, true},
    };
    for (const Row& row : rows) {
        const SelectionButtons buttons = selectionButtonStates(row.items, row.selected);
        EXPECT_EQ(buttons.selectAll, row.all) << row.items << "/" << row.selected;
        EXPECT_EQ(buttons.selectNone, row.none) << row.items << "/" << row.selected;
        EXPECT_EQ(buttons.selectInverse, row.inverse) << row.items << "/" << row.selected;
    }
}

TEST(FileSelectionRules, FilterAndPattern) {
    EXPECT_EQ(fileFilterFromListIndex(0), 0);
    EXPECT_EQ(fileFilterFromListIndex(1), 1);
    EXPECT_EQ(fileFilterFromListIndex(-1), 0);  // no selection
    EXPECT_EQ(fileFilterFromListIndex(2), 0);
    EXPECT_EQ(listingPattern(0), L"*.DT");
    EXPECT_EQ(listingPattern(1), L"#*.DT");
    EXPECT_EQ(listingPattern(7), L"*.DT");
}

TEST(FileSelectionRules, ColumnWidthsShareTheRoomBesideTheScrollBar) {
    // 400 - (17 + 8) = 375: 38 % rounds to 143, 41 % to 154, the size column takes the rest.
    const FileColumnWidths widths = fileColumnWidths(400, 17);
    EXPECT_EQ(widths.name, 143);
    EXPECT_EQ(widths.date, 154);
    EXPECT_EQ(widths.size, 78);
    const FileColumnWidths tiny = fileColumnWidths(0, 17);
    EXPECT_EQ(tiny.name + tiny.date + tiny.size, -25);
}

TEST(FileSelectionRules, OtherCanLogsAreListedByNameAndDropsListTheirFolder) {
    for (const wchar_t* name : {L"a.blf", L"B.ASC", L"c.log", L"d.trc", L"e.asc.gz", L"f.log.gz"})
        EXPECT_TRUE(listedAsCanLog(name)) << name;
    for (const wchar_t* name :
         {L"a.DT", L"#a.DT", L"dbcload.log", L"dbcload-ch2.log", L"a.csv", L"a.xlsx", L"blf", L""})
        EXPECT_FALSE(listedAsCanLog(name)) << name;

    namespace fs = std::filesystem;
    const fs::path data = fs::path("data");
    // A folder: listed, nothing selected, the listing as it was.
    DropTarget target = dropTarget({{data / "a.DT", false}, {data / "sub", true}}, 1, false);
    EXPECT_EQ(target.folder, data / "sub");
    EXPECT_TRUE(target.names.empty());
    EXPECT_EQ(target.fileFilter, 1);
    EXPECT_FALSE(target.canLogs);
    // Files: the first one's folder, the files of that folder selected.
    target = dropTarget(
        {{data / "#a.DT", false}, {fs::path("other") / "b.DT", false}, {data / "#c.DT", false}}, 1,
        false);
    EXPECT_EQ(target.folder, data);
    EXPECT_EQ(target.names, (std::vector<std::wstring>{L"#a.DT", L"#c.DT"}));
    EXPECT_EQ(target.fileFilter, 1);  // auto-save files are listed under their filter
    EXPECT_FALSE(target.canLogs);
    // A capture the auto-save filter would hide, and a CAN log, widen the listing.
    target = dropTarget({{data / "run.DT", false}, {data / "bus.blf", false}}, 1, false);
    EXPECT_EQ(target.fileFilter, 0);
    EXPECT_TRUE(target.canLogs);
    target = dropTarget({{data / "x.DT", false}}, 0, true);
    EXPECT_TRUE(target.canLogs);  // a listing already wider stays so
    EXPECT_TRUE(dropTarget({}, 0, false).folder.empty());
}

}  // namespace
}  // namespace app
