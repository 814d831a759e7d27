// txtcvt.exe carries its version in four places (file version numbers, version strings, the
// manifest, the window titles of both languages); each must be the one the build was given.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "app/resources/resource_ids.h"
#include "txtcvt_version.h"

namespace {

std::wstring programPath() {
    std::wstring path = L"Z:" TXTCVT_EXE_PATH;
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

std::wstring widen(const char* ascii) { return std::wstring(ascii, ascii + std::strlen(ascii)); }

constexpr WORD kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
constexpr WORD kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);

// The program's resources without running it.
class ProgramResources {
public:
    ProgramResources()
        : module_(LoadLibraryExW(programPath().c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
    ~ProgramResources() {
        if (module_ != nullptr) FreeLibrary(module_);
    }
    ProgramResources(const ProgramResources&) = delete;
    ProgramResources& operator=(const ProgramResources&) = delete;

    bool loaded() const { return module_ != nullptr; }

    std::string bytes(LPCWSTR type, LPCWSTR name, WORD language) const {
        HRSRC found = FindResourceExW(module_, type, name, language);
        if (found == nullptr) return {};
        HGLOBAL data = LoadResource(module_, found);
        const auto* begin = static_cast<const char*>(LockResource(data));
        return begin == nullptr ? std::string()
                                : std::string(begin, SizeofResource(module_, found));
    }

    // One string of a string table: blocks of 16 length-prefixed UTF-16 strings.
    std::wstring string(UINT id, WORD language) const {
        const std::string block = bytes(RT_STRING, MAKEINTRESOURCEW(id / 16 + 1), language);
        std::vector<wchar_t> units(block.size() / sizeof(wchar_t));
        std::memcpy(units.data(), block.data(), units.size() * sizeof(wchar_t));
        size_t at = 0;
        for (UINT index = 0; index < id % 16 && at < units.size(); ++index) at += 1 + units[at];
        if (at >= units.size() || at + 1 + units[at] > units.size()) return {};
        return std::wstring(units.data() + at + 1, units[at]);
    }

private:
    HMODULE module_;
};

std::wstring versionString(const std::vector<char>& info, const wchar_t* name) {
    const std::wstring key = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(info.data(), key.c_str(), &value, &length) || length == 0) return {};
    return std::wstring(static_cast<const wchar_t*>(value));
}

TEST(ProgramVersion, VersionResourceManifestAndTitlesAgree) {
    const std::wstring path = programPath();
    DWORD ignored = 0;
    std::vector<char> info(GetFileVersionInfoSizeW(path.c_str(), &ignored));
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedLength = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixedLength));
    const DWORD high = MAKELONG(TXTCVT_VERSION_MINOR, TXTCVT_VERSION_MAJOR);
    const DWORD low = MAKELONG(0, TXTCVT_VERSION_PATCH);
    EXPECT_EQ(fixed->dwFileVersionMS, high);
    EXPECT_EQ(fixed->dwFileVersionLS, low);
    EXPECT_EQ(fixed->dwProductVersionMS, high);
    EXPECT_EQ(fixed->dwProductVersionLS, low);
    EXPECT_EQ(versionString(info, L"FileVersion"), widen(TXTCVT_VERSION_QUAD));
    EXPECT_EQ(versionString(info, L"ProductVersion"), widen(TXTCVT_VERSION_TEXT));

    const ProgramResources resources;
    ASSERT_TRUE(resources.loaded());
    const std::string manifest = resources.bytes(RT_MANIFEST, MAKEINTRESOURCEW(1), kEnglish);
    EXPECT_NE(manifest.find("name=\"txtcvt\" version=\"" TXTCVT_VERSION_QUAD "\""),
              std::string::npos)
        << manifest;

    const std::wstring suffix = L" [tessora V" + widen(TXTCVT_VERSION_TEXT) + L"]";
    for (const WORD language : {kEnglish, kJapanese}) {
        const std::wstring title = resources.string(IDS_MAIN_TITLE, language);
        ASSERT_GT(title.size(), suffix.size()) << language;
        EXPECT_EQ(title.substr(title.size() - suffix.size()), suffix) << language;
    }
}

}  // namespace
