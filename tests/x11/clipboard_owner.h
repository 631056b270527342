// Another client that owns the CLIPBOARD selection, on a connection and a
// thread of its own, and answers conversion requests the way it is told to.
#pragma once

#include <X11/Xlib.h>

#include <atomic>
#include <string>
#include <thread>

class ClipboardOwner {
public:
    enum class answer {
        offered_target_only,  // other targets are refused (no property)
        always_offered_type,  // every request gets the text as the offered type
    };
    ClipboardOwner(const char* target, std::string text, answer how = answer::offered_target_only);
    ~ClipboardOwner();
    ClipboardOwner(const ClipboardOwner&) = delete;
    ClipboardOwner& operator=(const ClipboardOwner&) = delete;

    bool owns() const { return owns_; }
    int requests() const { return requests_; }

private:
    void serve();
    void reply(const XSelectionRequestEvent& req);

    Display* d_ = nullptr;
    Window w_ = 0;
    Atom target_ = 0;
    std::string text_;
    answer how_;
    bool owns_ = false;
    std::atomic<int> requests_{0};
    std::atomic<bool> stop_{false};
    std::thread thread_;
};
