#include "sources/blf/blf_inflate_ahead.h"

#include <cstring>
#include <new>
#include <system_error>

namespace sources::blf {

bool InflateAhead::Buffer::reserve(size_t size) {
    if (size <= capacity) return true;
    std::unique_ptr<uint8_t[]> larger(new (std::nothrow) uint8_t[size]);
    if (larger == nullptr) return false;
    bytes = std::move(larger);
    capacity = size;
    return true;
}

InflateAhead::~InflateAhead() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable()) thread_.join();
}

bool InflateAhead::start(uint64_t at, std::span<const uint8_t> payload, uint32_t claimed) {
    if (payload.size() > kMaxSize || claimed > kMaxSize) return false;
    std::unique_lock<std::mutex> lock(mutex_);
    if (pending_) return false;
    Buffer& output = outputs_[nextOutput_];
    // An empty room still needs an address for the inflater.
    if (!payload_.reserve(payload.size()) || !output.reserve(claimed == 0 ? 1 : claimed)) {
        return false;
    }
    if (!thread_.joinable()) {
        try {
            thread_ = std::thread([this] { work(); });
        } catch (const std::system_error&) {
            return false;
        }
    }
    if (!payload.empty()) std::memcpy(payload_.bytes.get(), payload.data(), payload.size());
    at_ = at;
    payloadSize_ = payload.size();
    claimed_ = claimed;
    pending_ = true;
    done_ = false;
    lock.unlock();
    changed_.notify_all();
    return true;
}

bool InflateAhead::take(uint64_t at, InflateResult& result, std::span<const uint8_t>& output) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (!pending_) return false;
    changed_.wait(lock, [this] { return done_; });
    pending_ = false;
    const Buffer& filled = outputs_[nextOutput_];
    nextOutput_ = 1 - nextOutput_;
    if (at != at_) return false;
    result = result_;
    output = {filled.bytes.get(), produced_};
    return true;
}

void InflateAhead::work() {
    Inflater inflater(engine_);
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stopping_ || (pending_ && !done_); });
        if (stopping_) return;
        const std::span<const uint8_t> in(payload_.bytes.get(), payloadSize_);
        const std::span<uint8_t> out(outputs_[nextOutput_].bytes.get(), claimed_);
        // The buffers are the worker's until done_ is set: the reader waits for it.
        lock.unlock();
        size_t produced = 0;
        const InflateResult result = inflater.inflate(in, out, produced);
        lock.lock();
        result_ = result;
        produced_ = produced;
        done_ = true;
        changed_.notify_all();
    }
}

}  // namespace sources::blf
