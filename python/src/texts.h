// Texts for Python: DBC texts are bytes as the file holds them, paths and messages are UTF-8.
#pragma once

#include <pybind11/pybind11.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace txtcvt_python {

// A DBC text as str: decoded with `encoding` (undecodable bytes replaced), or with an empty
// encoding as UTF-8 where it is valid UTF-8 and as Windows-1252 otherwise (the code page DBC
// editors on Windows write).
pybind11::str dbcText(std::string_view bytes, const std::string& encoding);
pybind11::list dbcTexts(const std::vector<std::string_view>& texts, const std::string& encoding);

// A message of the program's own as str; bytes of a path that are not UTF-8 are replaced.
pybind11::str messageText(std::string_view utf8);

// A path from the bytes Python's os.fsencode gives.
std::filesystem::path pathOf(const pybind11::bytes& encoded);

}  // namespace txtcvt_python
