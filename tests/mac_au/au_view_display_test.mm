// The Audio Unit view as a host sees it: loaded from its bundle, attached to
// a fake unit, shown in a window, driven with the real pointer.
#import <AppKit/AppKit.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
#include <vector>

#include "au_view_host.h"
#include "cocoa/cocoa_editor_window.h"
#include "scripted_appkit.h"

// An assertion handler that records instead of raising, as a host may
// install one.
@interface VltRecordingAssertionHandler : NSAssertionHandler {
@public
    NSMutableArray* failures;
}
@end

@implementation VltRecordingAssertionHandler
- (void)handleFailureInMethod:(SEL)selector
                       object:(id)object
                         file:(NSString*)fileName
                   lineNumber:(NSInteger)line
                  description:(NSString*)format, ...
{
    (void)selector, (void)object, (void)fileName, (void)line;
    va_list args;
    va_start(args, format);
    [failures addObject:[[[NSString alloc] initWithFormat:format arguments:args] autorelease]];
    va_end(args);
}
@end

namespace {

class RecordingAssertions {
public:
    RecordingAssertions() : handler_([[VltRecordingAssertionHandler alloc] init])
    {
        handler_->failures = [[NSMutableArray alloc] init];
        [[[NSThread currentThread] threadDictionary] setObject:handler_ forKey:@"NSAssertionHandler"];
    }
    ~RecordingAssertions()
    {
        [[[NSThread currentThread] threadDictionary] removeObjectForKey:@"NSAssertionHandler"];
        [handler_->failures release];
        [handler_ release];
    }
    int count(NSString* ending) const
    {
        int n = 0;
        for (NSUInteger i = 0; i < [handler_->failures count]; ++i)
            n += [[handler_->failures objectAtIndex:i] hasSuffix:ending] ? 1 : 0;
        return n;
    }

private:
    VltRecordingAssertionHandler* handler_;
};

constexpr int kInGainX = 101, kInGainY = 16 + 109;  // knob centres on the panel
constexpr int kPowerX = 125, kPowerY = 8;

// Screen point of a panel point (the window sits at the screen's top left).
std::string at(const AuViewHost& host, int px, int py)
{
    const auto& c = host.editor_window();
    return std::to_string(static_cast<int>(c.x_pos() + px * c.magnification())) + " " +
           std::to_string(static_cast<int>(c.y_pos() + py * c.magnification()));
}

std::multiset<int> ids_of(const FakeAudioUnit& unit, AudioUnitEventType type)
{
    std::multiset<int> ids;
    for (auto [number, t] : unit.gestures)
        if (t == type)
            ids.insert(number);
    return ids;
}

}  // namespace

TEST(AuViewFactory, AnswersAsAnAudioUnitViewFactory)
{
    EXPECT_EQ(AuViewHost::interface_version(), 0u);
    EXPECT_EQ(AuViewHost::description(), "VLT650");
}

TEST(AuViewFactory, ViewSizeFollowsTheUnitsUiSize)
{
    struct Case {
        float ui_size;
        bool refuse_read;
        int width, height, x_pos;
        float core_ui_size;
    } cases[] = {
        {1.0f, false, 468, 510, 162, 0.0f},
        {2.0f, false, 468, 1020, 90, 1.0f},
        {2.0f, true, 468, 510, 162, 0.0f},  // the read fails: size 1, the UI size untouched
        // Not a number: the smallest size; beyond 1..2: the nearer end.
        {std::numeric_limits<float>::quiet_NaN(), false, 468, 510, 162, 0.0f},
        {std::numeric_limits<float>::infinity(), false, 468, 1020, 90, 1.0f},
        {-std::numeric_limits<float>::infinity(), false, 468, 510, 162, 0.0f},
        {1e30f, false, 468, 1020, 90, 1.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "ui " << c.ui_size << " refused " << c.refuse_read);
        FakeAudioUnit unit;
        unit.values[9] = c.ui_size;
        unit.refuse_ui_size_read = c.refuse_read;
        RecordingAssertions assertions;  // the sync reports the refused read
        AuViewHost host(unit);
        EXPECT_EQ(assertions.count(@"(x.1)"), c.refuse_read ? 1 : 0);
        const NSSize size = [host.view() frame].size;
        EXPECT_EQ(size.width, c.width);
        EXPECT_EQ(size.height, c.height);
        EXPECT_EQ(host.editor_window().x_pos(), c.x_pos);
        EXPECT_FLOAT_EQ(host.editor_window().ui_size(), c.core_ui_size);
    }
}

TEST(AuViewSync, WritesBackEveryParameterButTheMeterAndOthersHearIt)
{
    FakeAudioUnit unit;
    RecordingListener automation(unit);
    AuViewHost host(unit);
    std::set<int> written;
    for (const auto& s : unit.sets)
        written.insert(s.first);
    EXPECT_EQ(written, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 9}));
    host.run(0.1);
    std::set<int> heard;
    for (const auto& h : automation.heard)
        heard.insert(h.first);
    EXPECT_EQ(heard, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

// Plain values from the unit that are not numbers or lie beyond their
// ranges: the widgets take them by the view's one rule, NaN at the
// control's minimum, the infinities and anything beyond at the nearer end
// (Threshold runs from 0 down to -20 dB), and the view goes on drawing.
TEST(AuViewListener, ValuesBeyondTheirRangesLandAtTheEnds)
{
    using vlt::editor::Widget;
    using limits = std::numeric_limits<float>;
    const float nan = limits::quiet_NaN(), inf = limits::infinity();
    const struct Case {
        int number;
        Widget widget;
        float plain, shown;
    } cases[] = {
        {0, vlt::editor::kInGainKnob, nan, 0},
        {0, vlt::editor::kInGainKnob, inf, 99},
        {0, vlt::editor::kInGainKnob, -inf, 0},
        {0, vlt::editor::kInGainKnob, std::nextafter(12.0f, 13.0f), 99},
        {0, vlt::editor::kInGainKnob, -limits::max(), 0},
        {0, vlt::editor::kInGainKnob, -0.0f, 33},  // 0 dB
        {1, vlt::editor::kThresholdKnob, -inf, 99},
        {1, vlt::editor::kThresholdKnob, inf, 0},
        {1, vlt::editor::kThresholdKnob, nan, 0},
        {2, vlt::editor::kRatioKnob, nan, 0},
        {2, vlt::editor::kRatioKnob, inf, 99},
        {2, vlt::editor::kRatioKnob, -inf, 0},
        {2, vlt::editor::kRatioKnob, limits::max(), 99},
        {8, vlt::editor::kMeter, nan, 0},
        {8, vlt::editor::kMeter, inf, 99},
        {8, vlt::editor::kMeter, -inf, 0},
        {8, vlt::editor::kMeter, -0.0f, 0},
        {8, vlt::editor::kMeter, limits::denorm_min(), 0},
        {8, vlt::editor::kMeter, std::nextafter(20.0f, 21.0f), 99},
        {8, vlt::editor::kMeter, limits::max(), 99},
    };
    // Each case starts from the middle of the range: 3 dB, -10 dB, 5.75:1, 10 dB.
    const float middle[] = {3.0f, -10.0f, 5.75f, 0, 0, 0, 0, 0, 10.0f};
    FakeAudioUnit unit;
    AuViewHost host(unit);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "parameter " << c.number << " = " << c.plain);
        unit.change(c.number, middle[c.number]);
        host.run(0.1);
        ASSERT_NEAR(host.editor_window().value(c.widget), 49.5f, 1e-3f);
        unit.change(c.number, c.plain);
        host.run(0.1);
        EXPECT_NEAR(host.editor_window().value(c.widget), c.shown, 1e-3f);
        EXPECT_FALSE(std::signbit(host.editor_window().value(c.widget)));
        EXPECT_FALSE(host.pixels().empty());
    }
}

TEST(AuViewInput, KnobDragIsFramedByGesturesAndEndsAllEight)
{
    FakeAudioUnit unit;
    AuViewHost host(unit);
    unit.sets.clear();
    const std::string knob = at(host, kInGainX, kInGainY);
    pointer("mousemove " + knob + " mousedown 1");
    host.run(0.1);
    pointer("mousemove_relative -- 0 -30");
    host.run(0.1);
    unit.change(0, 12.0f);  // the host during the drag: dropped
    host.run(0.1);
    EXPECT_TRUE(host.editor_window().focused(vlt::editor::kInGainKnob));
    EXPECT_LT(host.editor_window().value(vlt::editor::kInGainKnob), 99.0f);
    pointer("mouseup 1");
    host.run(0.1);
    ASSERT_FALSE(unit.gestures.empty());
    EXPECT_EQ(unit.gestures.front(), std::make_pair(0, AudioUnitEventType{1}));
    EXPECT_EQ(ids_of(unit, 2), (std::multiset<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    ASSERT_FALSE(unit.sets.empty());
    EXPECT_EQ(unit.sets.back().first, 0);
    EXPECT_GT(unit.sets.back().second, 0.0f);  // upwards: more gain than the 0 dB it had
}

TEST(AuViewInput, DoubleClicks)
{
    struct Case {
        const char* name;
        int px, py;  // panel point; px < 0: left of the panel
        int number;
        float value;  // last AUParameterSet
    } cases[] = {
        {"In Gain resets to 0 dB", kInGainX, kInGainY, 0, 0.0f},
        {"beside the panel: smallest size", -60, 300, 9, 1.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeAudioUnit unit;
        unit.values[0] = 6.0f;
        unit.values[9] = 1.5f;
        AuViewHost host(unit);
        unit.sets.clear();
        unit.gestures.clear();
        pointer("mousemove " + at(host, c.px, c.py) + " click --repeat 2 --delay 60 1");
        host.run(0.2);
        ASSERT_FALSE(unit.sets.empty());
        EXPECT_EQ(unit.sets.back().first, c.number);
        EXPECT_NEAR(unit.sets.back().second, c.value, 0.01f);
        if (c.number == 0) {
            ASSERT_FALSE(unit.gestures.empty());
            EXPECT_EQ(unit.gestures.front(), std::make_pair(0, AudioUnitEventType{1}));
        }
    }
}

// The neon switch takes clicks in its box, edges included, and nowhere
// else; a click turns the effect out (bypass 1) and the lamp's strip with it.
TEST(AuViewInput, EffectSwitchClickBox)
{
    struct Case {
        int px, py;
        bool hit;
    } cases[] = {{72, 437, true}, {50, 427, true}, {94, 447, true}, {49, 437, false}, {72, 448, false}};
    auto lamp = [](const AuViewHost& host) {
        const std::vector<unsigned char> all = host.pixels();
        std::vector<unsigned char> box;
        for (int y = 427; y < 447; ++y)
            box.insert(box.end(), all.begin() + (y * 468 + 162 + 50) * 3,
                       all.begin() + (y * 468 + 162 + 94) * 3);
        return box;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.px << "," << c.py);
        FakeAudioUnit unit;
        AuViewHost host(unit);
        unit.sets.clear();
        const std::vector<unsigned char> before = lamp(host);
        pointer("mousemove " + at(host, c.px, c.py) + " click 1");
        host.run(0.2);
        EXPECT_EQ(lamp(host) != before, c.hit);
        if (!c.hit) {
            EXPECT_TRUE(unit.sets.empty());
            continue;
        }
        ASSERT_EQ(unit.sets.size(), 1u);
        EXPECT_EQ(unit.sets[0], std::make_pair(6, 1.0f));
    }
}

// Up is more, whatever the device's direction; a sideways wheel does
// nothing.
TEST(AuViewInput, WheelStepsTheKnobItIsOver)
{
    struct Case {
        const char* name;
        const char* button;
        bool inverted;
        int direction;  // of In Gain's change; 0: nothing sent
    } cases[] = {
        {"up", "4", false, 1},
        {"down", "5", false, -1},
        {"up, inverted by the device", "4", true, -1},
        {"down, inverted by the device", "5", true, 1},
        {"left", "6", false, 0},
        {"right", "7", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeAudioUnit unit;
        unit.values[0] = 6.0f;
        AuViewHost host(unit);
        unit.sets.clear();
        set_inverted_scrolling(c.inverted);
        pointer("mousemove " + at(host, kInGainX, kInGainY) + " click " + c.button);
        host.run(0.2);
        set_inverted_scrolling(false);
        if (c.direction == 0) {
            EXPECT_TRUE(unit.sets.empty());
            continue;
        }
        ASSERT_EQ(unit.sets.size(), 1u);
        EXPECT_EQ(unit.sets[0].first, 0);
        EXPECT_EQ(unit.sets[0].second > 6.0f ? 1 : -1, c.direction) << unit.sets[0].second;
        EXPECT_EQ(ids_of(unit, kAudioUnitEvent_BeginParameterChangeGesture), std::multiset<int>{0});
        EXPECT_EQ(ids_of(unit, kAudioUnitEvent_EndParameterChangeGesture), std::multiset<int>{0});
    }
}

// The corner grip: down grows the view, up shrinks it, and the host hears
// the new UI size. The pointer stays in the window: outside it GNUstep
// reports a drag's deltas from somewhere else.
TEST(AuViewInput, ResizeDragFromTheCorner)
{
    struct Case {
        float ui_size;
        int travel;  // points down
    } cases[] = {{1.0f, 15}, {1.5f, -15}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "from " << c.ui_size << " by " << c.travel);
        FakeAudioUnit unit;
        unit.values[9] = c.ui_size;
        AuViewHost host(unit);
        const NSSize before = [host.view() frame].size;
        pointer("mousemove " + std::to_string(static_cast<int>(before.width) - 15) + " " +
                std::to_string(static_cast<int>(before.height) - 18) + " mousedown 1");
        host.run(0.1);
        pointer("mousemove_relative -- 0 " + std::to_string(c.travel));
        host.run(0.1);
        pointer("mouseup 1");
        host.run(0.2);
        // 1.25 UI-size units per view height of travel.
        const float ui_size = c.ui_size + 1.25f * c.travel / static_cast<float>(before.height);
        EXPECT_NEAR(unit.values[9], ui_size, 0.005f);
        EXPECT_EQ([host.view() frame].size.height, static_cast<int>(510.0f * ui_size + 0.5f));
        EXPECT_EQ([host.view() frame].size.width, 468);
    }
}

// Screens of another backing scale: 1 and 2 are used as they are, anything
// else draws as 1. GNUstep never calls viewDidChangeBackingProperties, so
// the test calls it as a Mac does when the window moves to another screen.
TEST(AuViewDrawing, BackingScalesOtherThan1And2DrawAt1)
{
    std::vector<unsigned char> at_1;
    {
        FakeAudioUnit unit;
        AuViewHost host(unit);
        at_1 = host.pixels();
    }
    struct Case {
        double created, moved;  // moved 0: stays on the first screen
        int pixmap_width;
    } cases[] = {{3.0, 0, 468},   {0.5, 0, 468},   {2.0, 0, 936},
                 {2.0, 3.0, 468}, {2.0, 0.5, 468}, {1.0, 2.0, 936}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.created << " then " << c.moved);
        ScopedBackingScale screen(c.created);
        FakeAudioUnit unit;
        AuViewHost host(unit);
        if (c.moved != 0) {
            screen.set(c.moved);
            [host.view() performSelector:@selector(viewDidChangeBackingProperties)];
            host.run(0.1);
        }
        EXPECT_EQ(host.editor_window().view_pixmap()->width, c.pixmap_width);
        EXPECT_EQ(host.editor_window().view_pixmap()->height, c.pixmap_width == 468 ? 510 : 1020);
        if (c.pixmap_width == 468) {
            EXPECT_TRUE(host.pixels() == at_1);
        }
    }
}

// Beside the panel the view shows its own background: dots every 8 points
// and the orange grip in the bottom-right corner.
TEST(AuViewDrawing, MarginsShowTheDotsAndTheCornerGrip)
{
    const unsigned char dot[3] = {32, 32, 32}, black[3] = {0, 0, 0}, orange[3] = {197, 142, 0};
    struct Case {
        int x, y;
        const unsigned char* rgb;
    } cases[] = {{0, 0, dot},
                 {8, 16, dot},
                 {1, 0, black},
                 {4, 4, black},
                 {466, 508, orange},
                 {467, 509, black},
                 {465, 507, orange},
                 {464, 508, black},
                 {466 - 16, 508, orange},
                 {466 - 16, 508 - 4, black}};
    FakeAudioUnit unit;
    AuViewHost host(unit);
    const std::vector<unsigned char> all = host.pixels();
    for (const Case& c : cases) {
        const unsigned char* p = &all[static_cast<std::size_t>(c.y * 468 + c.x) * 3];
        EXPECT_EQ(std::vector<int>(p, p + 3), std::vector<int>(c.rgb, c.rgb + 3)) << c.x << "," << c.y;
    }
}

TEST(AuViewDrawing, PowerOffDrawsTheWholeViewInGrey)
{
    FakeAudioUnit unit;
    AuViewHost host(unit);
    auto colourful = [&] {
        int coloured = 0;
        unsigned char p[3];
        for (int y = 20; y < 500; y += 20)
            for (int x = 170; x < 300; x += 10) {
                host.pixel(x, y, p);
                coloured += (p[0] != p[1] || p[1] != p[2]);
            }
        return coloured;
    };
    ASSERT_GT(colourful(), 0);
    pointer("mousemove " + at(host, kPowerX, kPowerY) + " click 1");
    host.run(0.2);
    EXPECT_FALSE(host.editor_window().power_on());
    EXPECT_EQ(unit.values[7], 0.0f);
    EXPECT_EQ(colourful(), 0);
}

// The host switching the power off greys the whole view at once, margins
// and knobs too, as a click on the power button does.
TEST(AuViewDrawing, HostPowerOffGreysTheWholeViewAtOnce)
{
    FakeAudioUnit unit;
    AuViewHost host(unit);
    host.run(0.1);
    const struct Case {
        int x, y;
        unsigned char on[3], off[3];
    } cases[] = {{466, 508, {197, 142, 0}, {105, 105, 105}}, {0, 0, {32, 32, 32}, {25, 25, 25}}};
    auto at = [&](const Case& c) {
        unsigned char p[3];
        host.pixel(c.x, c.y, p);
        return std::vector<int>(p, p + 3);
    };
    for (const Case& c : cases)
        ASSERT_EQ(at(c), std::vector<int>(c.on, c.on + 3)) << c.x << "," << c.y;
    unit.change(7, 0.0f);
    host.run(0.2);
    EXPECT_FALSE(host.editor_window().power_on());
    for (const Case& c : cases)
        EXPECT_EQ(at(c), std::vector<int>(c.off, c.off + 3)) << c.x << "," << c.y;
    unit.change(7, 1.0f);
    host.run(0.2);
    for (const Case& c : cases)
        EXPECT_EQ(at(c), std::vector<int>(c.on, c.on + 3)) << c.x << "," << c.y;
}

// A unit already powered off when its view is made is shown off from the
// first picture, lamp and meter included, as when the host switches it off
// after the view is up. (The power button itself is drawn over the spacer
// at first and over the bare panel once redrawn, so its own box is left
// out of the comparison.)
TEST(AuViewDrawing, AUnitPoweredOffBeforeTheViewIsMadeIsShownOff)
{
    std::vector<unsigned char> switched_later;
    {
        FakeAudioUnit unit;
        AuViewHost host(unit);
        host.run(0.1);
        unit.change(7, 0.0f);
        host.run(0.2);
        switched_later = host.pixels();
    }
    FakeAudioUnit unit;
    unit.values[7] = 0.0f;
    AuViewHost host(unit);
    host.run(0.2);
    EXPECT_FALSE(host.editor_window().power_on());
    const std::vector<unsigned char> now = host.pixels();
    ASSERT_EQ(now.size(), switched_later.size());
    const int x0 = host.editor_window().x_pos();
    int differ = 0;
    for (std::size_t i = 0; i + 2 < now.size(); i += 3) {
        const int x = static_cast<int>(i / 3 % 468) - x0, y = static_cast<int>(i / 3 / 468);
        const bool power_button = std::abs(x - kPowerX) <= 16 && y <= 2 * kPowerY;
        differ += !power_button && !std::equal(&now[i], &now[i] + 3, &switched_later[i]);
    }
    EXPECT_EQ(differ, 0);
}

TEST(AuViewListener, OwnWritesAreNotEchoedButOthersHearThem)
{
    FakeAudioUnit unit;
    AuViewHost host(unit);
    RecordingListener automation(unit);
    pointer("mousemove " + at(host, kInGainX, kInGainY) + " click 4");
    host.run(0.1);
    const float sent = unit.values[0];
    // An echo of a value the view no longer shows would move the knob back.
    host.editor_window().host_value(vlt::editor::Control::kInGain, 0.0f);
    host.run(0.1);
    EXPECT_EQ(host.editor_window().value(vlt::editor::kInGainKnob), 0.0f);
    ASSERT_FALSE(automation.heard.empty());
    EXPECT_EQ(automation.heard.back(), std::make_pair(0, sent));
}

TEST(AuViewListener, MeterShowsTheUnitsGainReduction)
{
    struct Case {
        float db;
        float shown;
    } cases[] = {{20.0f, 99.0f}, {0.0f, 0.0f}, {30.0f, 99.0f}};
    FakeAudioUnit unit;
    AuViewHost host(unit);
    for (const Case& c : cases) {
        unit.change(8, c.db);
        // The listener hands the change on within its interval; a loaded
        // machine may take longer.
        for (int i = 0; i < 100 && host.editor_window().value(vlt::editor::kMeter) != c.shown; ++i)
            host.run(0.05);
        EXPECT_FLOAT_EQ(host.editor_window().value(vlt::editor::kMeter), c.shown) << c.db << " dB";
    }
}

TEST(AuViewBanner, AValueGivesWayToTheVersionThenABlankLine)
{
    FakeAudioUnit unit;
    AuViewHost host(unit);
    pointer("mousemove " + at(host, kInGainX, kInGainY) + " click 4");
    host.run(0.1);
    const std::string value_text = host.editor_window().banner_text();
    ASSERT_NE(value_text.find("In Gain"), std::string::npos) << value_text;
    // The test calls the tick itself; the timer's own ticks stop with the run loop.
    auto tick = [&](int n) {
        for (int i = 0; i < n; ++i)
            [host.view() performSelector:@selector(guiUpdateCallback)];
    };
    const vlt::editor::BannerTiming& timing = host.editor_window().build().banner;
    const int to_version = host.editor_window().banner_ticks() - timing.version_at;
    ASSERT_GT(to_version, 1);
    tick(to_version - 1);
    EXPECT_EQ(host.editor_window().banner_text(), value_text);
    tick(1);
    EXPECT_STREQ(host.editor_window().banner_text(), "VLT650  V2.3.1");
    tick(timing.version_at - timing.blank_at - 1);
    EXPECT_STREQ(host.editor_window().banner_text(), "VLT650  V2.3.1");
    tick(1);
    EXPECT_EQ(std::string(host.editor_window().banner_text()).find_first_not_of(' '), std::string::npos);
}
