// The VST2 base classes on their own, under a minimal effect.
#include <gtest/gtest.h>

#include <vector>

#include "AudioEffectX.h"

namespace {

struct Sent {
    int32_t opcode;
    int32_t index;
    intptr_t value;
    float opt;
};

std::vector<Sent> g_sent;
intptr_t g_host_answer = 0;

intptr_t VST_CALL record_host(AEffect*, int32_t opcode, int32_t index, intptr_t value, void*, float opt)
{
    g_sent.push_back({opcode, index, value, opt});
    return g_host_answer;
}

struct Seen {
    int programs_set = 0;
    int32_t last_program = -1;
    std::vector<std::pair<int32_t, float>> params;
    bool deleted = false;
    bool closed_before_delete = false;
};

class BareEffect : public AudioEffectX {
public:
    BareEffect(audioMasterCallback host, Seen* seen) : AudioEffectX(host, 3, 2), seen_(seen) {}
    ~BareEffect() override { seen_->deleted = true; }
    void processReplacing(float**, float**, int32_t) override {}
    void setProgram(int32_t p) override
    {
        ++seen_->programs_set;
        seen_->last_program = p;
    }
    void setParameter(int32_t i, float v) override { seen_->params.emplace_back(i, v); }
    void close() override { seen_->closed_before_delete = !seen_->deleted; }

private:
    Seen* seen_;
};

class CountingEditor : public AEffEditor {
public:
    using AEffEditor::AEffEditor;
    bool getRect(ERect** r) override
    {
        *r = &rect;
        return true;
    }
    void idle() override { ++idles; }
    ERect rect{1, 2, 3, 4};
    int idles = 0;
};

class BaseClasses : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_sent.clear();
        g_host_answer = 0;
        effect = new BareEffect(record_host, &seen);
        e = effect->getAeffect();
    }
    void TearDown() override
    {
        if (!seen.deleted)
            delete effect;
    }
    intptr_t dispatch(int32_t opcode, int32_t index = 0, intptr_t value = 0, void* ptr = nullptr)
    {
        return e->dispatcher(e, opcode, index, value, ptr, 0.0f);
    }

    Seen seen;
    BareEffect* effect = nullptr;
    AEffect* e = nullptr;
};

TEST_F(BaseClasses, RecordAsTheBaseFillsIt)
{
    EXPECT_EQ(e->magic, vst2::fourcc("VstP"));
    EXPECT_EQ(e->numPrograms, 3);
    EXPECT_EQ(e->numParams, 2);
    EXPECT_EQ(e->numInputs, 1);
    EXPECT_EQ(e->numOutputs, 2);
    EXPECT_EQ(e->flags, effFlagsCanReplacing);
    EXPECT_EQ(e->uniqueID, vst2::fourcc("NoEf"));
    EXPECT_EQ(e->version, 1);
    EXPECT_EQ(e->ioRatio, 1.0f);
    EXPECT_EQ(e->object, effect);
    EXPECT_EQ(effect->getSampleRate(), 44100.0f);
    EXPECT_EQ(effect->getBlockSize(), 1024);
}

TEST_F(BaseClasses, SetProgramIgnoresValuesOutsideThePrograms)
{
    for (intptr_t v : {intptr_t{3}, intptr_t{99}, intptr_t{-1}})
        EXPECT_EQ(dispatch(effSetProgram, 0, v), 0);
    EXPECT_EQ(seen.programs_set, 0);
    dispatch(effSetProgram, 0, 2);
    EXPECT_EQ(seen.last_program, 2);
}

TEST_F(BaseClasses, OnlyTheFirstOpcodesAreAnswered)
{
    EXPECT_EQ(dispatch(effIdentify), vst2::fourcc("NvEf"));
    void* chunk = nullptr;
    EXPECT_EQ(dispatch(effGetChunk, 0, 0, &chunk), 0);
    for (int32_t opcode : {25, 26, 45, 51, 58, -1, -1000})
        EXPECT_EQ(dispatch(opcode, 0, 0, nullptr), 0) << opcode;
    dispatch(effSetBlockSize, 0, 256);
    EXPECT_EQ(effect->getBlockSize(), 256);
}

TEST_F(BaseClasses, EditorOpcodesNeedAnEditor)
{
    ERect* rect = nullptr;
    EXPECT_EQ(dispatch(effEditGetRect, 0, 0, &rect), 0);
    EXPECT_EQ(dispatch(effEditOpen), 0);

    auto* editor = new CountingEditor(effect);
    effect->setEditor(editor);
    EXPECT_TRUE(e->flags & effFlagsHasEditor);
    EXPECT_EQ(dispatch(effEditGetRect, 0, 0, &rect), 1);
    EXPECT_EQ(rect, &editor->rect);
    int window = 0;
    EXPECT_EQ(dispatch(effEditOpen, 0, 0, &window), 0);  // the base editor answers false
    EXPECT_TRUE(editor->isOpen());
    dispatch(effEditIdle);
    EXPECT_EQ(editor->idles, 1);
    EXPECT_EQ(dispatch(effEditClose), 0);
    EXPECT_FALSE(editor->isOpen());
    // The base destructor deletes an editor that is still set.
}

TEST_F(BaseClasses, HostCallsCarryTheirOpcodes)
{
    g_host_answer = 1;
    effect->setParameterAutomated(1, 0.25f);
    EXPECT_TRUE(effect->sizeWindow(300, 200));
    EXPECT_TRUE(effect->updateDisplay());
    EXPECT_TRUE(effect->beginEdit(4));
    EXPECT_TRUE(effect->endEdit(4));
    ASSERT_EQ(g_sent.size(), 5u);
    struct Expected {
        int32_t opcode, index;
        intptr_t value;
        float opt;
    };
    const Expected expected[] = {{audioMasterAutomate, 1, 0, 0.25f},
                                 {audioMasterSizeWindow, 300, 200, 0.0f},
                                 {audioMasterUpdateDisplay, 0, 0, 0.0f},
                                 {audioMasterBeginEdit, 4, 0, 0.0f},
                                 {audioMasterEndEdit, 4, 0, 0.0f}};
    for (std::size_t i = 0; i < g_sent.size(); ++i) {
        EXPECT_EQ(g_sent[i].opcode, expected[i].opcode) << i;
        EXPECT_EQ(g_sent[i].index, expected[i].index) << i;
        EXPECT_EQ(g_sent[i].value, expected[i].value) << i;
        EXPECT_EQ(g_sent[i].opt, expected[i].opt) << i;
    }
    // The automated value reached the effect first.
    ASSERT_EQ(seen.params.size(), 1u);
    EXPECT_EQ(seen.params[0], std::make_pair(1, 0.25f));

    g_host_answer = 0;
    EXPECT_FALSE(effect->beginEdit(0));
}

TEST_F(BaseClasses, NoHostMeansNoCallAndFalse)
{
    Seen other;
    BareEffect lonely(nullptr, &other);
    EXPECT_FALSE(lonely.sizeWindow(1, 1));
    EXPECT_FALSE(lonely.updateDisplay());
    lonely.setParameterAutomated(0, 0.5f);
    EXPECT_EQ(other.params.size(), 1u);
    EXPECT_TRUE(g_sent.empty());
}

TEST_F(BaseClasses, ResumeSendsNoEventRequest)
{
    dispatch(effMainsChanged, 0, 1);
    EXPECT_TRUE(g_sent.empty());
}

TEST_F(BaseClasses, CloseRunsTheDispatcherThenDeletes)
{
    EXPECT_EQ(dispatch(effClose), 1);
    EXPECT_TRUE(seen.deleted);
    EXPECT_TRUE(seen.closed_before_delete);
}

TEST_F(BaseClasses, FlagSetters)
{
    effect->canProcessReplacing(false);
    effect->canDoubleReplacing(true);
    effect->programsAreChunks(true);
    EXPECT_EQ(e->flags, effFlagsCanDoubleReplacing | effFlagsProgramChunks);
    effect->setEditor(nullptr);
    EXPECT_FALSE(e->flags & effFlagsHasEditor);
    effect->setUniqueID(42);
    effect->setNumInputs(4);
    effect->setInitialDelay(10);
    EXPECT_EQ(e->uniqueID, 42);
    EXPECT_EQ(e->numInputs, 4);
    EXPECT_EQ(e->initialDelay, 10);
}

}  // namespace
