#include "cli/output_naming.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/text_encoding.h"

namespace cli {

bool outputNamingOf(const char* command, const std::string& outputDir,
                    const std::string& outputFile, size_t inputCount, run::OutputNaming& naming) {
    if (!outputFile.empty()) {
        if (inputCount != 1) {
            std::fprintf(stderr, "%s: --output names the output of one input, not of %zu\n",
                         command, inputCount);
            return false;
        }
        naming.single = platform::pathFromUtf8(outputFile);
    }
    if (outputDir.empty()) return true;
    naming.directory = platform::pathFromUtf8(outputDir);
    std::error_code error;
    std::filesystem::create_directories(naming.directory, error);
    if (std::filesystem::is_directory(naming.directory)) return true;
    std::fprintf(stderr, "%s: cannot make the output folder %s: %s\n", command, outputDir.c_str(),
                 error.message().c_str());
    return false;
}

}  // namespace cli
