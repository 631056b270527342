#include "editcontroller.h"

namespace Steinberg::Vst {

tresult PLUGIN_API EditController::queryInterface(const TUID iid, void** obj)
{
    if (!obj)
        return kInvalidArgument;
    if (query_as<IEditController>(iid, obj, this))
        return kResultOk;
    if (uid_equal(iid, FUnknown::iid) || uid_equal(iid, IPluginBase::iid)) {
        addRef();
        *obj = static_cast<IPluginBase*>(static_cast<IEditController*>(this));
        return kResultOk;
    }
    return ComponentBase::queryInterface(iid, obj);
}

tresult PLUGIN_API EditController::terminate()
{
    parameters.removeAll();
    componentHandler_.reset();
    return ComponentBase::terminate();
}

tresult PLUGIN_API EditController::getParameterInfo(int32 paramIndex, ParameterInfo& info)
{
    const Parameter* p = parameters.getParameterByIndex(paramIndex);
    if (!p)
        return kResultFalse;
    info = p->getInfo();
    return kResultOk;
}

tresult PLUGIN_API EditController::getParamStringByValue(ParamID id, ParamValue valueNormalized,
                                                         String128 string)
{
    const Parameter* p = parameters.getParameter(id);
    if (!p || !string)
        return kResultFalse;
    p->toString(valueNormalized, string);
    return kResultOk;
}

tresult PLUGIN_API EditController::getParamValueByString(ParamID id, TChar* string,
                                                         ParamValue& valueNormalized)
{
    const Parameter* p = parameters.getParameter(id);
    return p && string && p->fromString(string, valueNormalized) ? kResultOk : kResultFalse;
}

ParamValue PLUGIN_API EditController::normalizedParamToPlain(ParamID id, ParamValue valueNormalized)
{
    const Parameter* p = parameters.getParameter(id);
    return p ? p->toPlain(valueNormalized) : valueNormalized;
}

ParamValue PLUGIN_API EditController::plainParamToNormalized(ParamID id, ParamValue plainValue)
{
    const Parameter* p = parameters.getParameter(id);
    return p ? p->toNormalized(plainValue) : plainValue;
}

ParamValue PLUGIN_API EditController::getParamNormalized(ParamID id)
{
    const Parameter* p = parameters.getParameter(id);
    return p ? p->getNormalized() : 0.0;
}

tresult PLUGIN_API EditController::setParamNormalized(ParamID id, ParamValue value)
{
    Parameter* p = parameters.getParameter(id);
    if (!p)
        return kResultFalse;
    p->setNormalized(value);
    return kResultOk;
}

tresult PLUGIN_API EditController::setComponentHandler(IComponentHandler* handler)
{
    componentHandler_.reset(handler);
    return kResultOk;
}

tresult EditController::beginEdit(ParamID id)
{
    return componentHandler_ ? componentHandler_->beginEdit(id) : kResultFalse;
}

tresult EditController::performEdit(ParamID id, ParamValue valueNormalized)
{
    return componentHandler_ ? componentHandler_->performEdit(id, valueNormalized) : kResultFalse;
}

tresult EditController::endEdit(ParamID id)
{
    return componentHandler_ ? componentHandler_->endEdit(id) : kResultFalse;
}

Unit::Unit(const TChar* name, UnitID id, UnitID parent, ProgramListID programListId) : info_{}
{
    info_.id = id;
    info_.parentUnitId = parent;
    info_.programListId = programListId;
    for (int i = 0; name && name[i] && i < 127; ++i)
        info_.name[i] = name[i];
}

tresult PLUGIN_API EditControllerEx1::queryInterface(const TUID iid, void** obj)
{
    if (!obj)
        return kInvalidArgument;
    if (query_as<IUnitInfo>(iid, obj, this))
        return kResultOk;
    return EditController::queryInterface(iid, obj);
}

tresult PLUGIN_API EditControllerEx1::terminate()
{
    units_.clear();
    return EditController::terminate();
}

bool EditControllerEx1::addUnit(Unit* unit)
{
    if (!unit)
        return false;
    units_.emplace_back(unit);
    return true;
}

tresult PLUGIN_API EditControllerEx1::getUnitInfo(int32 unitIndex, UnitInfo& info)
{
    if (unitIndex < 0 || unitIndex >= getUnitCount())
        return kResultFalse;
    info = units_[static_cast<std::size_t>(unitIndex)]->getInfo();
    return kResultOk;
}

tresult EditControllerEx1::notifyProgramListChange(ProgramListID listId, int32 programIndex)
{
    IPtr<IUnitHandler> handler = query<IUnitHandler>(getComponentHandler());
    return handler ? handler->notifyProgramListChange(listId, programIndex) : kResultFalse;
}

EditorView::EditorView(EditController* controller, const ViewRect* size)
    : controller_(controller), rect_(size ? *size : ViewRect{})
{
    if (controller_)
        controller_->addRef();
}

EditorView::~EditorView()
{
    if (controller_) {
        controller_->editorDestroyed(this);
        controller_->release();
    }
}

tresult PLUGIN_API EditorView::queryInterface(const TUID iid, void** obj)
{
    if (!obj)
        return kInvalidArgument;
    if (query_as<IPlugView>(iid, obj, this) || query_as<FUnknown>(iid, obj, this))
        return kResultOk;
    *obj = nullptr;
    return kNoInterface;
}

tresult PLUGIN_API EditorView::attached(void* parent, FIDString type)
{
    systemWindow_ = parent;
    attachedToParent();
    return kResultOk;
}

tresult PLUGIN_API EditorView::removed()
{
    systemWindow_ = nullptr;
    removedFromParent();
    return kResultOk;
}

tresult PLUGIN_API EditorView::getSize(ViewRect* size)
{
    if (!size)
        return kInvalidArgument;
    *size = rect_;
    return kResultOk;
}

tresult PLUGIN_API EditorView::onSize(ViewRect* newSize)
{
    if (!newSize)
        return kInvalidArgument;
    rect_ = sizeRequested(*newSize);
    sizeApplied(rect_);
    return kResultOk;
}

tresult PLUGIN_API EditorView::setFrame(IPlugFrame* frame)
{
    frame_.reset(frame);
    return kResultOk;
}

void EditorView::attachedToParent()
{
    if (controller_)
        controller_->editorAttached(this);
}

void EditorView::removedFromParent()
{
    if (controller_)
        controller_->editorRemoved(this);
}

}  // namespace Steinberg::Vst
