#pragma once
// What the GUI object sends to the GUI bundle's factory and view. Both the
// plug-in and the bundle compile against these declarations: a message to a
// selector the compiler has not seen passes float and struct arguments the
// wrong way, so nothing here is ever sent undeclared. Every message is sent
// on the main thread.
#import <AppKit/AppKit.h>

#include <cstdint>

#include "aax_param_ids.h"

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
// and may be null; setParameter::'s index is the view's own numbering of
// the parameter model (params::aax::kViewIndices), the meter (0..1) included.
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

enum : int32_t { kVLT650_AAXViewMeterIndex = vlt::params::aax::view_index_of(vlt::params::kMeter) };
