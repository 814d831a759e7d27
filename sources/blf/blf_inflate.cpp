#include "sources/blf/blf_inflate.h"

#include <climits>

#ifdef TXTCVT_HAVE_LIBDEFLATE
#include <libdeflate.h>
#endif
#ifdef TXTCVT_HAVE_ZLIB
#include <zlib.h>
#endif

namespace sources::blf {

struct Inflater::State {
#ifdef TXTCVT_HAVE_LIBDEFLATE
    libdeflate_decompressor* decompressor = nullptr;
#endif
#ifdef TXTCVT_HAVE_ZLIB
    z_stream stream{};
    bool streamReady = false;
#endif
    ~State() {
#ifdef TXTCVT_HAVE_LIBDEFLATE
        if (decompressor != nullptr) libdeflate_free_decompressor(decompressor);
#endif
#ifdef TXTCVT_HAVE_ZLIB
        if (streamReady) inflateEnd(&stream);
#endif
    }
};

namespace {

// An empty output still needs a place to point at.
[[maybe_unused]] uint8_t noRoom;

#ifdef TXTCVT_HAVE_LIBDEFLATE
InflateResult inflateWithLibdeflate(libdeflate_decompressor*& decompressor,
                                    std::span<const uint8_t> in, std::span<uint8_t> out,
                                    size_t& produced) {
    if (decompressor == nullptr) decompressor = libdeflate_alloc_decompressor();
    if (decompressor == nullptr) return InflateResult::kOutOfMemory;
    uint8_t* room = out.empty() ? &noRoom : out.data();
    const libdeflate_result result =
        libdeflate_zlib_decompress(decompressor, in.data(), in.size(), room, out.size(), &produced);
    if (result == LIBDEFLATE_SUCCESS) return InflateResult::kDone;
    produced = 0;
    return result == LIBDEFLATE_INSUFFICIENT_SPACE ? InflateResult::kTooLarge
                                                   : InflateResult::kDamaged;
}
#endif

#ifdef TXTCVT_HAVE_ZLIB
InflateResult inflateWithZlib(z_stream& stream, bool& ready, std::span<const uint8_t> in,
                              std::span<uint8_t> out, size_t& produced) {
    produced = 0;
    if (in.size() > UINT_MAX || out.size() > UINT_MAX) return InflateResult::kTooLarge;
    if (!ready) {
        const int started = inflateInit(&stream);
        if (started != Z_OK) {
            return started == Z_MEM_ERROR ? InflateResult::kOutOfMemory : InflateResult::kDamaged;
        }
        ready = true;
    } else if (inflateReset(&stream) != Z_OK) {
        return InflateResult::kDamaged;
    }
    stream.next_in = const_cast<Bytef*>(in.data());
    stream.avail_in = static_cast<uInt>(in.size());
    stream.next_out = out.empty() ? &noRoom : out.data();
    stream.avail_out = static_cast<uInt>(out.size());
    const int result = ::inflate(&stream, Z_FINISH);
    if (result == Z_STREAM_END) {
        produced = out.size() - stream.avail_out;
        return InflateResult::kDone;
    }
    if (result == Z_MEM_ERROR) return InflateResult::kOutOfMemory;
    if (result != Z_BUF_ERROR || stream.avail_in == 0) return InflateResult::kDamaged;
    // The room is full and input is left: one byte more tells a stream holding more from one
    // that is damaged right there (as libdeflate tells them).
    uint8_t probe = 0;
    stream.next_out = &probe;
    stream.avail_out = 1;
    const int more = ::inflate(&stream, Z_FINISH);
    if (more == Z_STREAM_END && stream.avail_out == 1) {
        produced = out.size();
        return InflateResult::kDone;
    }
    return more == Z_DATA_ERROR || stream.avail_out == 1 ? InflateResult::kDamaged
                                                         : InflateResult::kTooLarge;
}
#endif

InflateEngine resolved(InflateEngine engine) {
    if (engine != InflateEngine::kBest) return engine;
#ifdef TXTCVT_HAVE_LIBDEFLATE
    return InflateEngine::kLibdeflate;
#else
    return InflateEngine::kZlib;
#endif
}

}  // namespace

Inflater::Inflater(InflateEngine engine)
    : engine_(resolved(engine)), state_(std::make_unique<State>()) {}

Inflater::~Inflater() = default;

bool Inflater::available(InflateEngine engine) {
    [[maybe_unused]] const InflateEngine chosen = resolved(engine);
#ifdef TXTCVT_HAVE_LIBDEFLATE
    if (chosen == InflateEngine::kLibdeflate) return true;
#endif
#ifdef TXTCVT_HAVE_ZLIB
    if (chosen == InflateEngine::kZlib) return true;
#endif
    return false;
}

InflateResult Inflater::inflate(std::span<const uint8_t> in,
                                [[maybe_unused]] std::span<uint8_t> out, size_t& produced) {
    produced = 0;
    if (in.empty()) return InflateResult::kDamaged;
    switch (engine_) {
#ifdef TXTCVT_HAVE_LIBDEFLATE
        case InflateEngine::kLibdeflate: {
            const InflateResult result =
                inflateWithLibdeflate(state_->decompressor, in, out, produced);
#ifdef TXTCVT_HAVE_ZLIB
            // libdeflate reads on past a cut stream as if zeros followed, and may call it too
            // large where zlib calls it damaged: zlib's word, as on Windows, for every refusal.
            if (result != InflateResult::kDone) {
                return inflateWithZlib(state_->stream, state_->streamReady, in, out, produced);
            }
#endif
            return result;
        }
#endif
#ifdef TXTCVT_HAVE_ZLIB
        case InflateEngine::kZlib:
            return inflateWithZlib(state_->stream, state_->streamReady, in, out, produced);
#endif
        default:
            return InflateResult::kUnavailable;
    }
}

}  // namespace sources::blf
