// Vectors filled in C++ handed to numpy without a copy: the array keeps the vector alive.
#pragma once

#include <pybind11/numpy.h>

#include <utility>
#include <vector>

namespace txtcvt_python {

template <class T>
pybind11::array_t<T> toArray(std::vector<T>&& values) {
    auto* owner = new std::vector<T>(std::move(values));
    pybind11::capsule release(owner, [](void* p) { delete static_cast<std::vector<T>*>(p); });
    return pybind11::array_t<T>(static_cast<pybind11::ssize_t>(owner->size()), owner->data(),
                                release);
}

// Bytes of 0 and 1 as a numpy bool array.
inline pybind11::array toBoolArray(std::vector<uint8_t>&& values) {
    auto* owner = new std::vector<uint8_t>(std::move(values));
    pybind11::capsule release(owner, [](void* p) { delete static_cast<std::vector<uint8_t>*>(p); });
    return pybind11::array(pybind11::dtype::of<bool>(),
                           {static_cast<pybind11::ssize_t>(owner->size())}, {1}, owner->data(),
                           release);
}

// Rows of `columns` values each, one row after the other, as a 2-D array.
inline pybind11::array_t<double> toMatrix(std::vector<double>&& values, size_t rows,
                                          size_t columns) {
    auto* owner = new std::vector<double>(std::move(values));
    pybind11::capsule release(owner, [](void* p) { delete static_cast<std::vector<double>*>(p); });
    const auto r = static_cast<pybind11::ssize_t>(rows);
    const auto c = static_cast<pybind11::ssize_t>(columns);
    const auto rowBytes = static_cast<pybind11::ssize_t>(columns * sizeof(double));
    return pybind11::array_t<double>({r, c}, {rowBytes, pybind11::ssize_t{sizeof(double)}},
                                     owner->data(), release);
}

}  // namespace txtcvt_python
