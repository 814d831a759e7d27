// Copies of the few bytes that most output columns hold. Copies of fixed sizes are inlined by
// the compiler, which for such lengths is much cheaper than a call to memcpy.
#pragma once

#include <cstddef>
#include <cstring>

namespace output {

[[gnu::always_inline]] inline void copySmall(char* out, const char* in, size_t count) {
    if (count >= 8 && count <= 16) {
        std::memcpy(out, in, 8);
        std::memcpy(out + count - 8, in + count - 8, 8);
    } else if (count >= 4 && count < 8) {
        std::memcpy(out, in, 4);
        std::memcpy(out + count - 4, in + count - 4, 4);
    } else if (count < 4) {
        for (size_t i = 0; i < count; ++i) out[i] = in[i];
    } else {
        std::memcpy(out, in, count);
    }
}

}  // namespace output
