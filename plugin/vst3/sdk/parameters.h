#pragma once
// Controller parameters and the container that owns them.
#include <map>
#include <memory>
#include <vector>

#include "ivsteditcontroller.h"

namespace Steinberg::Vst {

class Parameter {
public:
    Parameter(const ParameterInfo& info);
    Parameter(const TChar* title, ParamID id, const TChar* units = nullptr, ParamValue defaultNormalized = 0,
              int32 stepCount = 0, int32 flags = ParameterInfo::kCanAutomate, UnitID unitId = kRootUnitId,
              const TChar* shortTitle = nullptr);
    virtual ~Parameter() = default;

    const ParameterInfo& getInfo() const { return info_; }
    ParamValue getNormalized() const { return value_; }
    // Clamps to 0..1 (NaN to 0); answers whether the value changed.
    virtual bool setNormalized(ParamValue v);
    virtual void toString(ParamValue normalized, String128 string) const;
    virtual bool fromString(const TChar* string, ParamValue& normalized) const;
    virtual ParamValue toPlain(ParamValue normalized) const { return normalized; }
    virtual ParamValue toNormalized(ParamValue plain) const { return plain; }
    void setPrecision(int32 digits) { precision_ = digits; }

private:
    ParameterInfo info_;
    ParamValue value_;
    int32 precision_ = 4;
};

class ParameterContainer {
public:
    void init(int32 capacity) { params_.reserve(static_cast<std::size_t>(capacity)); }
    // Takes ownership; a second parameter with the same id is refused.
    Parameter* addParameter(Parameter* p);
    Parameter* addParameter(const TChar* title, const TChar* units, int32 stepCount,
                            ParamValue defaultNormalized, int32 flags, ParamID id,
                            UnitID unitId = kRootUnitId, const TChar* shortTitle = nullptr);
    Parameter* getParameter(ParamID id) const;
    Parameter* getParameterByIndex(int32 index) const;
    int32 getParameterCount() const { return static_cast<int32>(params_.size()); }
    void removeAll();

private:
    std::vector<std::unique_ptr<Parameter>> params_;
    std::map<ParamID, std::size_t> byId_;
};

}  // namespace Steinberg::Vst
