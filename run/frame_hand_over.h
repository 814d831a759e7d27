// The frames of an export handed from the walk to its writer on a thread of the writer's own, a
// block at a time: reading a log and writing the next one then run side by side on two cores.
// The writer gets every frame in the walk's order, so only the time changes. Without a thread
// (none to be had) the frames are written on the walk's thread as they come.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>

#include "can/frame.h"

namespace run {

// `Write`: a callable taking `const can::Frame&`; `Failed`: one returning true once the output
// has failed (the walk then ends early). Both run on the writer's thread while it lives.
template <class Write, class Failed>
class FrameHandOver {
public:
    static constexpr size_t kBlockFrames = 2048;

    FrameHandOver(Write write, Failed failed) : write_(write), failed_(failed) {
        for (Block& block : blocks_)
            block.frames.reset(new (std::nothrow) can::Frame[kBlockFrames]);
        if (blocks_[0].frames == nullptr || blocks_[1].frames == nullptr) return;
        try {
            thread_ = std::thread([this] { work(); });
        } catch (const std::system_error&) {
        }
    }
    ~FrameHandOver() { end(false); }
    FrameHandOver(const FrameHandOver&) = delete;
    FrameHandOver& operator=(const FrameHandOver&) = delete;

    // The next frame: false once the output has failed.
    bool add(const can::Frame& frame) {
        if (!thread_.joinable()) {
            write_(frame);
            return !failed_();
        }
        Block& block = blocks_[filling_];
        block.frames[block.count++] = frame;
        if (block.count == kBlockFrames) handOver();
        return !outputFailed_.load(std::memory_order_relaxed);
    }
    // Writes the frames added (`write`) or drops those not written yet, and ends the thread.
    void end(bool write) {
        if (!thread_.joinable()) return;
        if (write && blocks_[filling_].count != 0) handOver();
        {
            std::lock_guard<std::mutex> lock(mutex_);
            ending_ = true;
            dropping_ = !write;
        }
        changed_.notify_all();
        thread_.join();
    }

private:
    struct Block {
        std::unique_ptr<can::Frame[]> frames;
        size_t count = 0;
        bool full = false;  // handed over and not written yet
    };

    // Gives the writer the block being filled and waits until the other one is written.
    void handOver() {
        std::unique_lock<std::mutex> lock(mutex_);
        blocks_[filling_].full = true;
        filling_ = 1 - filling_;
        changed_.notify_all();
        changed_.wait(lock, [this] { return !blocks_[filling_].full; });
        blocks_[filling_].count = 0;
    }

    void work() {
        int next = 0;
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            changed_.wait(lock, [this, next] { return blocks_[next].full || ending_; });
            if (!blocks_[next].full || dropping_) return;
            // The block is the writer's until it is marked written.
            lock.unlock();
            Block& block = blocks_[next];
            for (size_t i = 0; i < block.count; ++i) write_(block.frames[i]);
            if (failed_()) outputFailed_.store(true, std::memory_order_relaxed);
            lock.lock();
            block.full = false;
            changed_.notify_all();
            next = 1 - next;
        }
    }

    Write write_;
    Failed failed_;
    Block blocks_[2];
    int filling_ = 0;  // the block the walk fills
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool ending_ = false;
    bool dropping_ = false;
    std::atomic<bool> outputFailed_{false};
};

}  // namespace run
