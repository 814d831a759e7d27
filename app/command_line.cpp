#include "app/command_line.h"

namespace app {

namespace {

constexpr wchar_t kQuote = L'"';

bool isBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

// White space as the C library's number conversion skips it.
bool isCSpace(wchar_t c) { return isBlank(c) || (c >= L'\n' && c <= L'\r'); }

// A quoted token runs up to and including the next quote (or to the end); any other token up
// to the next blank, tab or end.
size_t tokenEnd(std::wstring_view line, size_t begin) {
    if (begin < line.size() && line[begin] == kQuote) {
        const size_t close = line.find(kQuote, begin + 1);
        return close == std::wstring_view::npos ? line.size() : close + 1;
    }
    size_t end = begin;
    while (end < line.size() && !isBlank(line[end])) ++end;
    return end;
}

size_t skipBlanks(std::wstring_view line, size_t position) {
    while (position < line.size() && isBlank(line[position])) ++position;
    return position;
}

// Reads a decimal number the way the C library's unsigned conversion does with a 32-bit
// unsigned long: leading white space, an optional sign, digits; an overflow saturates.
// Returns the position after the number, or `begin` when there are no digits.
size_t readUnsigned(std::wstring_view line, size_t begin, uint32_t& value) {
    value = 0;
    size_t position = begin;
    while (position < line.size() && isCSpace(line[position])) ++position;
    bool negative = false;
    if (position < line.size() && (line[position] == L'+' || line[position] == L'-')) {
        negative = line[position] == L'-';
        ++position;
    }
    const size_t digitsBegin = position;
    uint64_t number = 0;
    bool overflow = false;
    for (; position < line.size() && line[position] >= L'0' && line[position] <= L'9'; ++position) {
        number = number * 10 + static_cast<uint64_t>(line[position] - L'0');
        if (number > 0xFFFFFFFFu) {
            overflow = true;
            number = 0xFFFFFFFFu;
        }
    }
    if (position == digitsBegin) return begin;
    const auto magnitude = static_cast<uint32_t>(number);
    value = overflow ? 0xFFFFFFFFu : (negative ? 0u - magnitude : magnitude);
    return position;
}

void takeTitleSuffix(std::wstring_view value, CommandLineOptions& options) {
    if (!options.titleSuffix.empty() || value.size() >= kTitleSuffixCapacity) return;
    if (!value.empty() && value.front() == kQuote) {
        if (value.size() < 2 || value.back() != kQuote) return;
        value = value.substr(1, value.size() - 2);
    }
    options.titleSuffix = std::wstring(value);
}

// Handles the option whose letter sits at `letter`; returns where its value ended.
size_t readOption(std::wstring_view line, size_t letter, CommandLineOptions& options) {
    const size_t valueBegin = letter + 1;
    switch (line[letter]) {
        case L'l': {
            uint32_t number = 0;
            const size_t end = readUnsigned(line, valueBegin, number);
            options.uiLanguage = static_cast<uint16_t>(number & 0xFFFFu);
            options.uiLanguageForced = true;
            return end;
        }
        case L's': {
            const size_t end = tokenEnd(line, valueBegin);
            const std::wstring_view value = line.substr(valueBegin, end - valueBegin);
            // A bare -s keeps the settings file beside the program rather than an empty path.
            if (value.size() < kPathCapacity) {
                std::wstring path = unquoteSpaces(value);
                if (!path.empty()) options.settingsPath = std::move(path);
            }
            return end;
        }
        case L't': {
            const size_t end = tokenEnd(line, valueBegin);
            takeTitleSuffix(line.substr(valueBegin, end - valueBegin), options);
            return end;
        }
        default:
            return valueBegin;
    }
}

}  // namespace

CommandLineOptions parseCommandLine(std::wstring_view line) {
    CommandLineOptions options;
    size_t position = tokenEnd(line, 0);
    while (true) {
        position = skipBlanks(line, position);
        if (position >= line.size()) break;
        if (line[position] == L'-') {
            const size_t letter = position + 1;
            if (letter >= line.size()) break;
            // A lone "-" has no letter: nothing to read, the next token stands on its own.
            if (isBlank(line[letter])) {
                position = letter;
                continue;
            }
            position = readOption(line, letter, options);
            // What is left of the option's token is skipped.
            while (position < line.size() && !isBlank(line[position])) ++position;
            continue;
        }
        const size_t end = tokenEnd(line, position);
        const std::wstring_view token = line.substr(position, end - position);
        if (token.size() < kPathCapacity) options.folder = unquoteSpaces(token);
        position = end;
    }
    return options;
}

std::wstring unquoteSpaces(std::wstring_view text) {
    // A lone quote counts as both the opening and the closing one, as the shell helper does.
    if (!text.empty() && text.front() == kQuote && text.back() == kQuote) {
        text = text.size() < 2 ? std::wstring_view() : text.substr(1, text.size() - 2);
    }
    return std::wstring(text);
}

std::wstring settingsPathBesideProgram(std::wstring_view modulePath) {
    if (modulePath.empty()) return {};
    const size_t nameBegin = modulePath.find_last_of(L"\\/:");
    const size_t dot = modulePath.rfind(L'.');
    const bool hasExtension =
        dot != std::wstring_view::npos && (nameBegin == std::wstring_view::npos || dot > nameBegin);
    std::wstring path(hasExtension ? modulePath.substr(0, dot) : modulePath);
    path += L".ini";
    return path;
}

}  // namespace app
