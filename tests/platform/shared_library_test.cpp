#include "platform/shared_library.h"

#include <gtest/gtest.h>

namespace {

// A library of the system's gives functions that work; a name no library has, or a function
// the library lacks, gives none (the program then writes no workbooks, and says so).
TEST(SharedLibrary, ASystemLibrarysFunctionsAreFoundAndOthersAreNot) {
#ifdef _WIN32
    void* library = platform::loadLibrary("kernel32.dll");
    ASSERT_NE(library, nullptr);
    const auto length =
        reinterpret_cast<int (*)(const char*)>(platform::librarySymbol(library, "lstrlenA"));
    ASSERT_NE(length, nullptr);
    EXPECT_EQ(length("four"), 4);
#else
    void* library = platform::loadLibrary("libm.so.6");
    ASSERT_NE(library, nullptr);
    const auto cosine =
        reinterpret_cast<double (*)(double)>(platform::librarySymbol(library, "cos"));
    ASSERT_NE(cosine, nullptr);
    EXPECT_EQ(cosine(0.0), 1.0);
#endif
    EXPECT_EQ(platform::librarySymbol(library, "txtcvt_no_such_function"), nullptr);
    EXPECT_EQ(platform::loadLibrary("txtcvt-no-such-library.so.0"), nullptr);
}

}  // namespace
