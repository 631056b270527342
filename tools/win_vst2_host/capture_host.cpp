// The capture verb of the Windows VST2 host: the plug-in's part of the
// capture script (win_host_common/capture_driver.h).
#include <cstdio>
#include <memory>

#include "capture_driver.h"
#include "scenario_support.h"
#include "scenarios.h"

namespace {

class Vst2CaptureHost : public win_capture::CaptureHost {
public:
    explicit Vst2CaptureHost(const char* path) : module_(path) {}
    ~Vst2CaptureHost() override
    {
        module_.unload();
        if (frame_)
            DestroyWindow(frame_);
    }

    bool fresh() override
    {
        if (effect_)
            close();
        effect_ = module_.new_instance();
        take_call_lines();  // the instance's start is not a step's
        return effect_ != nullptr;
    }
    HWND open() override
    {
        ERect* rect = nullptr;
        dispatch(effect_, effEditGetRect, 0, 0, &rect);
        if (!rect)
            return nullptr;
        if (frame_)
            DestroyWindow(frame_);
        // Room for the largest editor a grip drag makes at 144 DPI.
        frame_ = make_frame(1100, 1700);
        if (dispatch(effect_, effEditOpen, 0, 0, frame_) != 1)
            return nullptr;
        return editor_child(frame_);
    }
    void close() override { dispatch(effect_, effEditClose); }
    bool host_step(const capture::Step& s) override
    {
        using capture::Verb;
        switch (s.verb) {
        case Verb::kUi:
            effect_->setParameter(effect_, kUiSizeParam, static_cast<float>(s.arg(0)));
            return true;
        case Verb::kParam:
            effect_->setParameter(effect_, s.iarg(0), static_cast<float>(s.arg(1)));
            return true;
        case Verb::kProgram: dispatch(effect_, effSetProgram, 0, s.iarg(0)); return true;
        case Verb::kMeter: effect_->setParameter(effect_, 8, static_cast<float>(s.arg(0))); return true;
        case Verb::kBypass: dispatch(effect_, effSetBypass, 0, s.arg(0) != 0.0 ? 1 : 0); return true;
        default: return false;
        }
    }
    void print_calls() override
    {
        for (const std::string& line : take_call_lines())
            std::printf("%s\n", line.c_str());
    }

private:
    HostModule module_;
    AEffect* effect_ = nullptr;
    HWND frame_ = nullptr;
};

}  // namespace

int scenario_capture(int argc, char** argv)
{
    Vst2CaptureHost host(argv[1]);
    return win_capture::capture_main(host, argc, argv);
}
