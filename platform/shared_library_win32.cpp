#include <windows.h>

#include "platform/shared_library.h"

namespace platform {

void* loadLibrary(const char* name) { return ::LoadLibraryA(name); }

void* librarySymbol(void* library, const char* symbol) {
    return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(library), symbol));
}

}  // namespace platform
