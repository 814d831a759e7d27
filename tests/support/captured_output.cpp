#include "tests/support/captured_output.h"

#ifdef _WIN32
#include <io.h>
#define dup _dup
#define dup2 _dup2
#define close _close
#define fileno _fileno
#else
#include <unistd.h>
#endif

#include "platform/platform.h"
#include "tests/support/test_paths.h"

namespace testing_support {

CapturedStream::CapturedStream(std::FILE* stream, const std::filesystem::path& file)
    : stream_(stream), file_(file) {
    std::fflush(stream_);
    saved_ = dup(fileno(stream_));
    std::FILE* target = platform::openFile(file_, "wb");
    if (target == nullptr) return;
    dup2(fileno(target), fileno(stream_));
    std::fclose(target);
}

CapturedStream::~CapturedStream() { restore(); }

void CapturedStream::restore() {
    if (saved_ < 0) return;
    std::fflush(stream_);
    dup2(saved_, fileno(stream_));
    close(saved_);
    saved_ = -1;
}

std::string CapturedStream::text() {
    restore();
    return readFileBytes(file_);
}

}  // namespace testing_support
