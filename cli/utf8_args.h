// The program's arguments as UTF-8 on every platform (on Windows from the wide command line,
// so that any file name survives).
#pragma once

#include <filesystem>
#include <string>

#include "cli/commands.h"

namespace cli {

Arguments utf8Arguments(int argc, char** argv);

// A path from a UTF-8 argument, and back.
std::filesystem::path pathFromUtf8(const std::string& text);
std::string pathToUtf8(const std::filesystem::path& path);

}  // namespace cli
