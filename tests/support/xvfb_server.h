// A private Xvfb for one test or benchmark process: started with -displayfd
// (the server picks a free display number), stopped by its pid.
#pragma once

#include <string>
#include <sys/types.h>

class XvfbServer {
public:
    struct options {
        int depth = 24;
        int width = 1920;
        int height = 1080;
        int dpi = 0;  // 0: the server's default
    };
    explicit XvfbServer(const options& o);
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    bool running() const { return pid_ > 0 && !name_.empty(); }
    const std::string& display_name() const { return name_; }  // ":N"

private:
    pid_t pid_ = -1;
    std::string name_;
};

// Points DISPLAY at a server for the lifetime of the object.
class ScopedDisplay {
public:
    explicit ScopedDisplay(const std::string& name);
    ~ScopedDisplay();
    ScopedDisplay(const ScopedDisplay&) = delete;
    ScopedDisplay& operator=(const ScopedDisplay&) = delete;

private:
    std::string old_;
    bool had_old_ = false;
};
