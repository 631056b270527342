#pragma once
// What the GUI object sends to the GUI bundle's factory and view. Both the
// plug-in and the bundle compile against these declarations: a message to a
// selector the compiler has not seen passes float and struct arguments the
// wrong way, so nothing here is ever sent undeclared. Every message is sent
// on the main thread.
#import <AppKit/AppKit.h>

#include <cstdint>

class AAX_IACFEffectParameters;
class AAX_IViewContainer;
class AAX_IController;

// The GUI bundle's principal class.
@protocol VLT650_AAXViewFactory <NSObject>
- (int32_t)interfaceVersion;
- (NSString*)description;
// An autoreleased editor view, sized and ready to be given its host objects.
- (NSView*)uiViewForAAX;
@end

// The editor view the factory makes. The three host objects are borrowed
// and may be null; index 0..6 of setParameter:: follows the AAX host map,
// 7 is the gain-reduction meter (0..1).
@protocol VLT650_AAXEditorView <NSObject>
- (void)setEffectParameterPtr:(AAX_IACFEffectParameters*)parameters;
- (void)setViewContainerPtr:(AAX_IViewContainer*)container;
- (void)setEffectControllerPtr:(AAX_IController*)controller;
- (void)setParameter:(int32_t)index:(float)value;
- (void)startEditorMain;
// Stops the tick; the view's timer holds the view until then.
- (void)stopEditor;
@optional
// The view's own messages, for its tests and for the view itself.
- (void)control_update_meter:(float)x;  // the meter at x * 99
- (uint32_t)GetAAXModifiersFromNSEvent:(NSEvent*)event;
- (void)setProgram:(int32_t)index;  // applies preset record index
- (void)initFactoryPresets;
- (int32_t)currentProgram;
- (unsigned long)tickCount;  // timer ticks so far
@end

enum : int32_t { kVLT650_AAXViewMeterIndex = 7 };
