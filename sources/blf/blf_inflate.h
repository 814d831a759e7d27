// The zlib streams of compressed log containers, inflated whole: a container says how large its
// content is, so the output has a fixed room and a stream holding more (a decompression bomb)
// is refused as soon as the room is full. libdeflate does it where the build found it (Linux),
// zlib elsewhere (the Windows build); a test can ask for either one. A stream libdeflate refuses
// is tried by zlib as well, so that the reason given is the same in every build.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace sources::blf {

enum class InflateEngine { kBest, kZlib, kLibdeflate };

enum class InflateResult {
    kDone,         // the whole stream, in `produced` bytes
    kTooLarge,     // the stream holds more than the room
    kDamaged,      // not a zlib stream, a damaged one, or one cut short
    kUnavailable,  // the build has no such engine
    kOutOfMemory,
};

class Inflater {
public:
    explicit Inflater(InflateEngine engine = InflateEngine::kBest);
    ~Inflater();
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;

    static bool available(InflateEngine engine);

    // The zlib stream at the start of `in` into `out`; bytes behind the stream are ignored.
    InflateResult inflate(std::span<const uint8_t> in, std::span<uint8_t> out, size_t& produced);

private:
    struct State;
    InflateEngine engine_;
    std::unique_ptr<State> state_;
};

}  // namespace sources::blf
