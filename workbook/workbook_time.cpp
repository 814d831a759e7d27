#include "workbook/workbook_time.h"

#include "tables/civil_text.h"
#include "tables/text_format.h"

namespace workbook {

namespace {
constexpr double kSerialOf1970 = 25569.0;                 // 1970-01-01
constexpr int64_t kSecondsBefore1900March = -2203891200;  // 1900-03-01 from 1970
constexpr int64_t kSecondsAfter9999 = 253402300800;       // 10000-01-01 from 1970

constexpr uint64_t wholeMilliseconds(uint64_t microseconds) { return microseconds / 1000; }
constexpr uint64_t wholeSeconds(uint64_t microseconds) { return microseconds / 1000000; }
}  // namespace

double spreadsheetSerial(const platform::CivilTime& civil, uint32_t milliseconds) {
    const int64_t seconds = platform::secondsOfCivil(civil);
    if (seconds < kSecondsBefore1900March || seconds >= kSecondsAfter9999) return -1.0;
    const int64_t days = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
    const int64_t secondOfDay = seconds - days * 86400;
    return kSerialOf1970 + static_cast<double>(days) +
           (static_cast<double>(secondOfDay) * 1000.0 + milliseconds) / 86400000.0;
}

void WorkbookTime::start(const tables::TimeBase& base) {
    base_ = base;
    cachedValid_ = false;
    switch (base.scheme) {
        case tables::TimeScheme::kDateTime:
            style_ = WorkbookTimeStyle::kDateTime;
            break;
        case tables::TimeScheme::kClock:
            style_ = WorkbookTimeStyle::kClockSeconds;
            break;
        case tables::TimeScheme::kElapsed:
            style_ = WorkbookTimeStyle::kElapsedSeconds;
            break;
        default:
            style_ = WorkbookTimeStyle::kNone;
            break;
    }
}

std::string_view WorkbookTime::header() const {
    switch (style_) {
        case WorkbookTimeStyle::kDateTime:
            return "Timestamp";
        case WorkbookTimeStyle::kClockSeconds:
            return "Time";
        case WorkbookTimeStyle::kElapsedSeconds:
            return "TimeStamp";
        default:
            return {};
    }
}

WorkbookTime::Cell WorkbookTime::cell(uint64_t microseconds) {
    Cell cell;
    switch (style_) {
        case WorkbookTimeStyle::kDateTime:
            return dateTime(microseconds);
        case WorkbookTimeStyle::kClockSeconds:
            // The clock shows whole milliseconds.
            cell.kind = Cell::kNumber;
            cell.number = static_cast<double>(wholeMilliseconds(microseconds)) / 1000.0;
            return cell;
        case WorkbookTimeStyle::kElapsedSeconds:
            cell.kind = Cell::kNumber;
            // Whole seconds and their fraction apart, so that long captures keep the microseconds.
            cell.number = static_cast<double>(wholeSeconds(microseconds)) +
                          static_cast<double>(microseconds % 1000000) / 1e6;
            return cell;
        default:
            return cell;
    }
}

// The sum is done in unsigned 64-bit arithmetic, as for the CSV, so a hostile start time
// cannot overflow; the milliseconds are cut, not rounded, as the CSV's msec column.
WorkbookTime::Cell WorkbookTime::dateTime(uint64_t microseconds) {
    const uint64_t nanoseconds =
        (microseconds % 1000000) * 1000 + static_cast<uint64_t>(base_.startNanoseconds);
    const uint64_t seconds = static_cast<uint64_t>(base_.startSeconds) + microseconds / 1000000 +
                             nanoseconds / 1000000000;
    const auto milliseconds = static_cast<uint32_t>((nanoseconds % 1000000000) / 1000000);
    if (!cachedValid_ || cachedSeconds_ != seconds) {
        const auto instant = static_cast<int64_t>(seconds);
        cachedKnown_ = base_.utc ? platform::utcTime(instant, cachedCivil_)
                                 : platform::localTime(instant, cachedCivil_);
        cachedSeconds_ = seconds;
        cachedValid_ = true;
    }
    Cell cell;
    // An instant the system cannot place leaves the cell empty, as the CSV leaves its texts.
    if (!cachedKnown_) return cell;
    const double serial = spreadsheetSerial(cachedCivil_, milliseconds);
    if (serial >= 0.0) {
        cell.kind = Cell::kNumber;
        cell.number = serial;
        return cell;
    }
    const platform::CivilTime& civil = cachedCivil_;
    text_.clear();
    tables::appendCivilDate(text_, civil, '/');
    text_ += ' ';
    tables::appendCivilClock(text_, civil);
    text_ += '.';
    tables::appendDecimal(text_, milliseconds, 3);
    cell.kind = Cell::kText;
    cell.text = text_;
    return cell;
}

}  // namespace workbook
