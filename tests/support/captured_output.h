// What a piece of code writes to standard error (or output), for tests of the command line's
// messages. The stream's descriptor is pointed at a file while the object lives.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

namespace testing_support {

class CapturedStream {
public:
    CapturedStream(std::FILE* stream, const std::filesystem::path& file);
    ~CapturedStream();
    CapturedStream(const CapturedStream&) = delete;
    CapturedStream& operator=(const CapturedStream&) = delete;

    // What was written so far; ends the capture.
    std::string text();

private:
    void restore();

    std::FILE* stream_;
    std::filesystem::path file_;
    int saved_ = -1;
};

}  // namespace testing_support
