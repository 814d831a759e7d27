#include "run/path_checks.h"

#include <system_error>

#include "platform/text_encoding.h"

namespace run {

namespace {

// Absolute, with the folders resolved as far as they exist; ASCII case folded where the file
// system ignores it.
std::u16string pathKey(const std::filesystem::path& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    std::u16string key = platform::pathToUtf16(std::filesystem::weakly_canonical(absolute, error));
#ifdef _WIN32
    for (char16_t& c : key) {
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    }
#endif
    return key;
}

std::string shown(const RunFile& file) { return file.role + " " + platform::pathToUtf8(file.path); }

}  // namespace

bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code error;
    if (std::filesystem::equivalent(a, b, error) && !error) return true;
    return pathKey(a) == pathKey(b);
}

platform::Status checkRunFiles(const std::vector<RunFile>& reads,
                               const std::vector<RunFile>& writes) {
    for (size_t i = 0; i < writes.size(); ++i) {
        if (writes[i].path.empty() || writes[i].path == "-") continue;  // standard output
        for (const RunFile& read : reads) {
            if (sameFile(writes[i].path, read.path)) {
                return platform::Status::failure(
                    platform::kInvalidArgument,
                    shown(writes[i]) + " is " + shown(read) + ": nothing was written");
            }
        }
        for (size_t k = 0; k < i; ++k) {
            if (writes[i].batchOutput && writes[k].batchOutput) continue;
            if (writes[k].path != "-" && sameFile(writes[i].path, writes[k].path)) {
                return platform::Status::failure(
                    platform::kInvalidArgument,
                    shown(writes[i]) + " is also " + shown(writes[k]) + ": nothing was written");
            }
        }
    }
    return {};
}

}  // namespace run
