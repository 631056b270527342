// The capture verb of the Windows VST3 host: the plug-in's part of the
// capture script (win_host_common/capture_driver.h). The controller hears
// the host's values (setParamNormalized: the meter on id 6, the host's
// bypass on 97, program changes on 8), the view the host's sizes (onSize).
#include <cstdio>
#include <memory>

#include "capture_driver.h"
#include "vst3_module.h"

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

constexpr ParamID kMeterId = 6, kPresetId = 8, kHostBypassId = 97;

class Vst3CaptureHost : public win_capture::CaptureHost {
public:
    explicit Vst3CaptureHost(const char* path) : module_(path) {}
    ~Vst3CaptureHost() override
    {
        close();
        pair_.reset();
        if (frame_)
            DestroyWindow(frame_);
    }

    bool fresh() override
    {
        close();
        pair_.reset();
        if (!module_.loaded())
            return false;
        pair_ = std::make_unique<PluginPair>(module_.factory());
        return pair_->ok();
    }
    HWND open() override
    {
        close();
        if (!frame_)
            frame_ = make_frame(1280, 1700);
        view_ = pair_->controller->createView("editor");
        if (!view_)
            return nullptr;
        view_->setFrame(&plug_frame_);
        if (view_->attached(frame_, "HWND") != kResultOk)
            return nullptr;
        return GetWindow(frame_, GW_CHILD);
    }
    void close() override
    {
        if (!view_)
            return;
        view_->removed();
        view_->setFrame(nullptr);
        view_->release();
        view_ = nullptr;
    }
    bool host_step(const capture::Step& s) override
    {
        IEditController* c = pair_->controller.get();
        using capture::Verb;
        switch (s.verb) {
        case Verb::kParam: c->setParamNormalized(static_cast<ParamID>(s.iarg(0)), s.arg(1)); return true;
        case Verb::kMeter: c->setParamNormalized(kMeterId, s.arg(0)); return true;
        case Verb::kBypass: c->setParamNormalized(kHostBypassId, s.arg(0)); return true;
        case Verb::kProgram: {
            ParameterInfo info{};
            for (int32 i = 0; i < c->getParameterCount(); ++i)
                if (c->getParameterInfo(i, info) == kResultOk && info.id == kPresetId)
                    break;
            const double steps = info.stepCount > 0 ? info.stepCount : 1;
            c->setParamNormalized(kPresetId, s.arg(0) / steps);
            return true;
        }
        case Verb::kSize: {
            if (!view_)
                return false;
            ViewRect r{0, 0, s.iarg(0), s.iarg(1)};
            return view_->onSize(&r) == kResultOk;
        }
        default: return false;
        }
    }
    void print_calls() override
    {
        for (const std::string& line : pair_->handler->log)
            std::printf("  %s\n", line.c_str());
        pair_->handler->log.clear();
        if (plug_frame_.resizes != reported_resizes_)
            std::printf("  resizeView x%d\n", plug_frame_.resizes - reported_resizes_);
        reported_resizes_ = plug_frame_.resizes;
    }

private:
    Vst3Module module_;
    std::unique_ptr<PluginPair> pair_;
    RecordingFrame plug_frame_;
    HWND frame_ = nullptr;
    IPlugView* view_ = nullptr;
    int reported_resizes_ = 0;
};

}  // namespace

int vst3_capture_main(int argc, char** argv)
{
    Vst3CaptureHost host(argv[1]);
    return win_capture::capture_main(host, argc, argv);
}
