// The capture verb of the Windows AAX host: the plug-in's part of the
// capture script (win_host_common/capture_driver.h), the host's values as
// tests/aax/capture_host_values.h sets them.
#include <cstdio>
#include <memory>

#include "aax_session.h"
#include "capture_driver.h"
#include "capture_host_values.h"

namespace {

class AaxCaptureHost : public win_capture::CaptureHost {
public:
    explicit AaxCaptureHost(const char* path) : path_(path) {}
    ~AaxCaptureHost() override { end(); }

    bool fresh() override
    {
        end();
        session_ = std::make_unique<AaxSession>(path_);
        return session_->ready();
    }
    HWND open() override
    {
        // As AaxSession::open, without its timed pump: the capture runs the
        // messages itself, the timer's apart.
        std::unique_ptr<fake::ViewContainer> last = std::move(session_->container);
        session_->container =
            std::make_unique<fake::ViewContainer>(AAX_eViewContainer_Type_HWND, session_->frame);
        if (session_->gui->SetViewContainer(session_->container.get()) != 0)
            return nullptr;
        return session_->child();
    }
    void close() override
    {
        if (session_ && session_->container)
            session_->gui->SetViewContainer(nullptr);
    }
    bool host_step(const capture::Step& s) override
    {
        return fake::capture_host_value(session_->params, session_->gui, session_->meter, s);
    }
    void print_calls() override
    {
        for (const std::string& e : session_->events())
            std::printf("  %s\n", e.c_str());
    }

private:
    void end()
    {
        if (!session_)
            return;
        close();
        session_.reset();
    }
    const char* path_;
    std::unique_ptr<AaxSession> session_;
};

}  // namespace

int aax_capture_main(int argc, char** argv)
{
    AaxCaptureHost host(argv[1]);
    return win_capture::capture_main(host, argc, argv);
}
