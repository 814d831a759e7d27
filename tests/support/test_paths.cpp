#include "tests/support/test_paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace testing_support {

namespace {
int processId() {
#ifdef _WIN32
    return _getpid();
#else
    return static_cast<int>(getpid());
#endif
}

// The build passes Linux paths; under Wine the Linux root is drive Z:.
std::filesystem::path hostPath(const char* path) {
#ifdef _WIN32
    if (path[0] == '/') return std::filesystem::path(std::string("Z:") + path).make_preferred();
#endif
    return std::filesystem::path(path);
}
}  // namespace

std::filesystem::path sourceDir() { return hostPath(TXTCVT_SOURCE_DIR); }
std::filesystem::path dataDir() { return sourceDir() / "tests" / "data"; }

ScratchDir::ScratchDir(std::string_view name) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string leaf = std::string(name);
    if (info != nullptr) leaf += std::string("-") + info->test_suite_name() + "-" + info->name();
    for (char& c : leaf) {
        if (c == '/' || c == '\\') c = '_';
    }
    // The process in the name keeps two test runs at once (two checkouts) out of each other's way.
    path_ = std::filesystem::temp_directory_path() /
            ("txtcvt-test-" + std::to_string(processId()) + "-" + leaf);
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
    std::filesystem::create_directories(path_);
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void useTimeZone(const char* zone) {
#ifdef _WIN32
    _putenv((std::string("TZ=") + zone).c_str());
    _tzset();
#else
    setenv("TZ", zone, 1);
    tzset();
#endif
}

void useUtc() { useTimeZone("UTC0"); }

std::string readFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeFileBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace testing_support
