// The methods every macOS view class forwards to its window glue (Core: the
// CocoaEditorWindow), as one macro so each build's class (which must carry
// the build's own name) is a few lines. The class declares these instance
// variables:
//   Core* core_;                          owned, made in initWithFrame:
//   vlt::mac::NSViewSurface* surface_;    owned, attached to self
//   NSTimer* GUIUpdateTimer;              owned by the run loop
//   id TheGUIUpdateTarget;                the build's timer target, owned
// and implements initWithFrame: and dealloc itself (see the Audio Unit view).
#pragma once

#include "cocoa/cocoa_view_bridge.h"

// Views that do more on their tick (the VST2 view polls the meter) take
// every method but guiUpdateCallback and write their own.
#define VLT_COCOA_VIEW_SHELL_METHODS(Core)      \
    VLT_COCOA_VIEW_SHELL_METHODS_BUT_TICK(Core) \
    -(void)guiUpdateCallback                    \
    {                                           \
        if (core_)                              \
            core_->tick();                      \
    }

#define VLT_COCOA_VIEW_SHELL_METHODS_BUT_TICK(Core)                                           \
    -(BOOL)isFlipped { return YES; }                                                          \
    -(BOOL)isOpaque { return YES; }                                                           \
    -(BOOL)acceptsFirstResponder { return YES; }                                              \
    -(BOOL)acceptsFirstMouse : (NSEvent*)event                                                \
    {                                                                                         \
        (void)event;                                                                          \
        return YES;                                                                           \
    }                                                                                         \
    -(BOOL)mouseDownCanMoveWindow { return NO; }                                              \
    -(void)viewDidEndLiveResize { [self setNeedsDisplay:YES]; }                               \
    -(void)viewDidChangeBackingProperties                                                     \
    {                                                                                         \
        if (core_)                                                                            \
            core_->backing_scale_changed(vlt::mac::window_backing_scale([self window]));      \
    }                                                                                         \
    -(void)drawRect : (NSRect)rect                                                            \
    {                                                                                         \
        (void)rect;                                                                           \
        if (core_)                                                                            \
            vlt::mac::draw_view(*core_, self);                                                \
    }                                                                                         \
    -(void)mouseDown : (NSEvent*)event                                                        \
    {                                                                                         \
        if (core_)                                                                            \
            core_->press(vlt::mac::pointer_event(self, event));                               \
    }                                                                                         \
    -(void)mouseDragged : (NSEvent*)event                                                     \
    {                                                                                         \
        if (core_)                                                                            \
            core_->drag(vlt::mac::pointer_event(self, event));                                \
    }                                                                                         \
    -(void)mouseUp : (NSEvent*)event                                                          \
    {                                                                                         \
        if (core_)                                                                            \
            core_->release(vlt::mac::pointer_event(self, event));                             \
    }                                                                                         \
    -(void)scrollWheel : (NSEvent*)event                                                      \
    {                                                                                         \
        if (core_)                                                                            \
            core_->wheel(vlt::mac::pointer_event(self, event), vlt::mac::wheel_delta(event)); \
    }                                                                                         \
    -(void)setScale : (float)scale                                                            \
    {                                                                                         \
        if (core_)                                                                            \
            core_->set_scale(scale);                                                          \
    }                                                                                         \
    -(void)startEditorMainIn : (NSView*)parent                                                \
    {                                                                                         \
        if (!core_ || GUIUpdateTimer)                                                         \
            return;                                                                           \
        core_->open(reinterpret_cast<afx_sys_window>(parent));                                \
        GUIUpdateTimer = vlt::mac::start_gui_timer(TheGUIUpdateTarget);                       \
    }                                                                                         \
    -(void)startEditorMain { [self startEditorMainIn:nil]; }                                  \
    -(void)stopEditor                                                                         \
    {                                                                                         \
        [GUIUpdateTimer invalidate];                                                          \
        GUIUpdateTimer = nil;                                                                 \
        [TheGUIUpdateTarget SetCallback:nil];                                                 \
        if (core_)                                                                            \
            core_->close();                                                                   \
    }                                                                                         \
    -(Core*)viewCore { return core_; }
