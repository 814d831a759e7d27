#include "python/src/bindings.h"

PYBIND11_MODULE(_core, module) {
    module.doc() = "The C++ core of txtcvt: DBC loading, capture reading and conversion.";
    txtcvt_python::bindDatabase(module);
    txtcvt_python::bindReaders(module);
    txtcvt_python::bindConvert(module);
}
