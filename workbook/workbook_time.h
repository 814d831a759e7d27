// The time column of a workbook: one cell per row, where the CSV tables may have up to three.
// Dates and times of the newer record layout are date-time cells (days since 1899-12-30, as
// spreadsheets count them) on the clock the CSV would show; elapsed times and the older
// layout's clock are seconds.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/local_time.h"
#include "tables/time_base.h"

namespace workbook {

enum class WorkbookTimeStyle {
    kNone,            // no time column
    kDateTime,        // a date-time serial, shown as yyyy-mm-dd hh:mm:ss.000
    kClockSeconds,    // seconds of the older layout's clock, to the millisecond
    kElapsedSeconds,  // seconds since the start of the count, to the microsecond
};

// The serial number of a calendar date and time (days since 1899-12-30 and the fraction of the
// day), or a negative number outside the dates spreadsheets show: before 1900-03-01 (the
// 1900 leap-day error of the format lies before it) or after 9999-12-31.
double spreadsheetSerial(const platform::CivilTime& civil, uint32_t milliseconds);

class WorkbookTime {
public:
    void start(const tables::TimeBase& base);
    WorkbookTimeStyle style() const { return style_; }
    // "Timestamp" for a date and time, "Time" for the older layout's clock, "TimeStamp" for
    // elapsed seconds, as the CSV tables name them.
    std::string_view header() const;

    // The cell of a row at `microseconds` (the frame's time count in microseconds).
    struct Cell {
        enum Kind { kNumber, kText, kBlank } kind = kBlank;
        double number = 0.0;
        std::string_view text;  // a date spreadsheets cannot show, as the CSV writes it
    };
    Cell cell(uint64_t microseconds);

private:
    Cell dateTime(uint64_t microseconds);

    tables::TimeBase base_;
    WorkbookTimeStyle style_ = WorkbookTimeStyle::kNone;
    // The calendar date and time change once a second at most; they are kept for that second.
    bool cachedValid_ = false;
    uint64_t cachedSeconds_ = 0;
    bool cachedKnown_ = false;
    platform::CivilTime cachedCivil_;
    std::string text_;
};

}  // namespace workbook
