// The methods every macOS view class forwards to its window glue (Window:
// the CocoaEditorWindow), as one macro so each build's class (which must
// carry the build's own name) is a few lines. The class declares these
// instance variables:
//   Window* window_;       its parts' window glue (cocoa_view_parts.h)
//   NSTimer* GUIUpdateTimer;  owned by the run loop
//   id TheGUIUpdateTarget;    its parts' timer target
// and implements initWithFrame: and dealloc itself (see the Audio Unit view).
// Every method runs on the main thread.
#pragma once

#include "cocoa/cocoa_view_bridge.h"

// What the shell answers beyond NSView's own, for a view's @interface.
#define VLT_COCOA_VIEW_SHELL_DECLARATIONS(Window) \
    -(void)setScale : (float)scale;               \
    -(void)startEditorMain;                       \
    -(void)startEditorMainIn : (NSView*)parent;   \
    -(void)stopEditor;                            \
    -(void)guiUpdateCallback;                     \
    -(Window*)editorWindow;

// Views that do more on their tick (the VST2 view polls the meter) take
// every method but guiUpdateCallback and write their own.
#define VLT_COCOA_VIEW_SHELL_METHODS(Window)      \
    VLT_COCOA_VIEW_SHELL_METHODS_BUT_TICK(Window) \
    -(void)guiUpdateCallback                      \
    {                                             \
        if (window_)                              \
            window_->tick();                      \
    }

#define VLT_COCOA_VIEW_SHELL_METHODS_BUT_TICK(Window)                                           \
    -(BOOL)isFlipped { return YES; }                                                            \
    -(BOOL)isOpaque { return YES; }                                                             \
    -(BOOL)acceptsFirstResponder { return YES; }                                                \
    -(BOOL)acceptsFirstMouse : (NSEvent*)event                                                  \
    {                                                                                           \
        (void)event;                                                                            \
        return YES;                                                                             \
    }                                                                                           \
    -(BOOL)mouseDownCanMoveWindow { return NO; }                                                \
    -(void)viewDidEndLiveResize { [self setNeedsDisplay:YES]; }                                 \
    -(void)viewDidChangeBackingProperties                                                       \
    {                                                                                           \
        if (window_)                                                                            \
            window_->backing_scale_changed(vlt::mac::window_backing_scale([self window]));      \
    }                                                                                           \
    -(void)drawRect : (NSRect)rect                                                              \
    {                                                                                           \
        (void)rect;                                                                             \
        if (window_)                                                                            \
            vlt::mac::draw_view(*window_, self);                                                \
    }                                                                                           \
    -(void)mouseDown : (NSEvent*)event                                                          \
    {                                                                                           \
        if (window_)                                                                            \
            window_->press(vlt::mac::pointer_event(self, event));                               \
    }                                                                                           \
    -(void)mouseDragged : (NSEvent*)event                                                       \
    {                                                                                           \
        if (window_)                                                                            \
            window_->drag(vlt::mac::pointer_event(self, event));                                \
    }                                                                                           \
    -(void)mouseUp : (NSEvent*)event                                                            \
    {                                                                                           \
        if (window_)                                                                            \
            window_->release(vlt::mac::pointer_event(self, event));                             \
    }                                                                                           \
    -(void)scrollWheel : (NSEvent*)event                                                        \
    {                                                                                           \
        if (window_)                                                                            \
            window_->wheel(vlt::mac::pointer_event(self, event), vlt::mac::wheel_delta(event)); \
    }                                                                                           \
    -(void)setScale : (float)scale                                                              \
    {                                                                                           \
        if (window_)                                                                            \
            window_->set_scale(scale);                                                          \
    }                                                                                           \
    -(void)startEditorMainIn : (NSView*)parent                                                  \
    {                                                                                           \
        if (!window_ || GUIUpdateTimer)                                                         \
            return;                                                                             \
        window_->open(reinterpret_cast<afx_sys_window>(parent));                                \
        GUIUpdateTimer = vlt::mac::start_gui_timer(TheGUIUpdateTarget);                         \
    }                                                                                           \
    -(void)startEditorMain { [self startEditorMainIn:nil]; }                                    \
    -(void)stopEditor                                                                           \
    {                                                                                           \
        [GUIUpdateTimer invalidate];                                                            \
        GUIUpdateTimer = nil;                                                                   \
        [TheGUIUpdateTarget SetCallback:nil];                                                   \
        if (window_)                                                                            \
            window_->close();                                                                   \
    }                                                                                           \
    -(Window*)editorWindow { return window_; }
