#include "sources/blf/blf_object_stream.h"

#include <algorithm>
#include <cstring>

#include "monitor/byte_order.h"

namespace sources::blf {

using monitor::readLe32;

namespace {

constexpr size_t kSignatureSize = 4;

void markCut(SourceCounts& counts, std::string where) {
    if (counts.cutShort) return;
    counts.cutShort = true;
    counts.cutShortWhere = std::move(where);
}

}  // namespace

void StrayBytes::add(const uint8_t* bytes, size_t count) {
    length_ += count;
    for (size_t i = 0; i < count && !nonZero_; ++i) nonZero_ = bytes[i] != 0;
}

bool StrayBytes::endIsDamage() {
    const bool damage = !counted_ && length_ > kMaxPadding && nonZero_;
    *this = StrayBytes{};
    return damage;
}

size_t findSignature(std::span<const uint8_t> bytes) {
    static constexpr uint8_t kSignature[kSignatureSize] = {'L', 'O', 'B', 'J'};
    for (size_t at = 0; at < bytes.size(); ++at) {
        const void* found = std::memchr(bytes.data() + at, 'L', bytes.size() - at);
        if (found == nullptr) break;
        at = static_cast<size_t>(static_cast<const uint8_t*>(found) - bytes.data());
        const size_t compared = std::min(kSignatureSize, bytes.size() - at);
        if (std::memcmp(bytes.data() + at, kSignature, compared) == 0) return at;
    }
    return bytes.size();
}

ObjectStream::ObjectStream(SourceCounts& counts) : counts_(counts) {}

void ObjectStream::feed(std::span<const uint8_t> piece) {
    piece_ = piece;
    piecePos_ = 0;
}

ObjectStream::State ObjectStream::state() {
    tallySkipped();
    State state;
    state.carry = carry_;
    state.carrySize = carrySize_;
    state.skipLeft = skipLeft_;
    state.objects = objects_;
    state.stray = stray_;
    return state;
}

void ObjectStream::resume(const State& state) {
    carry_ = state.carry;
    carrySize_ = std::min(state.carrySize, kCarryCapacity);
    skipLeft_ = state.skipLeft;
    objects_ = state.objects;
    stray_ = state.stray;
}

void ObjectStream::endStray() {
    if (stray_.endIsDamage()) counts_.unreadableAt(++objects_);
}

void ObjectStream::passOver(const ObjectHeader& header) {
    ++objects_;
    skipLeft_ = header.objectSize;
}

void ObjectStream::tally(uint32_t type) {
    if (type < skippedByType_.size()) {
        ++skippedByType_[type];
        untallied_ = true;
    } else {
        counts_.skip("object type " + std::to_string(type));
    }
}

size_t ObjectStream::walk(const uint8_t* bytes, size_t size) {
    size_t pos = 0;
    while (out_ < outEnd_) {
        if (skipLeft_ != 0) {
            const size_t step = static_cast<size_t>(std::min<uint64_t>(skipLeft_, size - pos));
            pos += step;
            skipLeft_ -= step;
            if (skipLeft_ != 0) return pos;
        }
        if (size - pos < kSignatureSize) return pos;
        if (readLe32(bytes + pos) != kObjectSignature) {
            const size_t at = pos + 1 + findSignature({bytes + pos + 1, size - pos - 1});
            stray_.add(bytes + pos, at - pos);
            pos = at;
            continue;
        }
        if (size - pos < kBaseHeaderSize) return pos;
        const ObjectHeader header = readObjectHeader(bytes + pos);
        endStray();
        if (!plausible(header)) {
            // Not an object after all: its bytes are damage, up to the next signature.
            counts_.unreadableAt(++objects_);
            stray_.markCounted();
            pos += kSignatureSize;
            continue;
        }
        if (!isFrameObject(header.type)) {
            tally(header.type);
            passOver(header);
            continue;
        }
        if (header.objectSize > kMaxFrameObjectSize) {
            passOver(header);
            counts_.unreadableAt(objects_);
            continue;
        }
        if (size - pos < header.objectSize) return pos;
        ++objects_;
        const bool message = header.type == kCanMessage || header.type == kCanMessage2;
        if (message ? decodeCanMessageObject(bytes + pos, header, *out_)
                    : decodeFrameObject(bytes + pos, header, *out_)) {
            out_->place = objects_;
            ++out_;
        } else {
            counts_.unreadableAt(objects_);
        }
        pos += header.objectSize;
    }
    return pos;
}

void ObjectStream::decodeCarry() {
    while (carrySize_ != 0 && out_ < outEnd_) {
        const size_t carried = carrySize_;
        const size_t take = std::min(piece_.size() - piecePos_, kCarryCapacity - carrySize_);
        // A stream resumed with a carry may be asked for frames before its first piece.
        if (take != 0) std::memcpy(carry_.data() + carrySize_, piece_.data() + piecePos_, take);
        carrySize_ += take;
        piecePos_ += take;
        const size_t used = walk(carry_.data(), carrySize_);
        if (used >= carried) {
            // The object begun in the piece before is read: the rest is read in the piece itself.
            piecePos_ -= carrySize_ - used;
            carrySize_ = 0;
            return;
        }
        std::memmove(carry_.data(), carry_.data() + used, carrySize_ - used);
        carrySize_ -= used;
        if (carrySize_ == kCarryCapacity) {
            // Cannot happen: an unfinished object needs less than half the carry.
            counts_.unreadableAt(++objects_);
            carrySize_ = 0;
        }
        if (carrySize_ != 0 && pieceUsed()) return;  // the object goes on in the next piece
    }
}

size_t ObjectStream::decode(std::span<can::Frame> frames) {
    out_ = frames.data();
    outEnd_ = frames.data() + frames.size();
    decodeCarry();
    if (carrySize_ == 0 && out_ < outEnd_ && !pieceUsed()) {
        piecePos_ += walk(piece_.data() + piecePos_, piece_.size() - piecePos_);
        if (out_ < outEnd_) {
            // The piece ends inside an object: its start waits for the next piece.
            const size_t rest = std::min(piece_.size() - piecePos_, kCarryCapacity);
            std::memcpy(carry_.data(), piece_.data() + piecePos_, rest);
            carrySize_ = rest;
            piecePos_ = piece_.size();
        }
    }
    return static_cast<size_t>(out_ - frames.data());
}

void ObjectStream::finish() {
    if (skipLeft_ != 0) {
        markCut(counts_, "object " + std::to_string(objects_) + " runs past the end of the file");
        skipLeft_ = 0;
    } else if (carrySize_ != 0) {
        // Stray bytes, then maybe the start of an object (or of its signature) cut off.
        const size_t at = findSignature({carry_.data(), carrySize_});
        stray_.add(carry_.data(), at);
        endStray();
        if (at < carrySize_) {
            markCut(counts_,
                    "object " + std::to_string(objects_ + 1) + " runs past the end of the file");
        }
        carrySize_ = 0;
    } else {
        endStray();
    }
    tallySkipped();
}

void ObjectStream::tallySkipped() {
    if (!untallied_) return;  // as after nearly every read: no look at the 256 types
    untallied_ = false;
    for (uint32_t type = 0; type < skippedByType_.size(); ++type) {
        if (skippedByType_[type] == 0) continue;
        const std::string_view name = objectTypeName(type);
        const std::string key =
            name.empty() ? "object type " + std::to_string(type) : std::string(name);
        counts_.skipped[key] += skippedByType_[type];
        skippedByType_[type] = 0;
    }
}

}  // namespace sources::blf
