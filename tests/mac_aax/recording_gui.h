#pragma once
// The stand-in GUI bundle's log, read by the runner through the factory's
// class: every message the GUI object sends, and when the factory and the
// view go away.
#import <Foundation/Foundation.h>

@protocol RecordingGuiLog
+ (NSMutableArray*)events;
@end
