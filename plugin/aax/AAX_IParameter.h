#pragma once
// One parameter as the effect parameters, the chunk code and the packet
// dispatcher see it.
#include "AAX_CString.h"
#include "AAX_Delegates.h"

class AAX_IAutomationDelegate;

class AAX_IParameter {
public:
    virtual ~AAX_IParameter() = default;
    virtual AAX_CParamID Identifier() const = 0;
    virtual void SetName(const AAX_CString& name) = 0;
    virtual const AAX_CString& Name() const = 0;
    virtual void AddShortenedName(const AAX_CString& name) = 0;
    virtual const AAX_CString& ShortenedName(int32_t length) const = 0;
    virtual void ClearShortenedNames() = 0;
    virtual bool Automatable() const = 0;
    virtual void SetAutomationDelegate(AAX_IAutomationDelegate* delegate) = 0;
    virtual void Touch() = 0;
    virtual void Release() = 0;
    virtual void SetNormalizedValue(double normalized) = 0;
    virtual double GetNormalizedValue() const = 0;
    virtual void SetNormalizedDefaultValue(double normalized) = 0;
    virtual double GetNormalizedDefaultValue() const = 0;
    virtual void SetToDefaultValue() = 0;
    virtual void SetNumberOfSteps(uint32_t steps) = 0;
    virtual uint32_t GetNumberOfSteps() const = 0;
    virtual uint32_t GetStepValue() const = 0;
    virtual void SetStepValue(uint32_t step) = 0;
    virtual bool GetValueString(AAX_CString* text) const = 0;
    virtual bool GetValueString(int32_t maxChars, AAX_CString* text) const = 0;
    virtual bool GetNormalizedValueFromString(const AAX_CString& text, double* normalized) const = 0;
    virtual bool GetStringFromNormalizedValue(double normalized, AAX_CString& text) const = 0;
    virtual bool GetStringFromNormalizedValue(double normalized, int32_t maxChars,
                                              AAX_CString& text) const = 0;
    virtual bool SetValueFromString(const AAX_CString& text) = 0;
    virtual bool GetValueAsBool(bool* value) const = 0;
    virtual bool GetValueAsInt32(int32_t* value) const = 0;
    virtual bool GetValueAsFloat(float* value) const = 0;
    virtual bool GetValueAsDouble(double* value) const = 0;
    virtual bool GetValueAsString(AAX_IString* value) const = 0;
    virtual bool SetValueWithBool(bool value) = 0;
    virtual bool SetValueWithInt32(int32_t value) = 0;
    virtual bool SetValueWithFloat(float value) = 0;
    virtual bool SetValueWithDouble(double value) = 0;
    virtual bool SetValueWithString(const AAX_IString& value) = 0;
    virtual void SetType(AAX_EParameterType type) = 0;
    virtual AAX_EParameterType GetType() const = 0;
    virtual void SetOrientation(int32_t orientation) = 0;
    virtual int32_t GetOrientation() const = 0;
    virtual void SetTaperDelegate(AAX_ITaperDelegateBase& taper, bool preserveValue) = 0;
    virtual void SetDisplayDelegate(AAX_IDisplayDelegateBase& display) = 0;
    virtual void UpdateNormalizedValue(double normalized) = 0;
};
