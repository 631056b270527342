// What the macOS VST2 view answers besides the shared view methods: its
// plug-in and editor, and the values the editor hands it. The four setters
// may run on host threads: they only store, for the view's next tick; the
// rest runs on the main thread.
#pragma once
#import <AppKit/AppKit.h>

#include <cstdint>

class AudioEffect;
class CEditorGUI;

@protocol BrindleVLT650VSTViewMethods
- (void)setEffect:(AudioEffect*)effect;
- (void)setEditor:(CEditorGUI*)editor;
- (void)setParameter:(int32_t)index:(float)value;  // 0..6 controls, 7 the UI size
- (void)control_update_ui_size:(float)size;        // kept for the next open
- (void)setHostEffEnable:(float)enable;
- (void)setProgram:(int32_t)program;
- (void)startEditorMain;
- (void)startEditorMainIn:(NSView*)parent;  // and into parent
- (void)stopEditor;
@end
