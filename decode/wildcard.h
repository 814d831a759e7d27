// '*' (any run of characters) and '?' (one character) against a name. Iterative with one
// back-track point, so even long runs of stars stay linear in practice.
#pragma once

#include <string_view>

namespace decode {

// `ignoreAsciiCase`: A-Z match a-z, as file names do on Windows; DBC names keep their case.
bool matchesWildcard(std::string_view pattern, std::string_view name, bool ignoreAsciiCase);

}  // namespace decode
