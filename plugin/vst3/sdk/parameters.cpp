#include "parameters.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "vst3_strings.h"

namespace Steinberg::Vst {

namespace {
void copy16(TChar* dst, const TChar* src)
{
    std::size_t n = 0;
    for (; src && src[n] && n < 127; ++n)
        dst[n] = src[n];
    dst[n] = 0;
}
}  // namespace

Parameter::Parameter(const ParameterInfo& info) : info_(info), value_(info.defaultNormalizedValue) {}

Parameter::Parameter(const TChar* title, ParamID id, const TChar* units, ParamValue defaultNormalized,
                     int32 stepCount, int32 flags, UnitID unitId, const TChar* shortTitle)
    : info_{}, value_(defaultNormalized)
{
    info_.id = id;
    copy16(info_.title, title);
    copy16(info_.shortTitle, shortTitle);
    copy16(info_.units, units);
    info_.stepCount = stepCount;
    info_.defaultNormalizedValue = defaultNormalized;
    info_.unitId = unitId;
    info_.flags = flags;
}

bool Parameter::setNormalized(ParamValue v)
{
    v = v >= 0.0 ? (v > 1.0 ? 1.0 : v) : 0.0;
    if (v == value_)
        return false;
    value_ = v;
    return true;
}

void Parameter::toString(ParamValue normalized, String128 string) const
{
    char text[64];
    if (info_.stepCount == 1)
        std::snprintf(text, sizeof(text), "%s", normalized > 0.5 ? "On" : "Off");
    else
        std::snprintf(text, sizeof(text), "%.*f", static_cast<int>(precision_), normalized);
    to_string128(string, text);
}

bool Parameter::fromString(const TChar* string, ParamValue& normalized) const
{
    char text[256];
    utf16_to_utf8(string, text, sizeof(text));
    char* end = nullptr;
    const double v = std::strtod(text, &end);
    if (end == text || !std::isfinite(v))
        return false;
    normalized = v;
    return true;
}

Parameter* ParameterContainer::addParameter(Parameter* p)
{
    std::unique_ptr<Parameter> owned(p);
    if (!p || byId_.count(p->getInfo().id))
        return nullptr;
    byId_[p->getInfo().id] = params_.size();
    params_.push_back(std::move(owned));
    return p;
}

Parameter* ParameterContainer::addParameter(const TChar* title, const TChar* units, int32 stepCount,
                                            ParamValue defaultNormalized, int32 flags, ParamID id,
                                            UnitID unitId, const TChar* shortTitle)
{
    return addParameter(
        new Parameter(title, id, units, defaultNormalized, stepCount, flags, unitId, shortTitle));
}

Parameter* ParameterContainer::getParameter(ParamID id) const
{
    auto it = byId_.find(id);
    return it == byId_.end() ? nullptr : params_[it->second].get();
}

Parameter* ParameterContainer::getParameterByIndex(int32 index) const
{
    return index >= 0 && index < getParameterCount() ? params_[static_cast<std::size_t>(index)].get()
                                                     : nullptr;
}

void ParameterContainer::removeAll()
{
    params_.clear();
    byId_.clear();
}

}  // namespace Steinberg::Vst
