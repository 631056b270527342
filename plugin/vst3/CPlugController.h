#pragma once
// The VST3 edit controller: parameters, the program list, the processor's
// state, editor views, MIDI mapping and the gain-reduction answer.
#include <vector>

#include "CPlugEditorView.h"
#include "editcontroller.h"
#include "plug_program.h"

namespace Steinberg::Vst {

class CPlugController : public EditControllerEx1, public IMidiMapping, public Presonus::IGainReductionInfo {
public:
    CPlugController();
    ~CPlugController() override;
    VST3_REFCOUNT_METHODS

    static FUnknown* createInstance(void* context);

    tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override;
    tresult receiveText(const char8* text) override;
    tresult PLUGIN_API initialize(FUnknown* context) override;
    tresult PLUGIN_API terminate() override;
    tresult PLUGIN_API setComponentState(IBStream* state) override;
    tresult PLUGIN_API setState(IBStream* state) override { return kResultOk; }
    tresult PLUGIN_API getState(IBStream* state) override { return kResultOk; }
    tresult PLUGIN_API getParamStringByValue(ParamID id, ParamValue valueNormalized,
                                             String128 string) override;
    tresult PLUGIN_API getParamValueByString(ParamID id, TChar* string, ParamValue& valueNormalized) override
    {
        return kResultFalse;
    }
    tresult PLUGIN_API setParamNormalized(ParamID id, ParamValue value) override;
    IPlugView* PLUGIN_API createView(FIDString name) override;

    void editorAttached(EditorView* editor) override;
    void editorRemoved(EditorView* editor) override;
    void editorDestroyed(EditorView* editor) override;

    int32 PLUGIN_API getProgramListCount() override;
    tresult PLUGIN_API getProgramListInfo(int32 listIndex, ProgramListInfo& info) override;
    tresult PLUGIN_API getProgramName(ProgramListID listId, int32 programIndex, String128 name) override;

    tresult PLUGIN_API getMidiControllerAssignment(int32 busIndex, int16 channel,
                                                   CtrlNumber midiControllerNumber, ParamID& id) override;
    double PLUGIN_API getGainReductionValueInDb() override;

    // For the editors' preset buttons: the name of program clamp(index).
    void getFactoryPresetName(int32 index, char8 (&buffer)[64]) const;
    // Program k as the host and the editor send it: k / 5.
    static int32 programIndexFromValue(ParamValue value);

    int32 editorWidth() const { return editorWidth_; }
    int32 editorHeight() const { return editorHeight_; }
    const std::vector<CPlugEditorView*>& openEditors() const { return openEditors_; }

private:
    void addParameters();
    void selectProgram(int32 index, ParamValue value);
    void editedValue(ParamID id, ParamValue value);
    void tellEditors(ParamID id, ParamValue value);

    std::vector<CPlugEditorView*> openEditors_;
    CPlugProgram programs_[vlt650::kProgramCount];
    int32 editorHeight_ = vlt650::kEditorHeight;
    int32 editorWidth_ = vlt650::kEditorWidth;
};

}  // namespace Steinberg::Vst
