#include "cli/utf8_args.h"

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

namespace cli {

#ifdef _WIN32
namespace {
std::string toUtf8(const wchar_t* wide) {
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 1) return {};
    std::string text(static_cast<size_t>(bytes - 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), bytes, nullptr, nullptr);
    return text;
}
}  // namespace

Arguments utf8Arguments(int, char**) {
    Arguments args;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) return args;
    for (int i = 0; i < count; ++i) args.push_back(toUtf8(wide[i]));
    LocalFree(wide);
    return args;
}
#else
Arguments utf8Arguments(int argc, char** argv) { return Arguments(argv, argv + argc); }
#endif

std::filesystem::path pathFromUtf8(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string pathToUtf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace cli
