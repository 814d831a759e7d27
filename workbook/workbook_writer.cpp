#include "workbook/workbook_writer.h"

#include <xlsxwriter.h>

#include <cerrno>
#include <cmath>
#include <type_traits>

#include "platform/platform.h"
#include "platform/text_encoding.h"

namespace workbook {

namespace {

constexpr const char* kNumberFormats[] = {nullptr, "yyyy-mm-dd hh:mm:ss.000", "0.000", "0.000000"};

// The name the library opens: the bytes of the path here, UTF-8 on Windows (the library turns
// it into UTF-16 there).
template <class Path>
std::string libraryFileName(const Path& path) {
    if constexpr (std::is_same_v<typename Path::value_type, char>) {
        return path.native();
    } else {
        return platform::utf16ToUtf8(platform::pathToUtf16(path));
    }
}

}  // namespace

WorkbookWriter::WorkbookWriter(uint32_t rowsPerSheet)
    : rowsPerSheet_(rowsPerSheet < 2                  ? 2
                    : rowsPerSheet > kMaxRowsPerSheet ? kMaxRowsPerSheet
                                                      : rowsPerSheet) {}

WorkbookWriter::~WorkbookWriter() {
    if (workbook_ != nullptr) closeGivenUp();
    output_.abandon();
}

int32_t WorkbookWriter::open(const std::filesystem::path& output) {
    if (workbook_ != nullptr) close();
    result_ = 0;
    sheets_.clear();
    row_ = 0;
    rows_ = 0;
    sheet_ = nullptr;
    if (output == "-") return platform::runtimeError(ESPIPE);
    const int opened = output_.open(output);
    if (opened != 0) return platform::runtimeError(opened);
    // The library writes the file itself, under the name of the new file beside the target.
    output_.releaseStream();
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    const std::string name = libraryFileName(output_.writtenPath());
    errno = 0;
    workbook_ = workbook_new_opt(name.c_str(), &options);
    if (workbook_ == nullptr) {
        output_.abandon();
        return errno == ENOMEM || errno == 0 ? platform::kOutOfMemory
                                             : platform::runtimeError(errno);
    }
    header_ = workbook_add_format(workbook_);
    if (header_ != nullptr) format_set_bold(header_);
    for (size_t style = 1; style < std::size(styles_); ++style) {
        styles_[style] = workbook_add_format(workbook_);
        if (styles_[style] != nullptr) format_set_num_format(styles_[style], kNumberFormats[style]);
    }
    return 0;
}

void WorkbookWriter::begin(std::vector<WorkbookColumn> columns) {
    columns_ = std::move(columns);
    if (columns_.size() > kMaxColumns) columns_.resize(kMaxColumns);
    if (workbook_ != nullptr && result_ == 0) addSheet();
}

void WorkbookWriter::addSheet() {
    const std::string name = "Sheet" + std::to_string(sheets_.size() + 1);
    errno = 0;
    sheet_ = workbook_add_worksheet(workbook_, name.c_str());
    if (sheet_ == nullptr) {
        failWith(errno);
        return;
    }
    sheets_.push_back(sheet_);
    row_ = 0;
    for (size_t i = 0; i < columns_.size(); ++i) {
        const WorkbookColumn& column = columns_[i];
        const auto index = static_cast<lxw_col_t>(i);
        check(worksheet_set_column(sheet_, index, index, column.width,
                                   styles_[static_cast<size_t>(column.style)]));
        if (!column.header.empty()) {
            check(worksheet_write_string(sheet_, 0, index, column.header.c_str(), header_));
        }
    }
    worksheet_freeze_panes(sheet_, 1, 0);
}

// The autofilter covers the rows of the sheet, known only at its end.
void WorkbookWriter::finishSheet() {
    if (sheet_ == nullptr || columns_.empty()) return;
    check(worksheet_autofilter(sheet_, 0, 0, row_, static_cast<lxw_col_t>(columns_.size() - 1)));
    // The library writes a sheet's rows through a stream it never checks: a full disk shows
    // here, and the workbook is then given up rather than left with rows missing.
    if (sheet_->optimize_tmpfile != nullptr) {
        errno = 0;
        if (std::fflush(sheet_->optimize_tmpfile) != 0 || std::ferror(sheet_->optimize_tmpfile)) {
            failWith(errno);
        }
    }
}

void WorkbookWriter::nextRow() {
    if (sheet_ == nullptr || result_ != 0) return;
    if (row_ + 1 >= rowsPerSheet_) {
        finishSheet();
        if (result_ != 0) return;
        addSheet();
        if (result_ != 0) return;
    }
    ++row_;
    ++rows_;
}

void WorkbookWriter::number(uint32_t column, double value) {
    if (sheet_ == nullptr || result_ != 0 || column >= columns_.size()) return;
    if (!std::isfinite(value)) {
        text(column, std::isnan(value) ? "nan" : value < 0 ? "-inf" : "inf");
        return;
    }
    check(worksheet_write_number(sheet_, row_, static_cast<lxw_col_t>(column), value, nullptr));
}

void WorkbookWriter::text(uint32_t column, const char* utf8) {
    if (sheet_ == nullptr || result_ != 0 || column >= columns_.size() || *utf8 == '\0') return;
    check(worksheet_write_string(sheet_, row_, static_cast<lxw_col_t>(column), utf8, nullptr));
}

void WorkbookWriter::time(uint32_t column, const WorkbookTime::Cell& cell) {
    if (cell.kind == WorkbookTime::Cell::kNumber) {
        number(column, cell.number);
    } else if (cell.kind == WorkbookTime::Cell::kText) {
        const std::string text(cell.text);
        this->text(column, text.c_str());
    }
}

void WorkbookWriter::check(int error) {
    if (error == LXW_NO_ERROR) return;
    if (error == LXW_ERROR_MEMORY_MALLOC_FAILED) {
        fail(platform::kOutOfMemory);
    } else {
        failWith(errno);
    }
}

void WorkbookWriter::failWith(int code) { fail(platform::runtimeError(code != 0 ? code : EIO)); }

int32_t WorkbookWriter::close() {
    if (workbook_ == nullptr) return result_;
    if (result_ == 0) finishSheet();
    if (result_ == 0 && sheets_.empty()) addSheet();  // a workbook has at least one sheet
    if (result_ != 0) {
        closeGivenUp();
        output_.abandon();
        return result_;
    }
    errno = 0;
    const lxw_error closed = workbook_close(workbook_);
    workbook_ = nullptr;
    sheet_ = nullptr;
    sheets_.clear();
    if (closed != LXW_NO_ERROR) {
        if (closed == LXW_ERROR_MEMORY_MALLOC_FAILED) fail(platform::kOutOfMemory);
        failWith(errno);
    }
    if (result_ == 0) {
        const int committed = output_.commit();
        if (committed != 0) fail(platform::runtimeError(committed));
    } else {
        output_.abandon();
    }
    return result_;
}

// The library packs every row into the file even of a workbook that is given up, which takes as
// long as a whole one. Sheets that claim no rows are packed empty, their rows left unread in
// the temporary files, which are closed (and so removed) here instead.
void WorkbookWriter::closeGivenUp() {
    std::vector<std::FILE*> rows;
    for (lxw_worksheet* sheet : sheets_) {
        if (sheet->optimize_tmpfile == nullptr) continue;
        rows.push_back(sheet->optimize_tmpfile);
        sheet->dim_rowmin = LXW_ROW_MAX;
    }
    workbook_close(workbook_);
    workbook_ = nullptr;
    sheet_ = nullptr;
    sheets_.clear();
    for (std::FILE* file : rows) std::fclose(file);
}

}  // namespace workbook
