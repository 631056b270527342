#pragma once
// What the macOS VST2 editor asks of its Cocoa view. The editor stays plain
// C++; each build links one implementation of these calls. All of them run
// on the main thread: values from host threads wait in the editor until the
// view's tick takes them (CEditorGUI::take_changes).
class AudioEffect;
class CEditorGUI;

namespace vst2_panel {

using Panel = void*;  // the Cocoa view, owned by the editor between make and close

// A new view of width x height points for the plug-in and editor, not yet
// shown; null where the build has none.
Panel make(AudioEffect* effect, CEditorGUI* editor, int width, int height, float scale);
// Starts the view's timer (its first tick takes every value) and embeds it
// in the host's NSView.
void show(Panel panel, void* parent);
// Stops the timer, unembeds and releases the view: no tick reaches it after.
void close(Panel panel);
// Views made and not yet released: a timer must never keep one alive.
int live_count();

}  // namespace vst2_panel
