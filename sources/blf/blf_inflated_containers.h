// The compressed containers of one part of a log, inflated before its objects are walked. A
// part's objects go on from where the walk of the part before left them, so the walks go one
// part after the other; the inflating, most of a zlib log's reading, needs nothing of the parts
// before and is done by each worker for its own part meanwhile.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "sources/blf/blf_inflate.h"

namespace sources::blf {

class InflatedContainers {
public:
    // At most this much inflated content is held: the reader inflates any more itself.
    static constexpr size_t kMaxBytes = size_t{24} << 20;

    // Inflates the compressed containers of `bytes` (the file's bytes from byte `from` on), one
    // after the other as the reader meets them, up to the first object that is no container
    // lying whole in `bytes` with sizes the reader takes; the reader reads the rest itself.
    // The results are the reader's own: the same inflater on the same bytes.
    void inflate(std::span<const uint8_t> bytes, uint64_t from, Inflater& inflater);
    // The result for the container starting at byte `at` of the file, when inflated here.
    bool find(uint64_t at, InflateResult& result, std::span<const uint8_t>& output) const;

private:
    struct Container {
        uint64_t at = 0;
        size_t payload = 0;  // where its compressed bytes lie in the part's bytes
        uint32_t payloadSize = 0;
        uint32_t claimed = 0;
        size_t offset = 0;  // where its content lies in output_
        size_t produced = 0;
        InflateResult result = InflateResult::kDamaged;
    };
    std::vector<Container> containers_;
    std::unique_ptr<uint8_t[]> output_;
    size_t capacity_ = 0;
};

}  // namespace sources::blf
