// The AAX modifier bits of real Cocoa mouse events. GNUstep's X back end
// maps Alt_L to Command and no key to Option by default, so the flags are
// set on made events rather than typed.
#import <AppKit/AppKit.h>

#include <gtest/gtest.h>

#include "aax_event_modifiers.h"

namespace {

NSEvent* mouse(NSEventType type, NSUInteger flags)
{
    return [NSEvent mouseEventWithType:type
                              location:NSMakePoint(10, 10)
                         modifierFlags:flags
                             timestamp:0
                          windowNumber:0
                               context:nil
                           eventNumber:0
                            clickCount:1
                              pressure:1];
}

TEST(AaxModifiers, FollowTheTableForEveryButtonEvent)
{
    struct Case {
        NSEventType type;
        NSUInteger flags;
        uint32_t bits;
    };
    const Case cases[] = {
        {NSLeftMouseDown, 0, 0},
        {NSLeftMouseDown, NSShiftKeyMask, 0},
        {NSLeftMouseDown, NSControlKeyMask, 2},
        {NSLeftMouseDown, NSAlternateKeyMask, 4},
        {NSLeftMouseDown, NSCommandKeyMask, 8},
        {NSLeftMouseDragged, NSControlKeyMask | NSAlternateKeyMask | NSCommandKeyMask | NSShiftKeyMask, 14},
        {NSRightMouseDown, 0, 16},
        {NSRightMouseUp, NSCommandKeyMask, 24},
        {NSRightMouseDragged, NSShiftKeyMask, 16},
        {NSLeftMouseUp, NSAlternateKeyMask, 4},
    };
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    for (const Case& c : cases)
        EXPECT_EQ(aax_modifiers_from_event(mouse(c.type, c.flags)), c.bits)
            << "type " << int(c.type) << " flags " << c.flags;
    [pool release];
}

TEST(AaxModifiers, NoEventGivesNoBits) { EXPECT_EQ(aax_modifiers_from_event(nil), 0u); }

}  // namespace
