// txtcvt-cli: the command-line converter. Dispatches to one subcommand.
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/commands.h"
#include "platform/platform.h"
#include "txtcvt_version.h"

namespace {

constexpr const char* kVersion = "txtcvt-cli " TXTCVT_VERSION_TEXT;

void printUsage(std::FILE* out) {
    std::fprintf(out, "Usage: txtcvt-cli COMMAND [options] ...\n\nCommands:\n");
    for (const cli::Command& command : cli::commands()) {
        std::fprintf(out, "  %s\n", cli::synopsisLine(command.text).c_str());
    }
    std::fprintf(out,
                 "\n  txtcvt-cli -h|--help | -V|--version\n"
                 "  txtcvt-cli COMMAND -h      the options of one command\n");
}

}  // namespace

int main(int argc, char** argv) {
    const cli::Arguments all = platform::utf8Arguments(argc, argv);
    if (all.size() < 2) {
        printUsage(stderr);
        return 2;
    }
    const std::string& word = all[1];
    if (word == "--help" || word == "-h") {
        printUsage(stdout);
        return 0;
    }
    if (word == "--version" || word == "-V") {
        std::printf("%s\n", kVersion);
        return 0;
    }
    for (const cli::Command& command : cli::commands()) {
        if (word == command.text.name)
            return command.run(cli::Arguments(all.begin() + 2, all.end()));
    }
    std::fprintf(stderr, "txtcvt-cli: unknown command '%s'\n", word.c_str());
    printUsage(stderr);
    return 2;
}
