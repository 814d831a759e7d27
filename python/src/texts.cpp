#include "python/src/texts.h"

namespace py = pybind11;

namespace txtcvt_python {

py::str dbcText(std::string_view bytes, const std::string& encoding) {
    const auto size = static_cast<Py_ssize_t>(bytes.size());
    PyObject* text = nullptr;
    if (encoding.empty()) {
        text = PyUnicode_DecodeUTF8(bytes.data(), size, nullptr);
        if (text == nullptr) {
            PyErr_Clear();
            text = PyUnicode_Decode(bytes.data(), size, "cp1252", "replace");
        }
    } else {
        text = PyUnicode_Decode(bytes.data(), size, encoding.c_str(), "replace");
    }
    if (text == nullptr) throw py::error_already_set();
    return py::reinterpret_steal<py::str>(text);
}

py::list dbcTexts(const std::vector<std::string_view>& texts, const std::string& encoding) {
    py::list list(texts.size());
    for (size_t i = 0; i < texts.size(); ++i) list[i] = dbcText(texts[i], encoding);
    return list;
}

py::str messageText(std::string_view utf8) {
    PyObject* text =
        PyUnicode_DecodeUTF8(utf8.data(), static_cast<Py_ssize_t>(utf8.size()), "replace");
    if (text == nullptr) throw py::error_already_set();
    return py::reinterpret_steal<py::str>(text);
}

std::filesystem::path pathOf(const py::bytes& encoded) {
    return std::filesystem::path(static_cast<std::string>(encoded));
}

}  // namespace txtcvt_python
