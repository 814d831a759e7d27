// INI file rules shared by every platform.
#include "platform/profile_text.h"

#include <vector>

#include "platform/text_encoding.h"

namespace platform::profile {

namespace {

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\v' || c == u'\f';
}

std::u16string_view trim(std::u16string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

char16_t foldCase(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c;
}

bool equalsIgnoringCase(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (foldCase(a[i]) != foldCase(b[i])) return false;
    }
    return true;
}

enum class LineKind { kOther, kSection, kKey };

struct Line {
    size_t begin = 0;  // first character of the line
    size_t end = 0;    // one past the last character before the line end
    size_t next = 0;   // start of the following line
    LineKind kind = LineKind::kOther;
    std::u16string_view name;   // section or key name
    std::u16string_view value;  // key value, blanks removed
};

Line classify(std::u16string_view text, size_t begin, size_t end, size_t next) {
    Line line{begin, end, next, LineKind::kOther, {}, {}};
    const std::u16string_view content = trim(text.substr(begin, end - begin));
    if (content.empty()) return line;
    if (content.front() == u'[') {
        const size_t close = content.rfind(u']');
        if (close != std::u16string_view::npos) {
            line.kind = LineKind::kSection;
            line.name = trim(content.substr(1, close - 1));
            return line;
        }
    }
    const size_t equals = content.find(u'=');
    if (equals == std::u16string_view::npos) return line;
    line.kind = LineKind::kKey;
    line.name = trim(content.substr(0, equals));
    line.value = trim(content.substr(equals + 1));
    return line;
}

std::vector<Line> splitLines(std::u16string_view text) {
    std::vector<Line> lines;
    size_t begin = 0;
    while (begin < text.size()) {
        const size_t feed = text.find(u'\n', begin);
        size_t end = feed == std::u16string_view::npos ? text.size() : feed;
        // Only the CR of a CR LF belongs to the line end: a last line ending in a bare CR has
        // no line end yet, and a value set after it must start on a new line.
        if (feed != std::u16string_view::npos && end > begin && text[end - 1] == u'\r') --end;
        const size_t next = feed == std::u16string_view::npos ? text.size() : feed + 1;
        lines.push_back(classify(text, begin, end, next));
        begin = next;
    }
    return lines;
}

std::u16string_view lineEndOf(std::u16string_view text) {
    if (text.find(u"\r\n") != std::u16string_view::npos) return u"\r\n";
    if (text.find(u'\n') != std::u16string_view::npos) return u"\n";
    return u"\r\n";
}

std::u16string_view removeQuotes(std::u16string_view value) {
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// The range of lines of the first section with this name: [first, last) after its header.
bool findSection(const std::vector<Line>& lines, std::u16string_view section, size_t& header,
                 size_t& last) {
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind != LineKind::kSection || !equalsIgnoringCase(lines[i].name, section)) {
            continue;
        }
        header = i;
        last = i + 1;
        while (last < lines.size() && lines[last].kind != LineKind::kSection) ++last;
        return true;
    }
    return false;
}

}  // namespace

std::u16string decodeProfileBytes(std::string_view bytes) {
    const auto byteAt = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    if (bytes.size() >= 2 &&
        ((byteAt(0) == 0xFF && byteAt(1) == 0xFE) || (byteAt(0) == 0xFE && byteAt(1) == 0xFF))) {
        const bool little = byteAt(0) == 0xFF;
        std::u16string text;
        text.reserve(bytes.size() / 2);
        for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
            const unsigned first = byteAt(i);
            const unsigned second = byteAt(i + 1);
            text.push_back(
                static_cast<char16_t>(little ? first | (second << 8) : (first << 8) | second));
        }
        return text;
    }
    if (bytes.size() >= 3 && byteAt(0) == 0xEF && byteAt(1) == 0xBB && byteAt(2) == 0xBF) {
        bytes.remove_prefix(3);
    }
    return utf8ToUtf16(bytes);
}

std::optional<std::u16string> findProfileValue(std::u16string_view text,
                                               std::u16string_view section,
                                               std::u16string_view key) {
    const std::vector<Line> lines = splitLines(text);
    size_t header = 0;
    size_t last = 0;
    if (!findSection(lines, section, header, last)) return std::nullopt;
    for (size_t i = header + 1; i < last; ++i) {
        if (lines[i].kind == LineKind::kKey && equalsIgnoringCase(lines[i].name, key)) {
            return std::u16string(removeQuotes(lines[i].value));
        }
    }
    return std::nullopt;
}

std::u16string setProfileValue(std::u16string_view text, std::u16string_view section,
                               std::u16string_view key, std::u16string_view value) {
    const std::vector<Line> lines = splitLines(text);
    const std::u16string_view lineEnd = lineEndOf(text);
    const std::u16string entry = std::u16string(key) + u"=" + std::u16string(value);
    std::u16string out(text);
    size_t header = 0;
    size_t last = 0;
    if (!findSection(lines, section, header, last)) {
        if (!out.empty() && out.back() != u'\n') out += lineEnd;
        out.append(u"[").append(section).append(u"]").append(lineEnd);
        out.append(entry).append(lineEnd);
        return out;
    }
    size_t lastContent = header;
    for (size_t i = header + 1; i < last; ++i) {
        if (lines[i].kind == LineKind::kKey && equalsIgnoringCase(lines[i].name, key)) {
            return out.replace(lines[i].begin, lines[i].end - lines[i].begin, entry);
        }
        if (!trim(text.substr(lines[i].begin, lines[i].end - lines[i].begin)).empty()) {
            lastContent = i;
        }
    }
    const Line& after = lines[lastContent];
    if (after.next == after.end) {  // the last line of the text has no line feed yet
        return out.insert(after.end, std::u16string(lineEnd) + entry);
    }
    return out.insert(after.next, entry + std::u16string(lineEnd));
}

bool isStorableProfileEntry(std::u16string_view section, std::u16string_view key,
                            std::u16string_view value) {
    const auto hasBreak = [](std::u16string_view s) {
        return s.find_first_of(u"\r\n") != std::u16string_view::npos;
    };
    if (trim(section).empty() || trim(key).empty()) return false;
    if (hasBreak(section) || hasBreak(key) || hasBreak(value)) return false;
    return section.find(u']') == std::u16string_view::npos &&
           key.find(u'=') == std::u16string_view::npos;
}

}  // namespace platform::profile
