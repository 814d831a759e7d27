#include "sources/log_head_rules.h"

#include <array>
#include <cstddef>

namespace sources::head_rules {

namespace {

// The first few blank-separated words of a line; more are never needed to tell its shape.
struct Words {
    static constexpr size_t kMax = 8;
    std::array<std::string_view, kMax> word{};
    size_t count = 0;

    explicit Words(std::string_view line) {
        size_t at = 0;
        while (count < kMax) {
            while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
            if (at == line.size()) break;
            const size_t start = at;
            while (at < line.size() && line[at] != ' ' && line[at] != '\t') ++at;
            word[count++] = line.substr(start, at - start);
        }
    }
    std::string_view operator[](size_t index) const {
        return index < count ? word[index] : std::string_view();
    }
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHex(char c) { return isDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }
char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view trimmed(std::string_view line) {
    size_t at = 0;
    while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
    return line.substr(at);
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (lower(text[i]) != lower(prefix[i])) return false;
    }
    return true;
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && startsWithIgnoringCase(a, b);
}

size_t digitRun(std::string_view text, size_t at) {
    size_t end = at;
    while (end < text.size() && isDigit(text[end])) ++end;
    return end - at;
}

bool isDigits(std::string_view text, size_t least, size_t most) {
    return text.size() >= least && text.size() <= most && digitRun(text, 0) == text.size();
}

bool isHexDigits(std::string_view text, size_t least, size_t most) {
    if (text.size() < least || text.size() > most) return false;
    for (const char c : text) {
        if (!isHex(c)) return false;
    }
    return true;
}

// "0.015991", "1700000000.123456": digits, a point, digits.
bool isDecimal(std::string_view text) {
    const size_t whole = digitRun(text, 0);
    if (whole == 0 || whole + 1 >= text.size() || text[whole] != '.') return false;
    return digitRun(text, whole + 1) == text.size() - whole - 1;
}

// "1059.9", "1841": digits with or without a fraction.
bool isNumber(std::string_view text) { return isDigits(text, 1, 20) || isDecimal(text); }

// "22:13:20" somewhere in the text.
bool hasClockTime(std::string_view text) {
    for (size_t at = 0; at < text.size(); ++at) {
        if (at > 0 && isDigit(text[at - 1])) continue;
        const size_t hours = digitRun(text, at);
        if (hours == 0 || hours > 2) continue;
        const size_t colon = at + hours;
        if (colon + 6 > text.size() || text[colon] != ':' || text[colon + 3] != ':') continue;
        if (digitRun(text, colon + 1) == 2 && digitRun(text, colon + 4) >= 2) return true;
    }
    return false;
}

bool isDirection(std::string_view word) {
    return sameIgnoringCase(word, "Rx") || sameIgnoringCase(word, "Tx");
}

// "1F3", "12345678x": an ASC identifier, x marking an extended one.
bool isAscIdentifier(std::string_view word) {
    if (!word.empty() && (word.back() == 'x' || word.back() == 'X')) word.remove_suffix(1);
    return isHexDigits(word, 1, 8);
}

bool isAscFrame(const Words& words) {
    if (isDigits(words[1], 1, 3)) {
        if (words[2] == "ErrorFrame") return true;
        return isAscIdentifier(words[2]) && isDirection(words[3]) &&
               (words[4] == "d" || words[4] == "r" || words[4] == "D" || words[4] == "R");
    }
    return words[1] == "CANFD" && isDigits(words[2], 1, 3) && isDirection(words[3]);
}

// "123#", "12345678##1": a candump identifier of 3 or 8 digits before its '#'.
bool isCandumpFrameText(std::string_view word) {
    const size_t mark = word.find('#');
    return (mark == 3 || mark == 8) && isHexDigits(word.substr(0, mark), mark, mark);
}

// "(1700000000.123456)", "(000.000000)", "(2023-11-14 22:13:20.123456)": the time candump puts
// first; what follows it, or nothing when the line has no time.
bool skipCandumpTime(std::string_view& line) {
    if (line.empty() || line[0] != '(') return true;
    const size_t close = line.find(')');
    if (close == std::string_view::npos || close < 2) return false;
    bool digit = false;
    for (size_t at = 1; at < close; ++at) {
        const char c = line[at];
        if (!isDigit(c) && c != '.' && c != '-' && c != ':' && c != ' ') return false;
        digit = digit || isDigit(c);
    }
    line.remove_prefix(close + 1);
    return digit;
}

// "[8]", "[12]": the length candump's screen output shows.
bool isBracketedLength(std::string_view word) {
    return word.size() >= 3 && word.front() == '[' && word.back() == ']' &&
           isDigits(word.substr(1, word.size() - 2), 1, 2);
}

bool isCandumpScreenFrame(std::string_view line) {
    if (!skipCandumpTime(line)) return false;
    const Words words(line);
    size_t id = 1;  // after the interface
    const auto isFlag = [](std::string_view word) {
        return word == "-" || word == "B" || word == "E";
    };
    if ((words[1] == "RX" || words[1] == "TX") && isFlag(words[2]) && isFlag(words[3])) id = 4;
    const std::string_view identifier = words[id];
    return (identifier.size() == 3 || identifier.size() == 8) && isHexDigits(identifier, 3, 8) &&
           isBracketedLength(words[id + 1]);
}

bool isTrcStrongHeader(std::string_view line) {
    if (line.starts_with(";$FILEVERSION=") || line.starts_with(";$STARTTIME=") ||
        line.starts_with(";$COLUMNS=") || line.starts_with(";---+--")) {
        return true;
    }
    const std::string_view text = trimmed(line.substr(1));
    return text.starts_with("Start time:") || text.starts_with("Generated by PCAN");
}

const std::array<std::string_view, 10> kTrcMessageTypes = {"DT", "FD", "FB", "FE", "BI",
                                                           "RR", "ST", "EC", "ER", "EV"};

bool isTrcMessage(const Words& words) {
    std::string_view number = words[0];
    const bool closed = !number.empty() && number.back() == ')';  // versions 1.x: "1)"
    if (closed) number.remove_suffix(1);
    if (!isDigits(number, 1, 20) || !isNumber(words[1]) || words.count < 3) return false;
    if (closed) return true;
    if (!isDecimal(words[1])) return false;
    for (const std::string_view type : kTrcMessageTypes) {
        if (words[2] == type) return true;
    }
    return false;
}

}  // namespace

LineKind ascLine(std::string_view line) {
    const std::string_view text = trimmed(line);
    const Words words(text);
    if (words[0] == "base" && (words[1] == "hex" || words[1] == "dec") &&
        words[2] == "timestamps") {
        return LineKind::kStrongHeader;
    }
    if (startsWithIgnoringCase(text, "Begin Triggerblock")) return LineKind::kStrongHeader;
    if (words[0] == "date" && hasClockTime(text)) return LineKind::kHeader;
    if (text.starts_with("internal events logged") ||
        text.starts_with("no internal events logged") || text.starts_with("//") ||
        startsWithIgnoringCase(text, "End Triggerblock")) {
        return LineKind::kHeader;
    }
    if (!isDecimal(words[0]) || words.count < 2) return LineKind::kOther;
    // A time and something after it: a frame, or one of the many events ASC logs between them.
    return isAscFrame(words) ? LineKind::kFrame : LineKind::kHeader;
}

LineKind candumpLine(std::string_view line) {
    const std::string_view text = trimmed(line);
    const Words words(text);
    if (words.count >= 3 && words[0].size() >= 4 && words[0].front() == '(' &&
        words[0].back() == ')' && isDecimal(words[0].substr(1, words[0].size() - 2)) &&
        isCandumpFrameText(words[2])) {
        return LineKind::kFrame;
    }
    if (isCandumpScreenFrame(text)) return LineKind::kFrame;
    return text.starts_with("DROPCOUNT:") ? LineKind::kHeader : LineKind::kOther;
}

LineKind trcLine(std::string_view line) {
    if (line.starts_with(";")) {
        return isTrcStrongHeader(line) ? LineKind::kStrongHeader : LineKind::kHeader;
    }
    return isTrcMessage(Words(line)) ? LineKind::kFrame : LineKind::kOther;
}

}  // namespace sources::head_rules
