// Paths and scratch folders for the tests, the same under Linux and under Wine.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace testing_support {

// The source tree, and its test inputs (tests/data: the real-world DBC files and their manifest).
std::filesystem::path sourceDir();
std::filesystem::path dataDir();

// A fresh, empty folder for one test; removed again by the destructor.
class ScratchDir {
public:
    explicit ScratchDir(std::string_view name);
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view child) const { return path_ / child; }

private:
    std::filesystem::path path_;
};

// Local time is UTC from here on (the TZ variable, honoured on Linux and by the Windows C
// runtime), for tests whose expected date and time columns are written for UTC.
void useUtc();

std::string readFileBytes(const std::filesystem::path& path);
void writeFileBytes(const std::filesystem::path& path, std::string_view bytes);

}  // namespace testing_support
