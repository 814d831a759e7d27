#include "cli/option_values.h"

#include <cctype>

namespace cli {

bool sameWordIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

bool parseJobCount(std::string_view text, unsigned& jobs) {
    unsigned count = 0;
    if (!parseNumber(text, count) || count == 0 || count > 256) return false;
    jobs = count;
    return true;
}

}  // namespace cli
