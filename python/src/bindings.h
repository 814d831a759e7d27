// The parts of the extension module `txtcvt._core`, each registering its functions. The Python
// package (python/txtcvt) wraps them into the public API; nothing here is meant to be called
// directly by users.
#pragma once

#include <pybind11/pybind11.h>

namespace txtcvt_python {

void bindDatabase(pybind11::module_& module);
void bindReaders(pybind11::module_& module);
void bindConvert(pybind11::module_& module);

}  // namespace txtcvt_python
