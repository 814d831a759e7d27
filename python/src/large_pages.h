// The columns of a large capture asked to be backed by huge pages where the system offers them
// on request (Linux's transparent huge pages in "madvise" mode, Debian's default): each fresh
// 4 KiB page costs a fault, and a column of millions of rows touches many. numpy asks the same
// for its own large arrays.
#pragma once

#include <cstddef>
#include <vector>

#include "columns/signal_columns.h"

namespace txtcvt_python {

// Advises the whole pages inside [data, data + bytes); nothing below a few MiB.
void adviseLargePages(const void* data, size_t bytes);

template <class T>
void adviseLargePages(const std::vector<T>& column) {
    adviseLargePages(column.data(), column.capacity() * sizeof(T));
}

// Every column of a sink's table, once room for the capture's rows is made.
void adviseLargePages(const columns::LongColumns& columns);
void adviseLargePages(const columns::WideValues& values);

}  // namespace txtcvt_python
