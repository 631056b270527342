#include "fake_audio_unit.h"

#import <AppKit/AppKit.h>

#include <algorithm>
#include <map>
#include <set>

struct AUListenerBase {
    AUParameterListenerProc proc;
    void* user_data;
    NSRunLoop* run_loop;
    NSString* mode;
    double interval;
    std::vector<std::pair<AudioUnitParameter, void*>> registered;
    std::map<std::pair<FakeAudioUnit*, int>, float> pending;  // coalesced
    bool scheduled = false;
};

namespace {

std::set<AUListenerBase*>& listeners()
{
    static std::set<AUListenerBase*> all;
    return all;
}

// Units not yet destroyed: a view may outlive its unit (AppKit can hold it
// a little longer) and still name the unit in its listener calls.
std::set<const FakeAudioUnit*>& units()
{
    static std::set<const FakeAudioUnit*> all;
    return all;
}

bool same(const AudioUnitParameter& a, const AudioUnitParameter& b)
{
    return a.mAudioUnit == b.mAudioUnit && a.mParameterID == b.mParameterID && a.mScope == b.mScope &&
           a.mElement == b.mElement;
}

void deliver(AUListenerBase* l);

}  // namespace

// Fires a listener's pending notifications on its run loop.
@interface FakeAUDelivery : NSObject {
@public
    AUListenerBase* listener;
}
- (void)fire:(NSTimer*)timer;
@end

@implementation FakeAUDelivery
- (void)fire:(NSTimer*)timer
{
    (void)timer;
    if (listeners().count(listener))
        deliver(listener);
}
@end

namespace {

void deliver(AUListenerBase* l)
{
    l->scheduled = false;
    auto pending = std::move(l->pending);
    l->pending.clear();
    for (const auto& [key, value] : pending) {
        const AudioUnitParameter p{key.first, static_cast<AudioUnitParameterID>(key.second),
                                   kAudioUnitScope_Global, 0};
        for (const auto& [r, object] : l->registered)
            if (same(r, p) && listeners().count(l))
                l->proc(l->user_data, object, &p, value);
    }
}

void schedule(AUListenerBase* l)
{
    if (l->scheduled)
        return;
    l->scheduled = true;
    FakeAUDelivery* d = [[[FakeAUDelivery alloc] init] autorelease];
    d->listener = l;
    NSTimer* t = [NSTimer timerWithTimeInterval:l->interval
                                         target:d
                                       selector:@selector(fire:)
                                       userInfo:nil
                                        repeats:NO];
    // GNUstep's run loop takes "common modes" as one more mode name: the
    // service spells out the modes it stands for.
    if ([l->mode isEqual:NSRunLoopCommonModes]) {
        [l->run_loop addTimer:t forMode:NSDefaultRunLoopMode];
        [l->run_loop addTimer:t forMode:NSModalPanelRunLoopMode];
        [l->run_loop addTimer:t forMode:NSEventTrackingRunLoopMode];
    } else {
        [l->run_loop addTimer:t forMode:l->mode];
    }
}

// Every listener but the sender hears the unit's new value.
void notify(AUListenerBase* sender, FakeAudioUnit* unit, int number)
{
    for (AUListenerBase* l : listeners()) {
        if (l == sender)
            continue;
        const bool heard = std::any_of(l->registered.begin(), l->registered.end(), [&](const auto& r) {
            return r.first.mAudioUnit == unit && static_cast<int>(r.first.mParameterID) == number;
        });
        if (!heard)
            continue;
        l->pending[{unit, number}] = unit->values[number];
        schedule(l);
    }
}

bool valid(const AudioUnitParameter* p)
{
    return p && units().count(p->mAudioUnit) && p->mParameterID < 10 && p->mScope == kAudioUnitScope_Global &&
           p->mElement == 0;
}

}  // namespace

// The Part's plain ranges; the defaults sit inside them.
ComponentInstanceRecord::ComponentInstanceRecord()
    : values{0.0f, -10.0f, 4.0f, 1.0f, 300.0f, 0.0f, 0.0f, 1.0f, 0.0f, 1.0f}
{
    units().insert(this);
}

ComponentInstanceRecord::~ComponentInstanceRecord()
{
    units().erase(this);
    for (AUListenerBase* l : listeners())
        l->registered.erase(std::remove_if(l->registered.begin(), l->registered.end(),
                                           [this](const auto& r) { return r.first.mAudioUnit == this; }),
                            l->registered.end());
}

void ComponentInstanceRecord::change(int number, float value)
{
    values[number] = value;
    notify(nullptr, this, number);
}

int fake_au_listener_count() { return static_cast<int>(listeners().size()); }

int fake_au_registration_count()
{
    int n = 0;
    for (AUListenerBase* l : listeners())
        n += static_cast<int>(l->registered.size());
    return n;
}

extern "C" {

OSStatus AudioUnitGetParameter(AudioUnit unit, AudioUnitParameterID number, AudioUnitScope scope,
                               AudioUnitElement element, AudioUnitParameterValue* out)
{
    if (!units().count(unit) || number >= 10 || scope != kAudioUnitScope_Global || element != 0 || !out)
        return -1;
    if (number == 9 && unit->refuse_ui_size_read)
        return -1;
    *out = unit->values[number];
    return noErr;
}

OSStatus AUListenerCreate(AUParameterListenerProc proc, void* user_data, CFRunLoopRef run_loop,
                          CFStringRef mode, Float32 interval, AUParameterListenerRef* out)
{
    if (!proc || !out)
        return -1;
    AUListenerBase* l = new AUListenerBase{
        proc, user_data, (NSRunLoop*)(void*)run_loop, (NSString*)(const void*)mode, interval, {}, {}, false};
    listeners().insert(l);
    *out = l;
    return noErr;
}

OSStatus AUListenerDispose(AUParameterListenerRef l)
{
    if (!listeners().erase(l))
        return -1;
    delete l;
    return noErr;
}

OSStatus AUListenerAddParameter(AUParameterListenerRef l, void* object, const AudioUnitParameter* p)
{
    if (!listeners().count(l) || !valid(p))
        return -1;
    l->registered.push_back({*p, object});
    return noErr;
}

OSStatus AUListenerRemoveParameter(AUParameterListenerRef l, void* object, const AudioUnitParameter* p)
{
    if (!listeners().count(l) || !valid(p))
        return -1;
    if (p->mAudioUnit->refuse_removal)
        return -1;
    auto it = std::find_if(l->registered.begin(), l->registered.end(),
                           [&](const auto& r) { return same(r.first, *p) && r.second == object; });
    if (it == l->registered.end())
        return -1;
    l->registered.erase(it);
    return noErr;
}

OSStatus AUParameterSet(AUParameterListenerRef sender, void*, const AudioUnitParameter* p,
                        AudioUnitParameterValue value, UInt32)
{
    if (!valid(p))
        return -1;
    p->mAudioUnit->sets.push_back({static_cast<int>(p->mParameterID), value});
    p->mAudioUnit->values[p->mParameterID] = value;
    notify(sender, p->mAudioUnit, static_cast<int>(p->mParameterID));
    return noErr;
}

OSStatus AUParameterListenerNotify(AUParameterListenerRef sender, void*, const AudioUnitParameter* p)
{
    if (!valid(p))
        return -1;
    notify(sender, p->mAudioUnit, static_cast<int>(p->mParameterID));
    return noErr;
}

OSStatus AUEventListenerNotify(AUEventListenerRef, void*, const AudioUnitEvent* e)
{
    if (!e || !valid(&e->mArgument.mParameter))
        return -1;
    const AudioUnitParameter& p = e->mArgument.mParameter;
    p.mAudioUnit->gestures.push_back({static_cast<int>(p.mParameterID), e->mEventType});
    return noErr;
}

}  // extern "C"

RecordingListener::RecordingListener(FakeAudioUnit& unit)
{
    AUListenerCreate(proc, this, CFRunLoopGetCurrent(), kCFRunLoopCommonModes, 0.02f, &listener_);
    for (int n = 0; n < 10; ++n) {
        parameters_[n] =
            AudioUnitParameter{&unit, static_cast<AudioUnitParameterID>(n), kAudioUnitScope_Global, 0};
        AUListenerAddParameter(listener_, nullptr, &parameters_[n]);
    }
}

RecordingListener::~RecordingListener()
{
    for (auto& p : parameters_)
        AUListenerRemoveParameter(listener_, nullptr, &p);
    AUListenerDispose(listener_);
}

void RecordingListener::proc(void* self, void*, const AudioUnitParameter* p, AudioUnitParameterValue v)
{
    static_cast<RecordingListener*>(self)->heard.push_back({static_cast<int>(p->mParameterID), v});
}
