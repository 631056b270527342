// The capture verb for the Audio Unit view (tools/mac_host/view_capture.h):
// the view of a fake unit in the test host, the unit's values in its own
// plain terms, the host's calls the unit's gesture and set log.
//   au_view_capture OUT_DIR STEP...
// ui=V is the unit's UI size (1..2), param=N,V a plain value the unit sets
// (the listener delivers it at the next tick), meter=V the meter's share
// of its 20 dB. VLT_AU_VIEW_BUNDLE names another build's bundle.
#import <AppKit/AppKit.h>

#include <cstdio>
#include <memory>

#include "au_view_host.h"
#include "view_capture.h"

namespace {

class AuCaptureHost : public mac_host::ViewCaptureHost {
public:
    bool fresh() override
    {
        close();
        unit_ = std::make_unique<FakeAudioUnit>();
        gestures_ = sets_ = 0;
        return true;
    }
    bool open() override
    {
        close();
        host_ = std::make_unique<AuViewHost>(*unit_, 0.0);
        return host_->view() != nil;
    }
    void close() override { host_.reset(); }
    mac_host::HostWindow* window() override { return host_ ? &host_->window() : nullptr; }
    void* view() override { return host_ ? host_->view() : nullptr; }
    bool host_step(const capture::Step& s) override
    {
        using capture::Verb;
        switch (s.verb) {
        case Verb::kUi: change(9, static_cast<float>(s.arg(0))); return true;
        case Verb::kParam:
            if (s.iarg(0) < 0 || s.iarg(0) > 9)
                return false;
            change(s.iarg(0), static_cast<float>(s.arg(1)));
            return true;
        case Verb::kMeter: change(8, static_cast<float>(20.0 * s.arg(0))); return true;
        default: return false;
        }
    }
    void print_calls() override
    {
        for (; gestures_ < unit_->gestures.size(); ++gestures_)
            std::printf("  gesture %d %d\n", unit_->gestures[gestures_].first,
                        static_cast<int>(unit_->gestures[gestures_].second));
        for (; sets_ < unit_->sets.size(); ++sets_)
            std::printf("  set %d %g\n", unit_->sets[sets_].first,
                        static_cast<double>(unit_->sets[sets_].second));
    }

private:
    // Before the view exists the value is only the unit's; after, every
    // listener hears it.
    void change(int number, float value)
    {
        if (host_)
            unit_->change(number, value);
        else
            unit_->values[number] = value;
    }
    std::unique_ptr<FakeAudioUnit> unit_;
    std::unique_ptr<AuViewHost> host_;
    std::size_t gestures_ = 0, sets_ = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: au_view_capture OUT_DIR STEP...\n");
        return 2;
    }
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    [NSApplication sharedApplication];
    int status = 0;
    {
        AuCaptureHost host;
        status = mac_host::capture_main(host, argv[1], argc, argv, 2);
    }
    [pool release];
    return status;
}
