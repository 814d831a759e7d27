#include "sources/blf/blf_inflate_ahead.h"

#include <algorithm>
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

InflateAhead::InflateAhead(InflateEngine engine, unsigned threads)
    : engine_(engine), ownInflater_(engine) {
    if (threads == 0) threads = std::thread::hardware_concurrency();
    maxThreads_ = std::clamp(threads, 1u, kMaxThreads);
    threads_.reserve(maxThreads_);
    // One more than the jobs in flight: the one the reader holds.
    jobs_.resize(size_t{maxThreads_} * kJobsPerThread + 1);
}

InflateAhead::~InflateAhead() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    queued_.notify_all();
    // A thread inflating finishes its container (at most kMaxSize bytes) and ends.
    for (std::thread& thread : threads_) thread.join();
}

// count_ and first_ change only on the reader's thread, in start() and take().
bool InflateAhead::hasRoom() const { return count_ + 1 < jobs_.size(); }

bool InflateAhead::start(uint64_t at, std::span<const uint8_t> payload, uint32_t claimed) {
    if (payload.size() > kMaxSize || claimed > kMaxSize || !hasRoom()) return false;
    // Outside the ring of jobs: no thread looks at it until it is queued.
    Job& job = jobAt(count_);
    // An empty room still needs an address for the inflater.
    if (!job.payload.reserve(payload.size()) || !job.output.reserve(claimed == 0 ? 1 : claimed)) {
        return false;
    }
    if (!payload.empty()) std::memcpy(job.payload.bytes.get(), payload.data(), payload.size());
    std::unique_lock<std::mutex> lock(mutex_);
    job.at = at;
    job.payloadSize = payload.size();
    job.claimed = claimed;
    job.state = State::kQueued;
    ++count_;
    ++waiting_;
    if (!addThreadIfNeeded()) {
        job.state = State::kFree;
        --count_;
        --waiting_;
        return false;
    }
    lock.unlock();
    queued_.notify_one();
    return true;
}

bool InflateAhead::addThreadIfNeeded() {
    if (idle_ >= waiting_ || threads_.size() == maxThreads_) return !threads_.empty();
    try {
        threads_.emplace_back([this] { work(); });
    } catch (const std::system_error&) {
        return !threads_.empty();
    }
    return true;
}

bool InflateAhead::take(uint64_t at, InflateResult& result, std::span<const uint8_t>& output) {
    std::unique_lock<std::mutex> lock(mutex_);
    while (count_ != 0) {
        Job& job = jobAt(0);
        if (job.at > at) return false;
        if (job.at < at && job.state == State::kQueued) {
            job.state = State::kFree;  // passed by without being run
            --waiting_;
        } else if (job.state == State::kQueued) {
            // No thread has come to it yet: the reader inflates it rather than wait.
            job.state = State::kRunning;
            --waiting_;
            lock.unlock();
            run(job, ownInflater_);
            lock.lock();
            job.state = State::kDone;
        } else {
            done_.wait(lock, [&job] { return job.state == State::kDone; });
        }
        first_ = (first_ + 1) % jobs_.size();
        --count_;
        if (job.at == at) {
            result = job.result;
            output = {job.output.bytes.get(), job.produced};
            return true;
        }
    }
    return false;
}

void InflateAhead::work() {
    Inflater inflater(engine_);
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        ++idle_;
        queued_.wait(lock, [this] { return stopping_ || waiting_ != 0; });
        --idle_;
        if (stopping_) return;
        size_t index = 0;
        while (jobAt(index).state != State::kQueued) ++index;  // waiting_ says there is one
        Job& job = jobAt(index);
        job.state = State::kRunning;
        --waiting_;
        // The job's buffers are this thread's until it is done: the reader waits for that.
        lock.unlock();
        run(job, inflater);
        lock.lock();
        job.state = State::kDone;
        done_.notify_all();
    }
}

void InflateAhead::run(Job& job, Inflater& inflater) {
    const std::span<const uint8_t> in(job.payload.bytes.get(), job.payloadSize);
    const std::span<uint8_t> out(job.output.bytes.get(), job.claimed);
    job.produced = 0;
    job.result = inflater.inflate(in, out, job.produced);
}

}  // namespace sources::blf
