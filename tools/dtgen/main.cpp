// dtgen: writes a monitor data file from a text description (see tools/README.md).
#include <cstdio>
#include <exception>
#include <iostream>
#include <iterator>
#include <string>

#include "platform/platform.h"
#include "tools/dtgen/description_parser.h"

namespace {

constexpr const char* kUsage =
    "Usage: dtgen DESCRIPTION.txt OUTPUT.DT\n"
    "       (DESCRIPTION '-' reads the description from standard input)\n";

bool readDescription(const std::string& name, std::string& text) {
    if (name == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        return true;
    }
    std::FILE* file = platform::openFile(platform::Path(name), "rb");
    if (file == nullptr) return false;
    char block[65536];
    size_t got = 0;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0) text.append(block, got);
    std::fclose(file);
    return true;
}

bool writeCapture(const dtgen::CaptureBuilder& builder, const std::string& name) {
    std::FILE* file = platform::openFile(platform::Path(name), "wb");
    if (file == nullptr) return false;
    bool ok = true;
    builder.write([&](const uint8_t* bytes, size_t size) {
        ok = ok && std::fwrite(bytes, 1, size, file) == size;
    });
    return std::fclose(file) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::string text;
    if (!readDescription(argv[1], text)) {
        std::fprintf(stderr, "dtgen: cannot read %s\n", argv[1]);
        return 1;
    }
    std::string error;
    const std::optional<dtgen::CaptureBuilder> builder = dtgen::parseDescription(text, error);
    if (!builder) {
        std::fprintf(stderr, "dtgen: %s: %s\n", argv[1], error.c_str());
        return 1;
    }
    try {
        if (!writeCapture(*builder, argv[2])) {
            std::fprintf(stderr, "dtgen: cannot write %s\n", argv[2]);
            return 1;
        }
    } catch (const std::exception& problem) {
        std::fprintf(stderr, "dtgen: %s\n", problem.what());
        return 1;
    }
    return 0;
}
