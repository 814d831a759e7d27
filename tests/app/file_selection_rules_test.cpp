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

}  // namespace
}  // namespace app
