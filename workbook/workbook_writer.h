// An Excel workbook written row by row in libxlsxwriter's constant-memory mode: each row goes to
// a temporary file of its sheet as soon as the next one starts, so memory stays flat however
// many rows there are. A sheet holds at most 1,048,576 rows; the rows go on in Sheet2, Sheet3...,
// each with the header row, bold, frozen and with an autofilter. The workbook is written beside
// its target and moved over it only once complete, like every output.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "output/replacing_file.h"
#include "workbook/workbook_time.h"

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace workbook {

enum class CellStyle { kGeneral, kDateTime, kClockSeconds, kElapsedSeconds };

struct WorkbookColumn {
    std::string header;  // UTF-8
    double width = 10;   // in characters
    CellStyle style = CellStyle::kGeneral;
};

class WorkbookWriter {
public:
    static constexpr uint32_t kMaxRowsPerSheet = 1048576;  // the header row included
    static constexpr uint32_t kMaxColumns = 16384;

    // `rowsPerSheet` below the format's limit lets tests see the sheets change.
    explicit WorkbookWriter(uint32_t rowsPerSheet = kMaxRowsPerSheet);
    ~WorkbookWriter();
    WorkbookWriter(const WorkbookWriter&) = delete;
    WorkbookWriter& operator=(const WorkbookWriter&) = delete;

    // Starts the workbook of `output`. 0, or 0xA0070000 + errno (a folder or a read-only file
    // in the output's place fails here); standard output cannot take a workbook.
    int32_t open(const std::filesystem::path& output);
    // The columns of every sheet; starts the first sheet with its header row.
    void begin(std::vector<WorkbookColumn> columns);

    // Starts the next row (on a new sheet when this one is full); the cells follow.
    void nextRow();
    // A number; not-a-number and the infinities, which a cell cannot hold, as the text of
    // the CSV ("nan", "inf", "-inf").
    void number(uint32_t column, double value);
    // UTF-8 text (see workbook_text.h); an empty text leaves the cell empty.
    void text(uint32_t column, const char* utf8);
    void time(uint32_t column, const WorkbookTime::Cell& cell);

    int32_t result() const { return result_; }
    void fail(int32_t code) {
        if (result_ == 0) result_ = code;
    }
    // Writes the workbook and moves it into place when all went well; otherwise removes it.
    int32_t close();
    // Rows written since open, the header rows not counted.
    uint64_t rows() const { return rows_; }

private:
    void addSheet();
    void finishSheet();
    void closeGivenUp();
    void failWith(int code);
    void check(int error);

    uint32_t rowsPerSheet_;
    output::ReplacingFile output_;
    lxw_workbook* workbook_ = nullptr;
    lxw_worksheet* sheet_ = nullptr;
    std::vector<lxw_worksheet*> sheets_;
    lxw_format* styles_[4] = {};  // per CellStyle; none for kGeneral
    lxw_format* header_ = nullptr;
    std::vector<WorkbookColumn> columns_;
    int32_t result_ = 0;
    uint32_t row_ = 0;  // in the current sheet; 0 is the header
    uint64_t rows_ = 0;
};

}  // namespace workbook
