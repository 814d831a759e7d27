#include "sources/asc/asc_date.h"

#include "sources/asc/asc_text.h"

namespace sources::asc {

namespace {

// The month of a word by its first three letters (1-12), or 0. The German "Mär" comes in
// UTF-8 or in Windows' 8-bit code page.
int monthOf(std::string_view word) {
    if (word.size() >= 3 && lowerAscii(word[0]) == 'm') {
        if (word.substr(1, 2) == "\xC3\xA4" || word[1] == '\xE4') return 3;
    }
    if (word.size() < 3) return 0;
    static constexpr std::string_view kNames[] = {
        "jan", "feb", "mar", "apr", "may", "jun", "jul", "aug", "sep", "oct", "nov", "dec",
    };
    char head[3] = {lowerAscii(word[0]), lowerAscii(word[1]), lowerAscii(word[2])};
    const std::string_view prefix(head, 3);
    for (int i = 0; i < 12; ++i) {
        if (prefix == kNames[i]) return i + 1;
    }
    if (prefix == "mrz") return 3;
    if (prefix == "mai") return 5;
    if (prefix == "okt") return 10;
    if (prefix == "dez") return 12;
    return 0;
}

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

// Takes up to `maxDigits` digits (at least one) off the front of `text`.
bool takeNumber(std::string_view& text, size_t maxDigits, int& out) {
    size_t count = 0;
    int value = 0;
    while (count < text.size() && count < maxDigits && isDigit(text[count])) {
        value = value * 10 + (text[count] - '0');
        ++count;
    }
    if (count == 0) return false;
    text.remove_prefix(count);
    out = value;
    return true;
}

bool takeChar(std::string_view& text, char c) {
    if (text.empty() || text.front() != c) return false;
    text.remove_prefix(1);
    return true;
}

// "12:34:56" or "12:34:56.789": the whole word.
bool parseClock(std::string_view word, AscDate& out) {
    if (!takeNumber(word, 2, out.civil.hour) || !takeChar(word, ':') ||
        !takeNumber(word, 2, out.civil.minute) || !takeChar(word, ':') ||
        !takeNumber(word, 2, out.civil.second)) {
        return false;
    }
    out.nanoseconds = 0;
    if (takeChar(word, '.')) {
        if (word.empty()) return false;
        uint32_t scale = 100000000;
        for (const char c : word) {
            if (!isDigit(c)) return false;
            out.nanoseconds += static_cast<uint32_t>(c - '0') * scale;  // digits past 9 count 0
            scale /= 10;
        }
        return true;
    }
    return word.empty();
}

bool isValid(const platform::CivilTime& civil) {
    return civil.year >= 1900 && civil.month >= 1 && civil.month <= 12 && civil.day >= 1 &&
           civil.day <= daysInMonth(civil.year, civil.month) && civil.hour <= 23 &&
           civil.minute <= 59 && civil.second <= 60;
}

}  // namespace

bool parseAscDate(std::string_view text, AscDate& out) {
    Words words(text);
    AscDate date;
    if (words.next().empty()) return false;  // the weekday
    date.civil.month = monthOf(words.next());
    std::string_view day = words.next();
    if (date.civil.month == 0 || day.size() > 2 || !takeNumber(day, 2, date.civil.day) ||
        !day.empty() || !parseClock(words.next(), date)) {
        return false;
    }
    std::string_view word = words.next();
    if (equalsIgnoringCase(word, "am") || equalsIgnoringCase(word, "pm")) {
        // A 12-hour clock: 12 am is midnight, 12 pm noon.
        if (date.civil.hour < 1 || date.civil.hour > 12) return false;
        date.civil.hour = date.civil.hour % 12 + (lowerAscii(word[0]) == 'p' ? 12 : 0);
        word = words.next();
    }
    if (word.size() != 4 || !takeNumber(word, 4, date.civil.year) || !word.empty()) return false;
    if (!words.next().empty() || !isValid(date.civil)) return false;
    out = date;
    return true;
}

}  // namespace sources::asc
