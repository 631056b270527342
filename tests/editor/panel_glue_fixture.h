// What a panel needs around it outside a window: a host that takes
// nothing, and a glue that keeps the window rectangles the panel queues.
#pragma once

#include <vector>

#include "editor_core.h"
#include "editor_glue.h"

namespace vlt::editor::test {

class QuietHost : public EditorHost {
public:
    void begin_edit(Control) override {}
    void set_value(Control, float) override {}
    void end_edit(Control) override {}
    void set_ui_size(float) override {}
    void set_program(int) override {}
    void program_name(char* text) override { text[0] = '\0'; }
    void size_window(int, int) override {}
};

class RecordingGlue final : public EditorGlue {
public:
    explicit RecordingGlue(const CEditorCore& core) : core_(core) {}
    std::vector<Rect> queued;
    int whole = 0;

    bool open(afx_sys_window) override { return true; }
    void close() override {}
    bool is_open() const override { return true; }
    void queue(const Rect& r) override { queued.push_back(r); }
    void queue_all() override { ++whole; }
    void resize(const EditorSize&, const EditorSize&) override {}
    const EditorSize& size() const override { return core_.size(); }
    void tick() override {}

private:
    const CEditorCore& core_;
};

}  // namespace vlt::editor::test
