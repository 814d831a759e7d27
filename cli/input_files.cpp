#include "cli/input_files.h"

#include <algorithm>
#include <system_error>

#include "decode/wildcard.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include "platform/text_encoding.h"

namespace cli {

namespace {

char foldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isHidden(const std::filesystem::directory_entry& entry) {
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesW(entry.path().c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN) != 0;
#else
    const std::string name = platform::pathToUtf8(entry.path().filename());
    return !name.empty() && name[0] == '.';
#endif
}

// The files of a folder whose names match the pattern, in logical order.
// The files of a folder whose names `takes` accepts, in logical order.
template <class Takes>
std::vector<std::filesystem::path> listTaken(const std::filesystem::path& folder, Takes takes) {
    std::vector<std::pair<std::string, std::filesystem::path>> found;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        std::error_code typeError;
        if (entry.is_directory(typeError) || isHidden(entry)) continue;
        std::string name = platform::pathToUtf8(entry.path().filename());
        if (takes(name)) found.emplace_back(std::move(name), entry.path());
    }
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return compareLogical(a.first, b.first) < 0; });
    std::vector<std::filesystem::path> paths;
    paths.reserve(found.size());
    for (auto& item : found) paths.push_back(std::move(item.second));
    return paths;
}

std::vector<std::filesystem::path> listMatching(const std::filesystem::path& folder,
                                                std::string_view pattern) {
    return listTaken(folder,
                     [&](const std::string& name) { return matchesWildcard(pattern, name); });
}

// A folder's files of a format: its captures (*.DT), or its logs of that kind.
std::vector<std::filesystem::path> listFormat(const std::filesystem::path& folder,
                                              std::optional<sources::InputFormat> format) {
    if (!format || *format == sources::InputFormat::kCapture) return listMatching(folder, "*.DT");
    return listTaken(folder, [&](const std::string& name) {
        return sources::isListedInputName(name) && sources::formatOfFileName(name) == format;
    });
}

}  // namespace

int compareLogical(std::string_view a, std::string_view b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            // Compare the digit runs as numbers: skip leading zeros, then length, then digits.
            size_t endA = i, endB = j;
            while (endA < a.size() && isDigit(a[endA])) ++endA;
            while (endB < b.size() && isDigit(b[endB])) ++endB;
            size_t startA = i, startB = j;
            while (startA + 1 < endA && a[startA] == '0') ++startA;
            while (startB + 1 < endB && b[startB] == '0') ++startB;
            const size_t lengthA = endA - startA, lengthB = endB - startB;
            if (lengthA != lengthB) return lengthA < lengthB ? -1 : 1;
            const int digits = a.substr(startA, lengthA).compare(b.substr(startB, lengthB));
            if (digits != 0) return digits < 0 ? -1 : 1;
            i = endA;
            j = endB;
            continue;
        }
        const auto ca = static_cast<unsigned char>(foldCase(a[i]));
        const auto cb = static_cast<unsigned char>(foldCase(b[j]));
        if (ca != cb) return ca < cb ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    // Equal apart from case or leading zeros: fall back to a plain comparison for a stable order.
    const int plain = a.compare(b);
    return plain < 0 ? -1 : (plain > 0 ? 1 : 0);
}

bool matchesWildcard(std::string_view pattern, std::string_view name) {
    return decode::matchesWildcard(pattern, name, true);
}

std::vector<std::filesystem::path> expandInputs(const Arguments& inputs,
                                                std::vector<std::string>& problems,
                                                std::optional<sources::InputFormat> format) {
    std::vector<std::filesystem::path> paths;
    for (const std::string& input : inputs) {
        const std::filesystem::path path = platform::pathFromUtf8(input);
        std::error_code error;
        if (std::filesystem::is_directory(path, error)) {
            auto files = listFormat(path, format);
            if (files.empty()) {
                problems.push_back(input + ": no " +
                                   (format && *format != sources::InputFormat::kCapture
                                        ? std::string(sources::inputFormatName(*format))
                                        : std::string("*.DT file")) +
                                   " in this folder");
            }
            paths.insert(paths.end(), files.begin(), files.end());
            continue;
        }
        const std::string leaf = platform::pathToUtf8(path.filename());
        if (leaf.empty()) {  // "logs/": meant as a folder
            problems.push_back(input + ": no such folder");
            continue;
        }
        if (leaf.find_first_of("*?") != std::string::npos &&
            !std::filesystem::exists(path, error)) {
            const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
            auto files = listMatching(folder, leaf);
            if (files.empty()) problems.push_back(input + ": no file matches");
            for (auto& file : files) {
                paths.push_back(path.has_parent_path() ? std::move(file) : file.filename());
            }
            continue;
        }
        paths.push_back(path);
    }
    return paths;
}

}  // namespace cli
