// A selector drawn into a buffer of its own and driven through its
// handlers, inside a private temporary folder that is the current directory
// for the test (the selectors browse with chdir).
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "afx/afx_engine.h"
#include "afx/core/afx_font_engine.h"
#include "selector_window.h"
#include "test_support.h"

namespace selector_test {

namespace fs = std::filesystem;

struct pixbuf_deleter {
    void operator()(afx_pixbuf* p) const { AFX_drawing::afx_pixbuf_destroy_with_allocation(p); }
};
using pixbuf_ptr = std::unique_ptr<afx_pixbuf, pixbuf_deleter>;

// What the callbacks heard.
struct outcome {
    int ok_calls = 0, cancel_calls = 0;
    bool ok_path_null = false;
    std::string path;
    void* user = nullptr;

    static void on_ok(char* p, void* user)
    {
        auto* o = static_cast<outcome*>(user);
        ++o->ok_calls;
        o->ok_path_null = p == nullptr;
        o->path = p ? p : "";
        o->user = user;
    }
    static void on_cancel(char* p, void* user)
    {
        auto* o = static_cast<outcome*>(user);
        ++o->cancel_calls;
        o->ok_path_null = p == nullptr;
        o->user = user;
    }
};

inline std::vector<std::string> shown_names(const CSelectorWindow& s)
{
    std::vector<std::string> out;
    for (int i = 0; i < CDirListing::kMaxEntries && s.listing().entry(i).name; ++i)
        if (!s.listing().entry(i).hidden)
            out.push_back(s.listing().entry(i).name);
    return out;
}

// Window point on the middle of shown row k of the list (magnification 1).
inline int row_y(int k) { return 82 + 16 * k + 8; }
// Left of every name (over the directory marker), which hits the row.
constexpr int kRowX = 24;

class SelectorFixture : public ::testing::Test {
protected:
    SelectorFixture() : home_(fs::current_path()), root_(fs::canonical(dir.path()))
    {
        fs::current_path(root_);
    }
    ~SelectorFixture() override { fs::current_path(home_); }

    void touch(const fs::path& p) { std::ofstream(p) << "x"; }

    // Draws the selector as its opening does, without a window.
    void show(CSelectorWindow& s, int height)
    {
        buffer.reset(AFX_drawing::afx_pixbuf_new_with_allocation(CSelectorWindow::kWindowWidth, height, 0));
        s.register_ok_callback(outcome::on_ok, &result);
        s.register_cancel_callback(outcome::on_cancel, &result);
        s.draw_file_selector(buffer.get());
        s.configure_file_list_viewport();
    }

    void click(CSelectorWindow& s, int x, int y)
    {
        s.button_press_handler(x, y, 0);
        s.button_release_handler(x, y, 0);
    }

    test_support::TempDir dir;
    fs::path home_, root_;
    AFX_engine engine;
    AFX_font_engine font{&engine};
    pixbuf_ptr buffer;
    outcome result;
};

}  // namespace selector_test
