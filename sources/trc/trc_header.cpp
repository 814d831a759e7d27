#include "sources/trc/trc_header.h"

#include "platform/local_time.h"
#include "sources/trc/trc_text.h"

namespace sources::trc {

namespace {

constexpr int64_t kSecondsPerDay = 86400;
constexpr int64_t kNanosecondsPerSecond = 1000000000;
// Days from 1899-12-30, the zero of the date, to 1970-01-01; and to 10000-01-01.
constexpr uint64_t kDaysTo1970 = 25569;
constexpr uint64_t kDaysTo10000 = 2958466;

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// The text after "KEY=" when `comment` (without its ';') is that keyword line.
bool keywordValue(std::string_view comment, std::string_view key, std::string_view& value) {
    if (comment.substr(0, key.size()) != key) return false;
    std::string_view rest = trimmed(comment.substr(key.size()));
    if (rest.empty() || rest.front() != '=') return false;
    value = trimmed(rest.substr(1));
    return true;
}

bool readVersion(std::string_view text, Version& out) {
    static constexpr struct {
        std::string_view text;
        Version version;
    } kVersions[] = {{"1.0", Version::k1_0}, {"1.1", Version::k1_1}, {"1.2", Version::k1_2},
                     {"1.3", Version::k1_3}, {"2.0", Version::k2_0}, {"2.1", Version::k2_1}};
    for (const auto& known : kVersions) {
        if (text == known.text) {
            out = known.version;
            return true;
        }
    }
    return false;
}

// Nanoseconds of a decimal fraction of `unit` nanoseconds, rounded: `digits` decimals (up to
// 12) of value `fraction`. With unit at most a day the products stay below 2^63.
int64_t fractionOf(uint64_t fraction, size_t digits, int64_t unit) {
    if (digits <= 9) {
        int64_t scale = 1;
        for (size_t i = digits; i < 9; ++i) scale *= 10;
        return static_cast<int64_t>(fraction) * scale * (unit / kNanosecondsPerSecond);
    }
    int64_t divisor = 1;
    for (size_t i = 9; i < digits; ++i) divisor *= 10;
    const int64_t product = static_cast<int64_t>(fraction) * (unit / kNanosecondsPerSecond);
    return (product + divisor / 2) / divisor;
}

// Decimals after a point: their value from the first `keep` digits and how many were kept.
bool readDecimals(std::string_view text, size_t keep, uint64_t& value, size_t& digits) {
    if (text.empty()) return false;
    value = 0;
    digits = 0;
    for (const char c : text) {
        if (!isDigit(c)) return false;
        if (digits < keep) {
            value = value * 10 + static_cast<uint64_t>(c - '0');
            ++digits;
        }
    }
    return true;
}

}  // namespace

bool readStartTime(std::string_view text, ClockTime& out, bool& zero) {
    if (!text.empty() && text.back() == ';') text = trimmed(text.substr(0, text.size() - 1));
    const size_t point = text.find('.');
    uint64_t days = 0;
    if (!readDecimal(text.substr(0, point), kDaysTo10000 - 1, days)) return false;
    uint64_t fraction = 0;
    size_t digits = 0;
    if (point != std::string_view::npos &&
        !readDecimals(text.substr(point + 1), 12, fraction, digits)) {
        return false;
    }
    const int64_t dayPart = fractionOf(fraction, digits, kSecondsPerDay * kNanosecondsPerSecond);
    zero = days == 0 && dayPart == 0;
    out.seconds =
        (static_cast<int64_t>(days) - static_cast<int64_t>(kDaysTo1970)) * kSecondsPerDay +
        dayPart / kNanosecondsPerSecond;
    out.nanoseconds = dayPart % kNanosecondsPerSecond;
    return true;
}

bool readColumns(std::string_view text, Columns& out) {
    static constexpr std::string_view kLetters = "NOTBIdRlLD";
    char letters[Columns::kMax];
    size_t count = 0;
    bool seen[kLetters.size()] = {};
    while (true) {
        const size_t comma = text.find(',');
        const std::string_view item = trimmed(text.substr(0, comma));
        const size_t which = item.size() == 1 ? kLetters.find(item[0]) : std::string_view::npos;
        if (which == std::string_view::npos || seen[which]) return false;
        seen[which] = true;
        letters[count++] = item[0];
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    const auto has = [&](char letter) { return seen[kLetters.find(letter)]; };
    if (!has('O') || !has('T') || !has('I') || !has('D') || has('l') == has('L')) return false;
    if (letters[count - 1] != 'D') return false;
    out = columnsOf(std::string_view(letters, count));
    return true;
}

HeaderItem readHeaderComment(std::string_view line, Header& header) {
    if (line.empty() || line.front() != ';') return HeaderItem::kNone;
    const std::string_view comment = line.substr(1);
    std::string_view value;
    if (keywordValue(comment, "$FILEVERSION", value)) {
        header.hasVersion = readVersion(value, header.version);
        return header.hasVersion ? HeaderItem::kVersion : HeaderItem::kBadVersion;
    }
    if (keywordValue(comment, "$STARTTIME", value)) {
        bool zero = false;
        if (!readStartTime(value, header.start, zero)) return HeaderItem::kBadStart;
        header.hasStart = !zero;
        return zero ? HeaderItem::kNoStart : HeaderItem::kStart;
    }
    if (keywordValue(comment, "$COLUMNS", value)) {
        header.hasColumns = readColumns(value, header.columns);
        return header.hasColumns ? HeaderItem::kColumns : HeaderItem::kBadColumns;
    }
    static constexpr std::string_view kStartText = "Start time:";
    const std::string_view text = trimmed(comment);
    if (text.substr(0, kStartText.size()) == kStartText &&
        readStartComment(trimmed(text.substr(kStartText.size())), header.startComment)) {
        header.hasStartComment = true;
        return HeaderItem::kStartComment;
    }
    return HeaderItem::kNone;
}

namespace {

// Reads a date and time piece by piece, front to back.
class DateText {
public:
    explicit DateText(std::string_view text) : text_(text) {}

    // 1 to `most` digits (at least `least`) whose value lies in [low, high].
    bool number(size_t least, size_t most, int low, int high, int& out) {
        size_t digits = 0;
        int value = 0;
        while (at_ < text_.size() && isDigit(text_[at_]) && digits < most) {
            value = value * 10 + (text_[at_++] - '0');
            ++digits;
        }
        out = value;
        return digits >= least && value >= low && value <= high;
    }
    bool mark(char c) {
        if (at_ >= text_.size() || text_[at_] != c) return false;
        ++at_;
        return true;
    }
    bool blanks() {
        const size_t from = at_;
        while (at_ < text_.size() && isBlank(text_[at_])) ++at_;
        return at_ > from;
    }
    // The digits up to the next point or the end.
    std::string_view digits() {
        const size_t from = at_;
        while (at_ < text_.size() && isDigit(text_[at_])) ++at_;
        return text_.substr(from, at_ - from);
    }
    bool atEnd() const { return at_ == text_.size(); }

private:
    std::string_view text_;
    size_t at_ = 0;
};

bool readClock(DateText& date, platform::CivilTime& civil) {
    return date.blanks() && date.number(1, 2, 0, 23, civil.hour) && date.mark(':') &&
           date.number(2, 2, 0, 59, civil.minute) && date.mark(':') &&
           date.number(2, 2, 0, 60, civil.second);
}

// ".fff" and, after milliseconds, ".f" more decimals of them: the nanoseconds.
bool readSecondFraction(DateText& date, bool millisecondGroups, int64_t& nanoseconds) {
    std::string_view decimals;
    char joined[24] = {};
    size_t count = 0;
    for (int group = 0; group < 2 && date.mark('.'); ++group) {
        decimals = date.digits();
        if (decimals.empty() || (group == 1 && (!millisecondGroups || count != 3))) return false;
        for (size_t i = 0; i < decimals.size() && count < 9; ++i) joined[count++] = decimals[i];
    }
    uint64_t value = 0;
    size_t digits = 0;
    if (count > 0 && !readDecimals(std::string_view(joined, count), 9, value, digits)) return false;
    nanoseconds = fractionOf(value, digits, kNanosecondsPerSecond);
    return date.atEnd();
}

}  // namespace

bool readStartComment(std::string_view text, ClockTime& out) {
    DateText date(text);
    platform::CivilTime civil;
    int first = 0;
    bool dayFirst = false;
    if (!date.number(1, 4, 0, 9999, first)) return false;
    if (date.mark('.')) {
        dayFirst = true;
        civil.day = first;
        if (!date.number(1, 2, 1, 12, civil.month) || !date.mark('.') ||
            !date.number(4, 4, 1, 9999, civil.year)) {
            return false;
        }
    } else {
        civil.year = first;
        if (!date.mark('-') || !date.number(1, 2, 1, 12, civil.month) || !date.mark('-') ||
            !date.number(1, 2, 1, 31, civil.day)) {
            return false;
        }
    }
    if (civil.day < 1 || civil.day > 31 || !readClock(date, civil)) return false;
    int64_t nanoseconds = 0;
    if (!readSecondFraction(date, dayFirst, nanoseconds)) return false;
    out.seconds = platform::secondsOfCivil(civil);
    out.nanoseconds = nanoseconds;
    return true;
}

TimeOrigin originOfClock(const ClockTime& clock) {
    // A start the system cannot place is taken as it is written.
    int64_t utc = clock.seconds;
    platform::CivilTime civil;
    if (platform::utcTime(clock.seconds, civil) && !platform::secondsOfLocalCivil(civil, utc)) {
        utc = clock.seconds;
    }
    TimeOrigin origin;
    origin.kind = TimeOrigin::Kind::kDated;
    origin.startSeconds = utc;
    origin.startNanoseconds = clock.nanoseconds;
    return origin;
}

}  // namespace sources::trc
