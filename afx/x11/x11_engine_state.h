// The X11 engine record: window table, active list, connection and locks.
// Private to afx/x11; callers see only the engine's headers.
#pragma once

#include "afx/afx_callback_table.h"
#include "afx/x11/afx_engine_x11.h"
#include "afx/core/afx_region.h"
#include "x11_build_policy.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <pthread.h>
#include <thread>

// Callback pointers are registered from any thread and read by the GUI
// thread, so each one is an atomic. Beside the kinds both window backends
// deliver, the ones only X11 has.
struct afx_atomic_callbacks : afx_callback_table<std::atomic> {
    std::atomic<afx_configure_cb> configure{nullptr};
    std::atomic<afx_reparent_cb> reparent{nullptr};
    std::atomic<afx_client_message_cb> client_message{nullptr};
    std::atomic<afx_create_cb> create{nullptr};
    std::atomic<afx_expose_cb> redraw{nullptr};  // stored only
    std::atomic<afx_key_cb> key_press{nullptr};
    std::atomic<afx_key_cb> key_release{nullptr};
    std::atomic<afx_selection_cb> selection{nullptr};

    void clear()
    {
        afx_callback_table::clear();
        configure = nullptr;
        reparent = nullptr;
        client_message = nullptr;
        create = nullptr;
        redraw = nullptr;
        key_press = nullptr;
        key_release = nullptr;
        selection = nullptr;
    }
};

struct afx_window_slot {
    std::atomic<Window> window{0};  // 0 when free
    Pixmap icon = 0;
    afx_atomic_callbacks cb;
    std::atomic<void*> user_data{nullptr};
    std::atomic<void*> data_pointer{nullptr};
    XIC input_context = nullptr;  // installer build; owned by the slot
    std::atomic<float> scale{1.0f};
    int32_t inverse_scale = 65536;  // 16.16
    std::atomic<int32_t> width{0}, height{0};
    int32_t x = 0, y = 0;
    std::atomic<bool> in_use{false};
    Atom delete_atom = 0;
    AFXRegionContainer* dirty = nullptr;
    // Set by a destroy from another thread: no new dispatch starts.
    std::atomic<bool> closing{false};
};

struct AFX_engine::backend {
    afx_window_slot slots[AFX_MAX_WINDOWS];
    int32_t active[AFX_MAX_WINDOWS];
    int32_t gamma[256];

    Display* display = nullptr;
    Visual* visual = nullptr;
    int depth = 0;

    pthread_mutex_t display_mx;   // every X call
    pthread_mutex_t run_mx;       // held by run_engine for its whole life
    pthread_mutex_t callback_mx;  // error-checking: expose and GUI-update callbacks

    std::atomic<int> gui_interval{0};
    timespec last_left_press{};
    std::atomic<bool> stop{false};
    std::atomic<float> scale_cache{0.0f};
    Cursor watch_cursor = 0;

    char key_text[16] = {};
    XComposeStatus compose{};
    XIM input_method = nullptr;  // installer build only

    // Input dispatch in flight, so a destroy from another thread can wait
    // for it without holding any engine lock.
    std::mutex inflight_mx;
    std::condition_variable inflight_cv;
    int inflight = -1;
    std::atomic<std::thread::id> gui_thread{};

    bool connected() const { return display != nullptr; }
    bool valid(int index) const { return index >= 0 && index < AFX_MAX_WINDOWS; }
    afx_window_slot* used(int index)
    {
        return valid(index) && slots[index].in_use.load() ? &slots[index] : nullptr;
    }
    const afx_window_slot* used(int index) const
    {
        return valid(index) && slots[index].in_use.load() ? &slots[index] : nullptr;
    }
    static afx_sys_window sys_window(const afx_window_slot& s) { return s.window.load(); }
    void gui_update_registered(int) {}  // the loop's own clock runs it

    void reset_slot(int index);
    void release_slot(int index);  // free icon, reset, drop from the active list
    void add_active(int index);    // full list: nothing happens
    void remove_active(int index);
    void add_dirty(afx_window_slot& s, int x, int y, int width, int height);

    // Input method and key text (x11_input_method.cpp); display mutex held
    // by the caller unless said otherwise.
    void open_input_method();
    void close_input_method();
    void create_input_context(afx_window_slot& s);
    void destroy_input_context(afx_window_slot& s);
    bool filtered_by_input_method(XEvent& ev);
    // Takes the display mutex. Leaves the key's text in key_text; false when
    // the key delivers no key-press callback.
    bool look_up_key_text(afx_window_slot& s, XKeyEvent& key, KeySym* sym);

    // Clipboard (x11_clipboard.cpp). Takes the display mutex; null when no
    // text came.
    unsigned char* read_selection(const XSelectionEvent& ev);
    bool on_gui_thread() const { return gui_thread.load() == std::this_thread::get_id(); }
};

// Scoped pthread mutex.
class afx_lock {
public:
    explicit afx_lock(pthread_mutex_t& m) : m_(m) { pthread_mutex_lock(&m_); }
    ~afx_lock() { pthread_mutex_unlock(&m_); }
    afx_lock(const afx_lock&) = delete;
    afx_lock& operator=(const afx_lock&) = delete;

private:
    pthread_mutex_t& m_;
};

// The callback mutex is error-checking: a thread that already holds it (a
// callback destroying its own window) goes on and leaves it held.
class afx_callback_lock {
public:
    explicit afx_callback_lock(pthread_mutex_t& m) : m_(m), owned_(pthread_mutex_lock(&m) == 0) {}
    ~afx_callback_lock()
    {
        if (owned_)
            pthread_mutex_unlock(&m_);
    }
    afx_callback_lock(const afx_callback_lock&) = delete;
    afx_callback_lock& operator=(const afx_callback_lock&) = delete;

private:
    pthread_mutex_t& m_;
    bool owned_;
};

// Installer build: the locale from the environment (x11_input_method.cpp).
void afx_set_up_locale();

// X error trapping, filtered by display (x11_error_trap.cpp).
void afx_trap_errors(Display* display);
int afx_untrap_errors(Display* display);

// Integer window size of a scaled length.
inline int afx_scaled(int length, float scale)
{
    return static_cast<int>(static_cast<float>(length) * scale + 0.5f);
}
