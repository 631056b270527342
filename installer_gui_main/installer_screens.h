// The installer's two windows: the splash and the main window with its
// message panel, password entry, progress bar and OK button. The flow (main
// thread) changes what the screens show; the engine's GUI thread draws them
// in its update callback and answers input. One mutex of ours keeps the two
// from touching a widget or the window buffer at the same time; it is never
// held while calling an engine function that waits for the GUI thread.
#pragma once

#include <memory>
#include <mutex>

#include "afx/afx_engine.h"
#include "widgets/message_panel.h"
#include "widgets/password_entry.h"
#include "widgets/progress_bar.h"
#include "widgets/wire_frame_button.h"

class AFX_font_engine;
class CSecretText;

class CInstallerScreens {
public:
    CInstallerScreens(AFX_engine* engine, AFX_font_engine* font, float ui_scale);
    ~CInstallerScreens();  // frees the windows' objects; the GUI thread must be stopped
    CInstallerScreens(const CInstallerScreens&) = delete;
    CInstallerScreens& operator=(const CInstallerScreens&) = delete;

    int scaled_width() const;
    int scaled_height() const;

    // Splash: 0, -1 without a window, -2 without its image.
    int open_splash(int centre_x, int centre_y);
    void close_splash();

    // Main window: false when the window cannot be made.
    bool open_main_window(int centre_x, int centre_y, const char* title);
    bool create_main_widgets();
    // Panel text and widget row for the method; -1 when there is none.
    int layout_main_window(int auth_method);
    void create_main_drawables();
    void register_main_callbacks();
    void show_main_window();
    int main_window() const { return main_; }

    // Screens, called by the flow.
    void show_other_instance(const char* heading);
    // The lock file is another user's: they, not this user, can remove it.
    void show_other_users_lock(const char* heading, const char* owner);
    void begin_password_wait();
    // Takes the typed text once, without control characters, and wipes the entry.
    void take_password(CSecretText& out);
    void show_wrong_password(const char* heading);
    void show_installing(const char* heading);
    void set_progress(const char* caption, float value, int mode);
    void set_progress_value(float value);
    void show_final_message(const char* heading, const char* first, const char* second);
    void show_complete(const char* heading);
    void show_ok_button();

private:
    static void splash_window_configure_callback(int height, int width, int index, void* user);
    static void splash_window_expose_callback(int x, int y, int w, int h, int index, void* user);
    static void splash_window_destroy_callback(int x, int y, int index, void* user);
    static void main_window_expose_callback(int x, int y, int w, int h, int index, void* user);
    static void main_window_configure_callback(int height, int width, int index, void* user);
    static void main_window_destroy_callback(int x, int y, int index, void* user);
    static void main_window_button_press_callback(int x, int y, int button, int index, void* user);
    static void main_window_button_release_callback(int x, int y, int button, int index, void* user);
    static void main_window_keypress_callback(const char* text, uint32_t keysym, uint32_t state, int index,
                                              void* user);
    static void main_window_selection_callback(unsigned char* text, int index, void* user);
    static bool main_window_gui_update_callback(void* user);

    void present(int index, const afx_pixbuf* buf, afx_image* drawable, int x, int y, int w, int h);
    void redraw_dirty_widgets();
    void redraw_entry_now();
    void set_panel_lines(const char* heading, const char* line2, const char* line3);
    // Heading, "** ERROR **" and eight left-block lines (null: empty), dimmed.
    void show_lock_refusal(const char* heading, const char* const (&text)[8]);
    void request_redraw();
    void free_splash_objects();
    void free_main_window_objects();

    AFX_engine* engine_;
    AFX_font_engine* font_;
    float scale_;
    std::mutex mx_;

    int splash_ = -1;
    afx_pixbuf* splash_image_ = nullptr;
    afx_pixbuf* splash_buf_ = nullptr;
    afx_image* splash_drawable_ = nullptr;

    int main_ = -1;
    bool main_gone_ = false;  // closed by the window manager; its slot is no longer ours
    afx_pixbuf* icon_ = nullptr;
    afx_pixbuf* background_ = nullptr;
    afx_pixbuf* main_buf_ = nullptr;
    afx_image* main_drawable_ = nullptr;
    std::unique_ptr<CMessagePanel> panel_;
    std::unique_ptr<CPasswordEntry> entry_;
    std::unique_ptr<CProgressBar> bar_;
    std::unique_ptr<CWireFramePushButton> ok_;
};
