#pragma once
// One plug-in as an AAX host holds it on Windows: the module loaded, the
// plug-in registered, an effect-parameters object and a GUI object made
// through procedure pointers 0 and 1 and initialised, and a top-level frame
// of ours whose HWND the view container hands out. The destructor gives
// everything back and checks that the host's references are balanced.
#include <memory>
#include <string>
#include <vector>

#include "fake_host.h"
#include "host_frame.h"
#include "module_loader.h"

// Prints one line per failed check; the program's exit code counts them.
void check(bool ok, const std::string& what, double a = 0, double b = 0);
int failures();

HWND make_frame(int width, int height);

class AaxSession {
public:
    explicit AaxSession(const char* path);
    ~AaxSession();
    bool ready() const { return gui != nullptr; }

    // SetViewContainer with a type-3 container holding window; the child
    // window of the editor's class, or null.
    HWND open(HWND window);
    HWND open() { return open(frame); }
    void close();
    HWND child() const;
    // The value as a host sets it (the request answered at once).
    void set(const char* id, double v);
    std::vector<std::string> events() { return host.automation.take(); }

    fake::Module module;
    fake::Host host;
    IACFPluginDefinition* definition = nullptr;
    AAX_IACFEffectParameters_V2* params = nullptr;
    AAX_IACFEffectGUI* gui = nullptr;
    std::unique_ptr<fake::ViewContainer> container;
    HWND frame = nullptr;
    float meter = 1.0f;  // what the host reports for 'Mtr1' (1: no reduction)
};

extern const char* const kEditorClass;
