#include "decode/wildcard.h"

namespace decode {

namespace {

char folded(char c, bool ignoreAsciiCase) {
    return ignoreAsciiCase && c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool matchesWildcard(std::string_view pattern, std::string_view name, bool ignoreAsciiCase) {
    size_t p = 0, n = 0;
    size_t starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' ||
                    folded(pattern[p], ignoreAsciiCase) == folded(name[n], ignoreAsciiCase))) {
            ++p;
            ++n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

}  // namespace decode
