#include "cli/rules/run_options.h"

namespace cli {

platform::Status invalidValue(std::string_view option, std::string_view value,
                              std::string_view accepted) {
    std::string words = "invalid value '" + std::string(value) + "' for --" + std::string(option);
    if (!accepted.empty()) words += " (" + std::string(accepted) + ")";
    return usageError(std::move(words));
}

}  // namespace cli
