#pragma once
// What the macOS VST2 editor asks of its Cocoa view, one call for each of
// the view's methods. The editor stays plain C++; each build links one
// implementation of these calls. make, show and close run on the main
// thread; the three setters may run on host threads: they only store, and
// the view takes what they stored on its next tick.
#include <cstdint>

class AudioEffect;
class CEditorGUI;

namespace vst2_panel {

using Panel = void*;  // the Cocoa view, owned by the editor between make and close

// A new view of width x height points (initWithFrame:) told its plug-in
// (setEffect:), editor (setEditor:) and magnification (setScale:), not yet
// shown; null where the build has none.
Panel make(AudioEffect* effect, CEditorGUI* editor, int width, int height, float scale);
void set_parameter(Panel panel, int32_t index, float value);  // setParameter::
void set_host_eff_enable(Panel panel, float enable);          // setHostEffEnable:
void set_program(Panel panel, int32_t program);               // setProgram:
// Takes what the setters stored, starts the view's timer (startEditorMain)
// and embeds it in the host's NSView.
void show(Panel panel, void* parent);
// Stops the timer, unembeds and releases the view: no tick reaches it after.
void close(Panel panel);
// Views made and not yet released: a timer must never keep one alive.
int live_count();

}  // namespace vst2_panel
