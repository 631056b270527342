#pragma once
// The controller side: parameters, component handler, units and editor
// views.
#include <memory>
#include <vector>

#include "componentbase.h"
#include "ivsteditcontroller.h"
#include "parameters.h"

namespace Steinberg::Vst {

class EditorView;

class EditController : public ComponentBase, public IEditController {
public:
    VST3_REFCOUNT_METHODS
    tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override;

    tresult PLUGIN_API initialize(FUnknown* context) override { return ComponentBase::initialize(context); }
    tresult PLUGIN_API terminate() override;

    tresult PLUGIN_API setComponentState(IBStream* state) override { return kNotImplemented; }
    tresult PLUGIN_API setState(IBStream* state) override { return kNotImplemented; }
    tresult PLUGIN_API getState(IBStream* state) override { return kNotImplemented; }
    int32 PLUGIN_API getParameterCount() override { return parameters.getParameterCount(); }
    tresult PLUGIN_API getParameterInfo(int32 paramIndex, ParameterInfo& info) override;
    tresult PLUGIN_API getParamStringByValue(ParamID id, ParamValue valueNormalized,
                                             String128 string) override;
    tresult PLUGIN_API getParamValueByString(ParamID id, TChar* string, ParamValue& valueNormalized) override;
    ParamValue PLUGIN_API normalizedParamToPlain(ParamID id, ParamValue valueNormalized) override;
    ParamValue PLUGIN_API plainParamToNormalized(ParamID id, ParamValue plainValue) override;
    ParamValue PLUGIN_API getParamNormalized(ParamID id) override;
    tresult PLUGIN_API setParamNormalized(ParamID id, ParamValue value) override;
    tresult PLUGIN_API setComponentHandler(IComponentHandler* handler) override;
    IPlugView* PLUGIN_API createView(FIDString name) override { return nullptr; }

    // Edit gestures, forwarded to the host's component handler.
    tresult beginEdit(ParamID id);
    tresult performEdit(ParamID id, ParamValue valueNormalized);
    tresult endEdit(ParamID id);

    // Called by EditorView as it is attached, removed and destroyed.
    virtual void editorAttached(EditorView* editor) {}
    virtual void editorRemoved(EditorView* editor) {}
    virtual void editorDestroyed(EditorView* editor) {}

    IComponentHandler* getComponentHandler() const { return componentHandler_.get(); }

protected:
    ParameterContainer parameters;

private:
    IPtr<IComponentHandler> componentHandler_;
};

class Unit {
public:
    Unit(const TChar* name, UnitID id, UnitID parent = kNoParentUnitId,
         ProgramListID programListId = kNoProgramListId);
    const UnitInfo& getInfo() const { return info_; }
    void setProgramListID(ProgramListID id) { info_.programListId = id; }

private:
    UnitInfo info_;
};

class EditControllerEx1 : public EditController, public IUnitInfo {
public:
    VST3_REFCOUNT_METHODS
    tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override;
    tresult PLUGIN_API terminate() override;

    // Takes ownership.
    bool addUnit(Unit* unit);
    tresult notifyProgramListChange(ProgramListID listId, int32 programIndex);

    int32 PLUGIN_API getUnitCount() override { return static_cast<int32>(units_.size()); }
    tresult PLUGIN_API getUnitInfo(int32 unitIndex, UnitInfo& info) override;
    int32 PLUGIN_API getProgramListCount() override { return 0; }
    tresult PLUGIN_API getProgramListInfo(int32 listIndex, ProgramListInfo& info) override
    {
        return kResultFalse;
    }
    tresult PLUGIN_API getProgramName(ProgramListID listId, int32 programIndex, String128 name) override
    {
        return kResultFalse;
    }
    tresult PLUGIN_API getProgramInfo(ProgramListID listId, int32 programIndex, CString attributeId,
                                      String128 attributeValue) override
    {
        return kResultFalse;
    }
    tresult PLUGIN_API hasProgramPitchNames(ProgramListID listId, int32 programIndex) override
    {
        return kResultFalse;
    }
    tresult PLUGIN_API getProgramPitchName(ProgramListID listId, int32 programIndex, int16 midiPitch,
                                           String128 name) override
    {
        return kResultFalse;
    }
    UnitID PLUGIN_API getSelectedUnit() override { return selectedUnit_; }
    tresult PLUGIN_API selectUnit(UnitID unitId) override
    {
        selectedUnit_ = unitId;
        return kResultOk;
    }
    tresult PLUGIN_API getUnitByBus(MediaType type, BusDirection dir, int32 busIndex, int32 channel,
                                    UnitID& unitId) override
    {
        return kResultFalse;
    }
    tresult PLUGIN_API setUnitProgramData(int32 listOrUnitId, int32 programIndex, IBStream* data) override
    {
        return kResultFalse;
    }

private:
    std::vector<std::unique_ptr<Unit>> units_;
    UnitID selectedUnit_ = kRootUnitId;
};

// A view bound to its controller: it tells the controller when the host
// attaches it to a window, removes it, and destroys it.
class EditorView : public FObject, public IPlugView {
public:
    EditorView(EditController* controller, const ViewRect* size = nullptr);
    ~EditorView() override;
    VST3_REFCOUNT_METHODS
    tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override;

    tresult PLUGIN_API isPlatformTypeSupported(FIDString type) override { return kNotImplemented; }
    tresult PLUGIN_API attached(void* parent, FIDString type) override;
    tresult PLUGIN_API removed() override;
    tresult PLUGIN_API onWheel(float distance) override { return kResultFalse; }
    tresult PLUGIN_API onKeyDown(char16 key, int16 keyCode, int16 modifiers) override { return kResultFalse; }
    tresult PLUGIN_API onKeyUp(char16 key, int16 keyCode, int16 modifiers) override { return kResultFalse; }
    // getSize answers the rect the view keeps. onSize keeps what
    // sizeRequested makes of the host's rect, then calls sizeApplied; a
    // view with limits or a window to follow overrides those two, not these.
    tresult PLUGIN_API getSize(ViewRect* size) override;
    tresult PLUGIN_API onSize(ViewRect* newSize) override;
    tresult PLUGIN_API onFocus(TBool state) override { return kResultFalse; }
    tresult PLUGIN_API setFrame(IPlugFrame* frame) override;
    tresult PLUGIN_API canResize() override { return kResultFalse; }
    tresult PLUGIN_API checkSizeConstraint(ViewRect* rect) override { return kResultFalse; }

    EditController* getController() const { return controller_; }
    bool isAttached() const { return systemWindow_ != nullptr; }
    void* getSystemWindow() const { return systemWindow_; }
    const ViewRect& getRect() const { return rect_; }
    IPlugFrame* getFrame() const { return frame_.get(); }

protected:
    virtual void attachedToParent();
    virtual void removedFromParent();
    virtual ViewRect sizeRequested(const ViewRect& rect) { return rect; }
    virtual void sizeApplied(const ViewRect& rect) {}
    // For a view whose size changes without the host asking (its own grip,
    // a new display scale), so that getSize answers it.
    void setRect(const ViewRect& rect) { rect_ = rect; }

private:
    EditController* controller_;
    ViewRect rect_;
    void* systemWindow_ = nullptr;
    IPtr<IPlugFrame> frame_;
};

}  // namespace Steinberg::Vst
