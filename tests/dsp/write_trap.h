#pragma once
// A float buffer whose element `at` begins a page that may not be written:
// the first write there stops the writing thread inside whatever it is
// doing (a block of audio) until another thread, told so by wait_for_hit(),
// has done its part and called release(). That other thread then knows the
// writer is in progress, without timing anything. One trap at a time.
#include <cstddef>

namespace vlt::test {

class WriteTrap {
public:
    // Room for count floats; element at (below count) traps.
    WriteTrap(std::size_t count, std::size_t at);
    ~WriteTrap();
    WriteTrap(const WriteTrap&) = delete;
    WriteTrap& operator=(const WriteTrap&) = delete;

    float* data() const { return data_; }
    bool ready() const { return data_ != nullptr; }

    // From the other thread: blocks until the trap is hit, or returns false
    // once finished() says the writer is done without hitting it.
    bool wait_for_hit() const;
    // Lets the stopped writer go on; its write then lands.
    void release() const;
    // From the writer's thread after its work: wakes a waiting thread that
    // the trap was never hit.
    void finished() const;
    bool hit() const;

private:
    char* base_ = nullptr;
    std::size_t bytes_ = 0;
    float* data_ = nullptr;
};

}  // namespace vlt::test
