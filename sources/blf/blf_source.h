// Vector's binary log (.blf), as CANoe, CANalyzer and python-can write it: the file header
// ("LOGG"), then objects ("LOBJ"), nearly all of them LOG_CONTAINERs whose content (stored, or
// zlib-compressed) is a stream of further objects. CAN and CAN FD frames, remote frames and
// error frames become frames; every other object is counted by its type's name. Frame::place
// is the object's number in the file (from 1; objects inside containers counted, containers
// not), Frame::channel the file's channel less one, Frame::time the object's time stamp in ns
// from the header's start time (kDated), or from the log's zero when that is no date (kElapsed).
// SourceCounts::records counts the objects read so far, containers left out.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "sources/blf/blf_block_buffer.h"
#include "sources/blf/blf_inflate.h"
#include "sources/blf/blf_inflate_ahead.h"
#include "sources/blf/blf_inflated_containers.h"
#include "sources/blf/blf_object_stream.h"
#include "sources/byte_input.h"
#include "sources/frame_source.h"

namespace sources {

class BlfSource final : public FrameSource {
public:
    // Compressed containers larger than this (compressed or inflated) are refused.
    static constexpr uint32_t kMaxContainerSize = 16u << 20;

    explicit BlfSource(std::unique_ptr<ByteInput> input,
                       blf::InflateEngine engine = blf::InflateEngine::kBest);

    // Reads the file header: kInvalidData (with the place) when the input is no .blf log.
    platform::Status open();

    // Where the file's objects begin: behind the file header (once open).
    uint64_t objectsStart() const { return objectsStart_; }

    // Where the reading of a file stands at a container boundary: what a part of the file read
    // by another worker needs of the parts before it.
    struct PartState {
        uint64_t containers = 0;  // containers before
        blf::ObjectStream::State stream;
    };
    // Reads one part of a file instead of the whole: the input holds its bytes from byte `from`
    // of the file on (a container's start), no file header; the objects go on from `state`.
    // The last part ends the file; any other ends with its last container, an object it ends
    // inside going on in the next part.
    void openPart(const TimeOrigin& origin, uint64_t from, const PartState& state, bool last);
    // Once read() has returned 0: the state the next part goes on from.
    PartState partState();
    // Containers of the part inflated already, taken instead of inflating them again (and
    // none inflated ahead); they must outlive the reading.
    void useInflated(const blf::InflatedContainers* inflated) { preInflated_ = inflated; }

    size_t read(std::span<can::Frame> frames) override;
    platform::Status status() const override { return status_; }
    uint64_t bytesRead() const override { return input_->consumed(); }
    const TimeOrigin& timeOrigin() const override { return origin_; }
    const SourceCounts& counts() const override { return counts_; }
    std::string_view formatName() const override { return "BLF log"; }

private:
    enum class Step { kPiece, kNone, kEnd };

    // Hands the object stream its next piece: false at the end of the file or on a failure.
    bool nextPiece();
    // The object at the block's start (its header read): a container or an object of its own.
    Step beginObject(const blf::ObjectHeader& header);
    Step beginContainer(const blf::ObjectHeader& header);
    Step inflateContainer(uint64_t at, uint32_t payloadSize, uint32_t claimed);
    // Starts inflating the containers from byte `from` on, while they lie whole in the block.
    void inflateAhead(uint64_t from);
    // The compressed bytes of a container, whole: in the block, or gathered past it; null when
    // the file ends first (or there is no memory for them: status() says so then).
    const uint8_t* gatherPayload(uint32_t size);
    void failInflating(blf::InflateResult result, const std::string& name, uint32_t claimed,
                       uint64_t at);
    // Hands on the next bytes of a stored container or an object outside the containers.
    bool passOn();
    // The end of the file: the bytes left in the block, a read failure, the input's own end.
    // Returns false, for the end.
    bool finishFile();
    bool fail(int32_t code, std::string detail, uint64_t at);
    void cut(uint64_t at, const std::string& what);
    // Room for `size` bytes in `buffer`, its first `keep` bytes kept.
    bool ensureRoom(std::unique_ptr<uint8_t[]>& buffer, size_t& capacity, size_t size, size_t keep);

    std::unique_ptr<ByteInput> input_;
    blf::BlockBuffer block_;
    blf::Inflater inflater_;
    blf::InflateAhead ahead_;
    SourceCounts counts_;
    blf::ObjectStream stream_;
    TimeOrigin origin_;
    platform::Status status_;
    bool opened_ = false;
    bool ended_ = false;
    uint64_t objectsStart_ = 0;
    const blf::InflatedContainers* preInflated_ = nullptr;
    bool lastPart_ = true;   // the file ends where the input does
    blf::StrayBytes stray_;  // between the objects of the file itself
    uint64_t passLeft_ = 0;  // bytes to hand on in place (a stored container, an object)
    uint64_t passAt_ = 0;    // where that container or object began
    bool passingContainer_ = false;
    uint64_t containers_ = 0;
    uint64_t aheadEnd_ = 0;  // behind the last container started ahead
    std::unique_ptr<uint8_t[]> compressed_;
    size_t compressedCapacity_ = 0;
    std::unique_ptr<uint8_t[]> inflated_;
    size_t inflatedCapacity_ = 0;
};

}  // namespace sources
