#include "platform/status.h"

namespace platform {

std::string Place::text() const {
    const char* word = nullptr;
    switch (kind) {
        case Kind::kLine:
            word = "line ";
            break;
        case Kind::kByte:
            word = "byte ";
            break;
        case Kind::kObject:
            word = "object ";
            break;
        case Kind::kRecord:
            word = "record ";
            break;
        case Kind::kNone:
            return {};
    }
    return word + std::to_string(number);
}

std::string Status::description() const {
    std::string text = place_.text();
    if (!text.empty() && !detail_.empty()) text += ": ";
    return text + detail_;
}

}  // namespace platform
