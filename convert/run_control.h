// What a running conversion watches and tells besides its files: a flag that gives up the
// files in hand (Ctrl-C), and a count of the capture bytes walked, for a progress display.
#pragma once

#include <atomic>
#include <cstdint>

namespace convert {

struct RunControl {
    const std::atomic<bool>* abort = nullptr;
    std::atomic<uint64_t>* bytesWalked = nullptr;
};

}  // namespace convert
