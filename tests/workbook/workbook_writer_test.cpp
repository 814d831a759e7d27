#include "workbook/workbook_writer.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/platform.h"
#include "tests/support/test_paths.h"

namespace {

using testing_support::readFileBytes;
using testing_support::ScratchDir;
using testing_support::writeFileBytes;
using workbook::CellStyle;
using workbook::WorkbookWriter;

size_t filesIn(const std::filesystem::path& folder) {
    size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
    return count;
}

void writeRows(WorkbookWriter& book, int rows) {
    book.begin({{"Signal", 10, CellStyle::kGeneral}, {"Value", 10, CellStyle::kGeneral}});
    for (int i = 0; i < rows; ++i) {
        book.nextRow();
        book.text(0, "Speed");
        book.number(1, i == 0 ? std::nan("") : i * 0.5);
        book.number(7, 1.0);  // past the columns: ignored
    }
}

// The names of a zip's members are stored as they are, so the sheets can be counted in it.
bool holds(const std::string& bytes, std::string_view name) {
    return bytes.find(name) != std::string::npos;
}

TEST(WorkbookWriter, RowsGoOnInANewSheetWhenOneIsFullAndTheFileReplacesTheOldOne) {
    const ScratchDir dir("workbook_sheets");
    const auto output = dir / "run.xlsx";
    writeFileBytes(output, "old");
    WorkbookWriter book(3);  // the header and two rows a sheet
    ASSERT_EQ(book.open(output), 0);
    writeRows(book, 5);
    EXPECT_EQ(book.close(), 0);
    EXPECT_EQ(book.rows(), 5u);
    const std::string bytes = readFileBytes(output);
    EXPECT_EQ(bytes.substr(0, 2), "PK");
    EXPECT_TRUE(holds(bytes, "xl/worksheets/sheet3.xml"));
    EXPECT_FALSE(holds(bytes, "xl/worksheets/sheet4.xml"));
    EXPECT_EQ(filesIn(dir.path()), 1u);  // nothing left beside it

    // Rows that fill the last sheet exactly open no empty one; no rows still make one sheet.
    ASSERT_EQ(book.open(output), 0);
    writeRows(book, 4);
    EXPECT_EQ(book.close(), 0);
    EXPECT_FALSE(holds(readFileBytes(output), "xl/worksheets/sheet3.xml"));
    ASSERT_EQ(book.open(output), 0);
    book.begin({});
    EXPECT_EQ(book.close(), 0);
    EXPECT_TRUE(holds(readFileBytes(output), "xl/worksheets/sheet1.xml"));
}

TEST(WorkbookWriter, AWorkbookGivenUpOrThatCannotBeWrittenLeavesTheOldOutputAsItWas) {
    const ScratchDir dir("workbook_failures");
    const auto output = dir / "run.xlsx";
    writeFileBytes(output, "old");
    WorkbookWriter book;
    ASSERT_EQ(book.open(output), 0);
    writeRows(book, 3);
    book.fail(platform::kCancelled);
    book.nextRow();  // nothing more is written once it failed
    EXPECT_EQ(book.close(), platform::kCancelled);
    EXPECT_EQ(readFileBytes(output), "old");
    EXPECT_EQ(filesIn(dir.path()), 1u);

    // A folder in the output's place, and standard output, fail before anything is written.
    std::filesystem::create_directory(dir / "folder.xlsx");
    EXPECT_NE(book.open(dir / "folder.xlsx"), 0);
    EXPECT_NE(book.open("-"), 0);
    EXPECT_EQ(filesIn(dir.path()), 2u);

    // A workbook still open when its writer ends is removed.
    {
        WorkbookWriter abandoned;
        ASSERT_EQ(abandoned.open(dir / "never.xlsx"), 0);
        writeRows(abandoned, 2);
    }
    EXPECT_EQ(filesIn(dir.path()), 2u);
}

}  // namespace
