// The macOS VST2 editor on host threads: values are stored and marked for
// the view's tick, never handed to the view there.
#include <gtest/gtest.h>

#include <thread>

#include "CEditorGUI.h"
#include "CPlug.h"
#include "CPlugFactory.h"
#include "host_window.h"

namespace {

intptr_t silent_host(AEffect*, int32_t, int32_t, intptr_t, void*, float) { return 0; }

struct EditorChanges : ::testing::Test {
    void SetUp() override
    {
        effect = create_plug_effect(silent_host, make_plug_editor);
        ASSERT_NE(effect, nullptr);
        editor = static_cast<CEditorGUI*>(static_cast<AudioEffect*>(effect->object)->getEditor());
        ASSERT_NE(editor, nullptr);
        editor->take_changes();
    }
    void TearDown() override { effect->dispatcher(effect, effClose, 0, 0, nullptr, 0); }

    AEffect* effect = nullptr;
    CEditorGUI* editor = nullptr;
};

TEST_F(EditorChanges, HostThreadsOnlyMarkValues)
{
    std::thread host([this] {
        editor->setParameter(2, 0.25f);
        editor->setParameter(7, 1.0f);
        editor->setParameter(8, 0.9f);  // the meter: the view polls it
        editor->setHostEffEnable(3.0f);
        editor->setProgram(4);
    });
    host.join();
    const unsigned changed = editor->take_changes();
    EXPECT_EQ(changed, (1u << 2) | (1u << 7) | CEditorGUI::kHostEnableChanged | CEditorGUI::kProgramChanged);
    EXPECT_EQ(editor->value(2), 0.25f);
    EXPECT_EQ(editor->value(7), 1.0f);
    EXPECT_EQ(editor->host_enable(), 1.0f);  // clamped
    EXPECT_EQ(editor->program(), 4);
    EXPECT_EQ(editor->take_changes(), 0u);
}

// The new view takes every value as it opens, before its first tick.
TEST_F(EditorChanges, OpenHandsEverythingToTheNewView)
{
    mac_host::HostWindow window(470, 512);
    EXPECT_FALSE(editor->isOpen());
    editor->open(window.parent());
    EXPECT_TRUE(editor->isOpen());
    EXPECT_EQ(editor->take_changes(), 0u);
    editor->close();
    EXPECT_FALSE(editor->isOpen());
}

}  // namespace
