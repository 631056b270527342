#include "aax_edit_sink.h"

namespace vlt::aax_view {

using mac::Control;

AaxEditSink::AaxEditSink(AaxViewHost& host) : host_(host) { init_factory_presets(); }

int AaxEditSink::edited(Control control)
{
    const int n = editor::control_number(control);
    return n < kEdited ? n : -1;
}

void AaxEditSink::begin_edit(Control control)
{
    const int n = edited(control);
    if (n < 0)
        return;
    host_.touch(n);
    ++open_[n];
}

// The switch has no drag: its gesture ends with the value it sends.
void AaxEditSink::set_value(Control control, float fraction)
{
    const int n = edited(control);
    if (n < 0)
        return;
    host_.set(n, fraction);
    if (control == Control::kEffect)
        end_edit(control);
}

// The core ends every gesture at a release; only the touched ones end here,
// one release for each touch. A double click's reset is a gesture inside
// the press's, so the host hears two releases for that knob.
void AaxEditSink::end_edit(Control control)
{
    const int n = edited(control);
    if (n < 0 || open_[n] == 0)
        return;
    host_.release(n);
    --open_[n];
}

bool AaxEditSink::offer_click(Control control, const mac::PointerEvent&)
{
    const int n = edited(control);
    return n >= 0 && !host_.offer_click(n, modifiers_);
}

// The first press shows the current record's name; while that name has not
// been replaced by another text or blanked (the version line in between
// does not count), further presses step through records 1..5.
void AaxEditSink::step_program(int direction)
{
    if (!core_)
        return;
    if (selector_.awake(*core_))
        select_program(selector_.step(current_, direction));
    selector_.show(*core_, programs_[current_].name);
}

void AaxEditSink::select_program(int index)
{
    if (index < 0 || index >= kProgramCount)
        return;
    current_ = index;
    apply_program();
}

void AaxEditSink::apply_program()
{
    const CPlugProgram& p = programs_[current_];
    for (int n = 0; n < kEdited; ++n) {
        host_.edit(n, p.value[n]);
        if (core_)
            core_->host_value(static_cast<Control>(n), p.value[n]);
    }
}

}  // namespace vlt::aax_view
