#include "cli/rules/run_options.h"

namespace cli {

platform::Status invalidValue(std::string_view option, std::string_view value,
                              std::string_view accepted) {
    std::string words = "invalid value '" + std::string(value) + "' for --" + std::string(option);
    if (!accepted.empty()) words += " (" + std::string(accepted) + ")";
    return usageError(std::move(words));
}

// Grammar: "all" | "ch" DIGITS, any case; DIGITS 1 to 65536 without leading zeros.
//   "all" -> kAll, "CH2" -> kCh2, "ch17" -> Channels(17); "ch0", "ch01", "3" -> nothing
std::optional<settings::Channels> parseChannelChoice(std::string_view value) {
    if (sameWordIgnoringCase(value, "all")) return settings::Channels::kAll;
    if (value.size() < 3 || value.size() > 7 || !sameWordIgnoringCase(value.substr(0, 2), "ch") ||
        value[2] == '0') {
        return std::nullopt;
    }
    int32_t number = 0;
    for (const char c : value.substr(2)) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + (c - '0');
    }
    if (number > settings::kMaxChannelNumber) return std::nullopt;
    return static_cast<settings::Channels>(number);
}

}  // namespace cli
