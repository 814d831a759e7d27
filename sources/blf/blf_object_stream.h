// The objects of a log read as one stream of bytes handed on in pieces: the contents of its
// containers, one after another (an object may begin in one container and end in the next),
// and objects that stand outside any container. Frame objects become frames numbered by their
// place in the stream (from 1); other objects are passed over and counted by type; bytes
// between objects are padding (up to 7 bytes of anything, or zeros of any length) or damage,
// counted as one unreadable object per stretch. Memory is one object's bytes at most.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "can/frame.h"
#include "sources/blf/blf_objects.h"
#include "sources/frame_source.h"

namespace sources::blf {

// Bytes where an object should start and none does.
class StrayBytes {
public:
    static constexpr uint64_t kMaxPadding = 7;
    void add(const uint8_t* bytes, size_t count);
    // The stretch is over: true when it was damage not counted yet.
    bool endIsDamage();
    // The stretch follows a header already counted as unreadable.
    void markCounted() { counted_ = true; }

private:
    uint64_t length_ = 0;
    bool nonZero_ = false;
    bool counted_ = false;
};

// Where the first object signature ("LOBJ") lies in `bytes`, or the start of one cut off by the
// end of `bytes` ("LO"); bytes.size() when neither.
size_t findSignature(std::span<const uint8_t> bytes);

class ObjectStream {
    static constexpr size_t kCarryCapacity = 2 * size_t{kMaxFrameObjectSize};

public:
    // Where the stream stands between two pieces, every piece before used: what the walk of the
    // pieces after needs of the walk of those before (a file read in parts by several workers).
    struct State {
        std::array<uint8_t, kCarryCapacity> carry{};
        size_t carrySize = 0;
        uint64_t skipLeft = 0;
        uint64_t objects = 0;
        StrayBytes stray;
    };

    explicit ObjectStream(SourceCounts& counts);

    // The state once the last piece is used; the objects passed over are tallied first.
    State state();
    // Goes on from a state another stream left, before the first piece is fed.
    void resume(const State& state);

    // The next piece of the stream; its bytes must stay until pieceUsed().
    void feed(std::span<const uint8_t> piece);
    bool pieceUsed() const { return piecePos_ == piece_.size(); }
    // Frames of the piece's objects into `frames`: how many. Stops when `frames` is full or the
    // piece is used (the start of an object cut by the piece's end is kept for the next piece).
    size_t decode(std::span<can::Frame> frames);
    // The stream is over: an object it ends in is cut short.
    void finish();

    // Damage outside the stream's pieces (between containers), counted as an unreadable object.
    void countUnreadable() { counts_.unreadableAt(++objects_); }
    // Adds the objects passed over since the last call to the counts by their type's name.
    void tallySkipped();
    uint64_t objects() const { return objects_; }

private:
    // Objects of `size` bytes at `bytes`: how many bytes were used. Stops when the frames are
    // full or at an object (or a header, or a signature) the bytes end in.
    size_t walk(const uint8_t* bytes, size_t size);
    // Frames the carry and the piece complete.
    void decodeCarry();
    void endStray();
    // Counts the object and passes over its bytes.
    void passOver(const ObjectHeader& header);
    void tally(uint32_t type);

    SourceCounts& counts_;
    std::span<const uint8_t> piece_;
    size_t piecePos_ = 0;
    std::array<uint8_t, kCarryCapacity> carry_{};
    size_t carrySize_ = 0;
    uint64_t skipLeft_ = 0;  // bytes of an object passed over still to come
    uint64_t objects_ = 0;
    StrayBytes stray_;
    std::array<uint64_t, 256> skippedByType_{};
    bool untallied_ = false;  // skippedByType_ holds counts not added yet
    can::Frame* out_ = nullptr;
    can::Frame* outEnd_ = nullptr;
};

}  // namespace sources::blf
