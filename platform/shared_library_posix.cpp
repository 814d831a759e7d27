#include <dlfcn.h>

#include "platform/shared_library.h"

namespace platform {

// Its own symbols only: the program's names stay the program's.
void* loadLibrary(const char* name) { return ::dlopen(name, RTLD_NOW | RTLD_LOCAL); }

void* librarySymbol(void* library, const char* symbol) { return ::dlsym(library, symbol); }

}  // namespace platform
