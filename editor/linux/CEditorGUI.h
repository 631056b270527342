#pragma once
// The Linux VST2 editor: the front panel in an X11 child window of the
// host's editor window. Host threads only store values and text in the
// editor core; drawing and input run on the library's GUI thread.
#include <atomic>
#include <mutex>

#include "vst2_editor_base.h"

class CEditorGUI : public vlt::editor::Vst2EditorBase {
public:
    explicit CEditorGUI(CPlug* plug);
    ~CEditorGUI() override;

    bool open(void* parent) override;
    void close() override;
    // A window the window system destroyed with its parent no longer counts.
    bool isOpen() override { return core_.is_open() && own_window_alive(); }

    int window_index() const { return window_index_.load(); }

private:
    void start_editor(afx_sys_window host_window);
    void start_editor_main();
    void stop_editor();
    bool own_window_alive() const;
    void draw_editor_window_contents();
    void replace_window_image(const vlt::editor::EditorSize& size);
    void register_callbacks(int index);

    // EditorView, screen side.
    void queue_rect(const vlt::editor::Rect& r) override;
    void repaint_all() override;
    void resize_window(const vlt::editor::EditorSize& from, const vlt::editor::EditorSize& to) override;

    // Engine callbacks, with the editor as user data.
    static vlt::editor::CEditorCore& core_of(void* user);
    static void on_expose(int x, int y, int w, int h, int index, void* user);
    static void on_window_destroy(int root_x, int root_y, int index, void* user);
    static bool on_gui_update(void* user);
    void expose_handler(int x, int y, int w, int h);

    std::atomic<int> window_index_{-1};
    afx_sys_window host_window_ = 0;
    std::atomic<afx_sys_window> own_window_{0};  // the X window of our slot
    afx_image* window_image_ = nullptr;
    afx_pixbuf* icon_ = nullptr;
    std::mutex editor_mutex_;  // guards window_image_ against its screen put
};
