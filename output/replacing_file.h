// An output file that replaces an older one without ever losing it: the bytes go to a new file
// beside the target, which is moved over the target only once it is complete and closed. On
// any failure, or when the caller gives up, the new file is removed and the old one is left as
// it was. Devices and pipes are written in place.
#pragma once

#include <cstdio>
#include <filesystem>

namespace output {

class ReplacingFile {
public:
    ReplacingFile() = default;
    ~ReplacingFile() { abandon(); }
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Opens a stream whose bytes become `target` on commit. 0, or the errno value that tells
    // why not (a folder or a read-only file in the target's place fails here, before anything
    // is written). "-" is standard output, written as it comes.
    int open(const std::filesystem::path& target);
    std::FILE* stream() const { return file_; }
    // Where the bytes are written until the commit: the new file beside the target.
    const std::filesystem::path& writtenPath() const { return written_; }

    // Closes the stream and moves the new file over the target. 0, or an errno value (the new
    // file is removed then).
    int commit();
    // Closes the stream and removes the new file; the target stays as it was.
    void abandon();
    // For writers that create the file themselves under writtenPath() (a workbook library):
    // closes our stream without removing anything.
    void releaseStream();

private:
    int closeStream();

    std::FILE* file_ = nullptr;
    bool borrowed_ = false;  // standard output: flushed, never closed
    std::filesystem::path target_;
    std::filesystem::path written_;
    bool inPlace_ = false;
    bool pending_ = false;  // a new file exists that is not yet moved or removed
};

}  // namespace output
