#pragma once
// The editor's pointer to its open view, for host threads that hand the
// view values while the main thread may end it. use() never blocks (a host
// may call from its audio thread); take() waits until no host thread is
// still inside use(), so the caller may release the view after it.
#include <atomic>
#include <thread>

namespace vlt::mac {

class HostViewSlot {
public:
    // Main thread.
    void set(void* view) { view_.store(view); }
    void* get() const { return view_.load(); }
    void* take()
    {
        void* view = view_.exchange(nullptr);
        while (users_.load() != 0)
            std::this_thread::yield();
        return view;
    }

    // Any thread: f(view) while a view is set.
    template <class F>
    void use(F&& f)
    {
        users_.fetch_add(1);
        if (void* view = view_.load())
            f(view);
        users_.fetch_sub(1);
    }

private:
    std::atomic<void*> view_{nullptr};
    std::atomic<int> users_{0};
};

}  // namespace vlt::mac
