#include "plug_fixture.h"

namespace vst2test {

namespace {

// The editor factory is a plain function: it finds the fixture being built here.
PlugHost* g_building = nullptr;

}  // namespace

std::vector<EditorCall> EditorLog::of(const std::string& what) const
{
    std::vector<EditorCall> out;
    for (const EditorCall& c : calls)
        if (c.what == what)
            out.push_back(c);
    return out;
}

bool RecordingEditor::getRect(ERect** rect)
{
    ++log_->rects;
    *rect = &kRect;
    return true;
}

bool RecordingEditor::open(void* parent)
{
    ++log_->opens;
    return CPlugEditor::open(parent);
}

void RecordingEditor::close()
{
    ++log_->closes;
    CPlugEditor::close();
}

void RecordingEditor::setParameter(int32_t index, float value)
{
    log_->calls.push_back({"param", index, value, {}});
}

void RecordingEditor::setProgram(int32_t program) { log_->calls.push_back({"program", program, 0.0f, {}}); }

void RecordingEditor::set_plugin_name(const char* title) { log_->calls.push_back({"title", 0, 0.0f, title}); }

void RecordingEditor::setHostEffEnable(float enable) { log_->calls.push_back({"enable", 0, enable, {}}); }

PlugHost::PlugHost(bool with_editor)
{
    g_building = this;
    effect_ = create_plug_effect(callback, with_editor ? make_editor : nullptr);
    g_building = nullptr;
    if (effect_)
        effect_->user = this;
}

PlugHost::~PlugHost() { close_now(); }

void PlugHost::close_now()
{
    if (effect_)
        effect_->dispatcher(effect_, effClose, 0, 0, nullptr, 0.0f);
    effect_ = nullptr;
}

CPlugEditor* PlugHost::make_editor(CPlug* plug) { return new RecordingEditor(plug, &g_building->editor_log); }

intptr_t VST_CALL PlugHost::callback(AEffect* e, int32_t opcode, int32_t index, intptr_t value, void*,
                                     float opt)
{
    if (e && e->user)
        static_cast<PlugHost*>(e->user)->host_calls.push_back({opcode, index, value, opt});
    return 0;
}

intptr_t PlugHost::dispatch(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt) const
{
    return effect_->dispatcher(effect_, opcode, index, value, ptr, opt);
}

std::string PlugHost::text(int32_t opcode, int32_t index, intptr_t value) const
{
    std::array<char, 256> buffer{};
    dispatch(opcode, index, value, buffer.data());
    return buffer.data();
}

void PlugHost::process(const std::vector<float>& left, const std::vector<float>& right,
                       std::vector<float>& out_left, std::vector<float>& out_right) const
{
    std::vector<float> in_l = left, in_r = right;
    out_left.assign(left.size(), 0.0f);
    out_right.assign(right.size(), 0.0f);
    float* in[2] = {in_l.data(), in_r.data()};
    float* out[2] = {out_left.data(), out_right.data()};
    effect_->processReplacing(effect_, in, out, static_cast<int32_t>(left.size()));
}

std::vector<float> PlugHost::process_constant(float level, int32_t frames) const
{
    const std::vector<float> in(static_cast<std::size_t>(frames), level);
    std::vector<float> out_l, out_r;
    process(in, in, out_l, out_r);
    return out_l;
}

}  // namespace vst2test
