// A shared library loaded while the program runs, for a part that few runs need: the loading
// (and that of the libraries it brings) is then not paid at every start. A library once loaded
// stays so until the process ends.
#pragma once

namespace platform {

// The library of the file `name`, looked for where the system looks for libraries; nullptr
// when it cannot be loaded.
void* loadLibrary(const char* name);
// The address of the function `symbol` in a loaded library, or nullptr.
void* librarySymbol(void* library, const char* symbol);

}  // namespace platform
