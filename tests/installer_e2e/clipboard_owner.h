// Holds the X clipboard for a test, as a text editor would after "copy":
// owns CLIPBOARD on the given server and answers requests for STRING, with
// a property of that type or (an owner that gets it wrong) of another.
#pragma once

#include <atomic>
#include <string>
#include <thread>

struct _XDisplay;

class ClipboardOwner {
public:
    ClipboardOwner(const std::string& display, std::string text, const char* answer_type = "STRING");
    ~ClipboardOwner();
    ClipboardOwner(const ClipboardOwner&) = delete;
    ClipboardOwner& operator=(const ClipboardOwner&) = delete;

    bool owns() const { return owns_; }
    // Counted once the answer is on the server.
    int requests_answered() const { return answered_.load(); }

private:
    void serve();

    _XDisplay* display_ = nullptr;
    unsigned long window_ = 0;
    std::string text_;
    unsigned long answer_type_ = 0;
    bool owns_ = false;
    std::atomic<bool> stop_{false};
    std::atomic<int> answered_{0};
    std::thread thread_;
};
