#include "run/file_outcome.h"

#include "platform/platform.h"

namespace run {

const char* failureMessage(int32_t code) {
    if (code == platform::kOk || code == platform::kCancelled) return nullptr;
    if (code == platform::kInvalidData || code == platform::kNotSupported) {
        return "The specified data file is unsupported or corrupt.";
    }
    return "Cannot convert.";
}

}  // namespace run
