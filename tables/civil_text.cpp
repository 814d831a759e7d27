#include "tables/civil_text.h"

#include <cstdint>

#include "tables/text_format.h"

namespace tables {

void appendCivilDate(std::string& out, const platform::CivilTime& civil, char separator) {
    appendDecimal(out, static_cast<uint64_t>(civil.year), 4);
    out += separator;
    appendDecimal(out, static_cast<uint64_t>(civil.month), 2);
    out += separator;
    appendDecimal(out, static_cast<uint64_t>(civil.day), 2);
}

void appendCivilClock(std::string& out, const platform::CivilTime& civil) {
    appendDecimal(out, static_cast<uint64_t>(civil.hour), 2);
    out += ':';
    appendDecimal(out, static_cast<uint64_t>(civil.minute), 2);
    out += ':';
    appendDecimal(out, static_cast<uint64_t>(civil.second), 2);
}

}  // namespace tables
