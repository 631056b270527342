#pragma once
// The VST3 controller as the editor's host, for the Windows and the macOS
// editor: gestures become beginEdit, setParamNormalized + performEdit and
// endEdit by the VST3 map; a preset step selects program k as k / 5, as
// hosts send it. The view's size reaches the controller from onSize, so the
// size calls do nothing here. Nothing goes out before it has a controller.
#include "editor_core.h"
#include "editor_host.h"

namespace Steinberg::Vst {

class CPlugController;

class Vst3EditorHost final : public vlt::editor::EditorHost {
public:
    // How the program's value k / 5 is worked out before the controller
    // (and through it the host) hears it: the macOS view divides in single
    // precision, the Windows editor in double.
    enum class ProgramValue { kDouble, kFloat };

    explicit Vst3EditorHost(CPlugController* controller, ProgramValue program_value = ProgramValue::kDouble)
        : controller_(controller), program_value_(program_value)
    {
    }
    void set_controller(CPlugController* controller) { controller_ = controller; }
    // The core whose program the name is asked for.
    void attach(const vlt::editor::CEditorCore* core) { core_ = core; }

    void begin_edit(vlt::editor::Control control) override;
    void set_value(vlt::editor::Control control, float value) override;
    void end_edit(vlt::editor::Control control) override;
    void set_ui_size(float) override {}
    void set_program(int program) override;
    void program_name(char* text) override;
    void size_window(int, int) override {}

private:
    CPlugController* controller_;  // not retained: it outlives its views
    ProgramValue program_value_;
    const vlt::editor::CEditorCore* core_ = nullptr;
};

}  // namespace Steinberg::Vst
