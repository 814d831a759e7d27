#include "output/replacing_file.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <string>
#include <system_error>

#include "platform/output_file.h"
#include "platform/platform.h"

namespace output {

namespace {

// A name for the new file in the target's folder that no other run picks at the same moment.
std::filesystem::path newFileBeside(const std::filesystem::path& target, unsigned attempt) {
    static std::atomic<uint32_t> counter{0};
    const auto now =
        static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    uint32_t mix = static_cast<uint32_t>(now ^ (now >> 29)) * 2654435761u;
    mix ^= counter.fetch_add(1) * 40503u + attempt;
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string name = "~txtcvt-";
    for (int shift = 28; shift >= 0; shift -= 4) name += kDigits[(mix >> shift) & 0xF];
    name += ".tmp";
    std::filesystem::path path = target;
    path.replace_filename(name);
    return path;
}

// A link is followed, so that the file it names is replaced rather than the link itself.
std::filesystem::path resolvedTarget(const std::filesystem::path& target) {
    std::error_code error;
    if (!std::filesystem::is_symlink(target, error)) return target;
    const std::filesystem::path resolved = std::filesystem::canonical(target, error);
    return error ? target : resolved;
}

}  // namespace

int ReplacingFile::open(const std::filesystem::path& target) {
    abandon();
    if (target == "-") {
        file_ = platform::standardOutput();
        written_ = target;
        inPlace_ = true;
        borrowed_ = true;
        return 0;
    }
    borrowed_ = false;
    target_ = resolvedTarget(target);
    if (platform::isSpecialFile(target_)) {
        errno = 0;
        file_ = platform::openFile(target_, "wb");
        if (file_ == nullptr) return errno != 0 ? errno : EIO;
        written_ = target_;
        inPlace_ = true;
        return 0;
    }
    inPlace_ = false;
    if (const int refused = platform::checkReplaceable(target_); refused != 0) return refused;
    for (unsigned attempt = 0; attempt < 64; ++attempt) {
        written_ = newFileBeside(target_, attempt);
        errno = 0;
        file_ = platform::createNewFile(written_);
        if (file_ != nullptr) {
            pending_ = true;
            return 0;
        }
        if (errno != EEXIST) return errno != 0 ? errno : EIO;
    }
    return EEXIST;
}

int ReplacingFile::commit() {
    int error = 0;
    if (file_ != nullptr && closeStream() != 0) error = errno != 0 ? errno : EIO;
    file_ = nullptr;
    if (inPlace_ || !pending_) return error;
    if (error == 0) error = platform::replaceFile(written_, target_);
    if (error != 0) {
        abandon();
        return error;
    }
    pending_ = false;
    return 0;
}

int ReplacingFile::closeStream() {
    errno = 0;
    // Standard output stays open for whatever follows; only what was written must reach it.
    if (borrowed_) return std::fflush(file_) != 0 || std::ferror(file_) != 0 ? -1 : 0;
    return std::fclose(file_);
}

void ReplacingFile::abandon() {
    if (file_ != nullptr) closeStream();
    file_ = nullptr;
    if (pending_) {
        std::error_code ignored;
        std::filesystem::remove(written_, ignored);
        pending_ = false;
    }
}

void ReplacingFile::releaseStream() {
    if (file_ != nullptr) closeStream();
    file_ = nullptr;
}

}  // namespace output
