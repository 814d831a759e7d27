#include "sources/blf/blf_source.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string>

#include "monitor/byte_order.h"
#include "sources/blf/blf_file_header.h"

namespace sources {

using blf::ObjectHeader;
using monitor::readLe16;
using monitor::readLe32;

namespace {

using blf::kContainerFieldsSize;
using blf::kMaxDeflateRatio;
constexpr uint16_t kStored = blf::kStoredMethod;
constexpr uint16_t kZlib = blf::kZlibMethod;
constexpr size_t kCompressedStep = 1 << 20;
constexpr size_t kSignatureSize = 4;

std::string containerName(uint64_t number) { return "container " + std::to_string(number); }

}  // namespace

BlfSource::BlfSource(std::unique_ptr<ByteInput> input, blf::InflateEngine engine)
    : input_(std::move(input)),
      block_(*input_),
      inflater_(engine),
      ahead_(engine),
      stream_(counts_) {}

platform::Status BlfSource::open() {
    if (!block_.allocated()) return status_ = platform::Status::failure(platform::kOutOfMemory);
    block_.fill(blf::kFileHeaderFields);
    if (!input_->status().ok()) return status_ = input_->status();
    blf::FileHeader header;
    status_ = blf::readFileHeader({block_.data(), block_.available()}, header);
    if (!status_.ok()) return status_;
    origin_ = header.origin;
    if (block_.skip(header.headerSize) < header.headerSize) {
        if (!input_->status().ok()) return status_ = input_->status();
        return status_ = platform::Status::failure(
                   platform::kInvalidData,
                   "the file ends inside its " + std::to_string(header.headerSize) + "-byte header",
                   platform::Place::byte(block_.offset()));
    }
    objectsStart_ = header.headerSize;
    opened_ = true;
    return status_;
}

void BlfSource::openPart(const TimeOrigin& origin, uint64_t from, const PartState& state,
                         bool last) {
    if (!block_.allocated()) {
        status_ = platform::Status::failure(platform::kOutOfMemory);
        return;
    }
    block_.startAt(from);
    origin_ = origin;
    containers_ = state.containers;
    stream_.resume(state.stream);
    lastPart_ = last;
    opened_ = true;
}

BlfSource::PartState BlfSource::partState() {
    PartState state;
    state.containers = containers_;
    state.stream = stream_.state();
    return state;
}

size_t BlfSource::read(std::span<can::Frame> frames) {
    size_t count = 0;
    while (opened_ && !ended_ && count < frames.size()) {
        count += stream_.decode(frames.subspan(count));
        if (count < frames.size() && !nextPiece()) {
            ended_ = true;
            if (status_.ok() && lastPart_) stream_.finish();
        }
    }
    stream_.tallySkipped();
    counts_.records = stream_.objects();
    return count;
}

bool BlfSource::nextPiece() {
    for (;;) {
        if (passLeft_ != 0) return passOn();
        block_.fill(blf::kBaseHeaderSize);
        const uint8_t* bytes = block_.data();
        const size_t have = block_.available();
        if (have < kSignatureSize) return finishFile();
        if (readLe32(bytes) != blf::kObjectSignature) {
            const size_t at = 1 + blf::findSignature({bytes + 1, have - 1});
            stray_.add(bytes, at);
            block_.consume(at);
            continue;
        }
        if (have < blf::kBaseHeaderSize) return finishFile();  // inside an object header
        if (stray_.endIsDamage()) stream_.countUnreadable();
        const Step step = beginObject(blf::readObjectHeader(bytes));
        if (step != Step::kNone) return step == Step::kPiece;
    }
}

BlfSource::Step BlfSource::beginObject(const ObjectHeader& header) {
    const bool container = header.type == blf::kLogContainer;
    if (!blf::plausible(header) ||
        (container && header.objectSize < header.headerSize + kContainerFieldsSize)) {
        // No object after all: its bytes are damage, up to the next signature.
        stream_.countUnreadable();
        stray_.markCounted();
        block_.consume(kSignatureSize);
        return Step::kNone;
    }
    if (container) return beginContainer(header);
    // An object outside any container: the stream reads it as it reads those inside.
    passLeft_ = header.objectSize;
    passAt_ = block_.offset();
    passingContainer_ = false;
    return Step::kNone;
}

BlfSource::Step BlfSource::beginContainer(const ObjectHeader& header) {
    ++containers_;
    const uint64_t at = block_.offset();
    const size_t fieldsEnd = header.headerSize + kContainerFieldsSize;
    if (!block_.fill(fieldsEnd)) {
        cut(at, containerName(containers_) + " runs past the end of the file");
        block_.consume(block_.available());
        finishFile();
        return Step::kEnd;
    }
    const uint8_t* fields = block_.data() + header.headerSize;
    const uint16_t method = readLe16(fields);
    const uint32_t claimed = readLe32(fields + 8);
    const auto payloadSize = static_cast<uint32_t>(header.objectSize - fieldsEnd);
    block_.consume(fieldsEnd);
    if (method == kStored) {
        passLeft_ = payloadSize;
        passAt_ = at;
        passingContainer_ = true;
        return Step::kNone;
    }
    if (method != kZlib) {
        fail(platform::kInvalidData,
             containerName(containers_) + " is compressed by method " + std::to_string(method) +
                 ", which is unknown",
             at);
        return Step::kEnd;
    }
    return inflateContainer(at, payloadSize, claimed);
}

BlfSource::Step BlfSource::inflateContainer(uint64_t at, uint32_t payloadSize, uint32_t claimed) {
    const std::string name = containerName(containers_);
    if (claimed > kMaxContainerSize || claimed > payloadSize * kMaxDeflateRatio) {
        fail(platform::kInvalidData,
             name + " claims " + std::to_string(claimed) + " bytes, more than " +
                 (claimed > kMaxContainerSize ? "the 16 MiB a container may hold"
                                              : "its compressed bytes can hold"),
             at);
        return Step::kEnd;
    }
    const uint8_t* payload = gatherPayload(payloadSize);
    if (payload == nullptr) {
        if (status_.ok()) {
            cut(at, name + " runs past the end of the file");
            finishFile();
        }
        return Step::kEnd;
    }
    blf::InflateResult result = blf::InflateResult::kDone;
    std::span<const uint8_t> inflated;
    if (preInflated_ != nullptr && preInflated_->find(at, result, inflated)) {
        if (payload == block_.data()) block_.consume(payloadSize);
    } else if (!ahead_.take(at, result, inflated)) {
        // The containers behind are started first, to be inflated while this one is.
        const bool inBlock = payload == block_.data();
        if (inBlock) {
            inflateAhead(block_.offset() + payloadSize);
            payload = block_.data();  // the fill may have moved the bytes
        }
        if (!ensureRoom(inflated_, inflatedCapacity_, claimed, 0)) return Step::kEnd;
        size_t produced = 0;
        result = inflater_.inflate({payload, payloadSize}, {inflated_.get(), claimed}, produced);
        inflated = {inflated_.get(), produced};
        if (inBlock) block_.consume(payloadSize);
    } else if (payload == block_.data()) {
        block_.consume(payloadSize);
    }
    if (result != blf::InflateResult::kDone) {
        failInflating(result, name, claimed, at);
        return Step::kEnd;
    }
    inflateAhead(block_.offset());
    if (inflated.empty()) return Step::kNone;
    stream_.feed(inflated);
    return Step::kPiece;
}

void BlfSource::inflateAhead(uint64_t from) {
    // Only the plain case: compressed containers one right behind the other (after the zero
    // bytes that pad the one before), their sizes within bounds and their bytes in the block;
    // anything else is left to nextPiece() when it gets there.
    constexpr size_t kPadding = blf::kContainerPadding;
    if (preInflated_ != nullptr) return;  // inflated before the reading
    from = std::max(from, aheadEnd_);     // the containers up to there are started already
    while (ahead_.hasRoom()) {
        const uint64_t offset = from - block_.offset();
        if (offset > blf::BlockBuffer::kBlockSize - kPadding - blf::kBaseHeaderSize) return;
        const auto skipped = static_cast<size_t>(offset);
        if (!block_.fill(skipped + kPadding + blf::kBaseHeaderSize)) return;
        size_t skip = skipped;
        while (skip < skipped + kPadding && block_.data()[skip] == 0) ++skip;
        const ObjectHeader header = blf::readObjectHeader(block_.data() + skip);
        const size_t fieldsEnd = size_t{header.headerSize} + kContainerFieldsSize;
        if (readLe32(block_.data() + skip) != blf::kObjectSignature ||
            header.type != blf::kLogContainer || !blf::plausible(header) ||
            header.objectSize < fieldsEnd ||
            header.objectSize > blf::BlockBuffer::kBlockSize - skip ||
            !block_.fill(skip + header.objectSize)) {
            return;
        }
        const uint8_t* bytes = block_.data() + skip;  // the fill may have moved the bytes
        const uint8_t* fields = bytes + header.headerSize;
        const uint32_t claimed = readLe32(fields + 8);
        const auto payloadSize = static_cast<uint32_t>(header.objectSize - fieldsEnd);
        if (readLe16(fields) != kZlib || claimed > payloadSize * kMaxDeflateRatio ||
            !ahead_.start(block_.offset() + skip, {bytes + fieldsEnd, payloadSize}, claimed)) {
            return;
        }
        from = aheadEnd_ = block_.offset() + skip + header.objectSize;
    }
}

const uint8_t* BlfSource::gatherPayload(uint32_t size) {
    // Most containers lie whole in the block: inflated in place, without a copy.
    if (size <= blf::BlockBuffer::kBlockSize) {
        if (block_.fill(size)) return block_.data();
        block_.consume(block_.available());
        return nullptr;
    }
    for (size_t have = 0; have < size;) {
        const size_t step = std::min<size_t>(size - have, kCompressedStep);
        if (!ensureRoom(compressed_, compressedCapacity_, have + step, have)) return nullptr;
        const size_t got = block_.take(compressed_.get() + have, step);
        have += got;
        if (got < step) return nullptr;
    }
    return compressed_.get();
}

void BlfSource::failInflating(blf::InflateResult result, const std::string& name, uint32_t claimed,
                              uint64_t at) {
    switch (result) {
        case blf::InflateResult::kTooLarge:
            fail(
                platform::kInvalidData,
                name + " inflates to more than the " + std::to_string(claimed) + " bytes it claims",
                at);
            break;
        case blf::InflateResult::kOutOfMemory:
            fail(platform::kOutOfMemory, name + " cannot be inflated", at);
            break;
        case blf::InflateResult::kUnavailable:
            fail(platform::kNotSupported,
                 name + " is compressed, and this build reads no compressed containers", at);
            break;
        default:
            fail(platform::kInvalidData, name + " holds damaged compressed data", at);
            break;
    }
}

bool BlfSource::passOn() {
    if (!block_.fill(1)) {
        cut(passAt_, (passingContainer_ ? containerName(containers_) : std::string("an object")) +
                         " runs past the end of the file");
        passLeft_ = 0;
        return finishFile();
    }
    const size_t step = static_cast<size_t>(std::min<uint64_t>(passLeft_, block_.available()));
    stream_.feed({block_.data(), step});
    block_.consume(step);
    passLeft_ -= step;
    return true;
}

bool BlfSource::finishFile() {
    if (!input_->status().ok()) {
        status_ = input_->status();
        return false;
    }
    // Bytes behind the last object: padding or damage, maybe the start of an object's header.
    const size_t at = blf::findSignature({block_.data(), block_.available()});
    stray_.add(block_.data(), at);
    if (stray_.endIsDamage()) stream_.countUnreadable();
    if (at < block_.available()) cut(block_.offset() + at, "the file ends inside an object header");
    block_.consume(block_.available());
    if (input_->cutShort()) cut(block_.offset(), "the compressed file ends early");
    return false;
}

bool BlfSource::fail(int32_t code, std::string detail, uint64_t at) {
    status_ = platform::Status::failure(code, std::move(detail), platform::Place::byte(at));
    return false;
}

void BlfSource::cut(uint64_t at, const std::string& what) {
    // A read that failed is a failure, not a file cut short.
    if (!input_->status().ok() || counts_.cutShort) return;
    counts_.cutShort = true;
    counts_.cutShortWhere = platform::Place::byte(at).text() + ": " + what;
}

bool BlfSource::ensureRoom(std::unique_ptr<uint8_t[]>& buffer, size_t& capacity, size_t size,
                           size_t keep) {
    if (size <= capacity) return true;
    const size_t grown = std::max(size, std::min<size_t>(2 * capacity, kMaxContainerSize));
    std::unique_ptr<uint8_t[]> larger(new (std::nothrow) uint8_t[grown]);
    if (larger == nullptr) {
        return fail(platform::kOutOfMemory,
                    "no memory for a container of " + std::to_string(size) + " bytes",
                    block_.offset());
    }
    if (keep != 0) std::memcpy(larger.get(), buffer.get(), keep);
    buffer = std::move(larger);
    capacity = grown;
    return true;
}

}  // namespace sources
