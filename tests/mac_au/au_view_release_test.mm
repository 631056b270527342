// Releasing the Audio Unit view while it runs: its timer ticking, its
// listener registered, a notification on its way. Also built with the
// bundle under AddressSanitizer, where anything that reaches the freed view
// afterwards (a tick, a notification) stops the program.
#import <AppKit/AppKit.h>

#include <gtest/gtest.h>

#include "au_view_host.h"

TEST(AuViewRelease, NoListenerAndNoTickAfterTheViewIsFreed)
{
    struct Case {
        const char* name;
        bool refuse_removal;
    } cases[] = {{"plain", false}, {"the unit refuses the removal", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeAudioUnit unit;
        {
            AuViewHost host(unit);
            ASSERT_EQ(fake_au_listener_count(), 1);
            ASSERT_TRUE([[host.view() valueForKey:@"GUIUpdateTimer"] isValid]);
            unit.refuse_removal = c.refuse_removal;
            unit.change(0, 3.0f);  // heard after the view is gone, if at all
            NSView* view = host.take_view();
            EXPECT_NO_THROW([view release]);  // dealloc logs, never raises
            host.run(0.3);                    // fifteen ticks' time
        }
        EXPECT_EQ(fake_au_listener_count(), 0);
        unit.refuse_removal = false;
    }
}

TEST(AuViewRelease, AViewNeverAttachedIsFreedWithoutListenerCalls)
{
    Class view_class = NSClassFromString(@"BrindleVLT650CocoaView");
    ASSERT_NE(view_class, Nil);
    NSView* view = [[view_class alloc] initWithFrame:NSMakeRect(0, 0, 468, 510)];
    EXPECT_NO_THROW([view release]);
    EXPECT_EQ(fake_au_listener_count(), 0);
}
