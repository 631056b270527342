#pragma once
// A parameter over a value type (float for the knobs and the switch, bool
// for the master bypass). Changes made by the plug-in go to the host's
// automation as touch / set request / release; the value itself changes
// only when the host answers through UpdateNormalizedValue, unless no
// automation is attached.
#include <cstring>
#include <map>
#include <memory>
#include <type_traits>

#include "AAX_HostWrappers.h"
#include "AAX_IParameter.h"
#include "host_value.h"

template <class T>
class AAX_CParameter final : public AAX_IParameter {
    static_assert(std::is_same_v<T, float> || std::is_same_v<T, bool>);

public:
    AAX_CParameter(AAX_CParamID identifier, const AAX_CString& name, T defaultValue,
                   const AAX_ITaperDelegate<T>& taper, const AAX_IDisplayDelegate<T>& display,
                   bool automatable)
        : m_name(name), m_automatable(automatable), m_taper(taper.Clone()), m_display(display.Clone()),
          m_default(defaultValue)
    {
        std::strncpy(m_identifier, identifier ? identifier : "", sizeof m_identifier - 1);
        SetNumberOfSteps(m_type == AAX_eParameterType_Continuous ? 128 : 2);
        SetToDefaultValue();
    }

    ~AAX_CParameter() override
    {
        if (m_automation)
            m_automation->UnregisterParameter(m_identifier);
    }

    AAX_CParamID Identifier() const override { return m_identifier; }
    void SetName(const AAX_CString& name) override { m_name = name; }
    const AAX_CString& Name() const override { return m_name; }
    void AddShortenedName(const AAX_CString& name) override { m_shortNames[name.Length()] = name; }
    void ClearShortenedNames() override { m_shortNames.clear(); }
    bool Automatable() const override { return m_automatable; }

    const AAX_CString& ShortenedName(int32_t length) const override
    {
        if (length < 0 || m_shortNames.empty() || m_name.Length() <= uint32_t(length))
            return m_name;
        auto above = m_shortNames.upper_bound(uint32_t(length));
        if (above == m_shortNames.begin())
            return above->second;  // every key is longer: the shortest one
        return std::prev(above)->second;
    }

    void SetAutomationDelegate(AAX_IAutomationDelegate* delegate) override
    {
        if (m_automation)
            m_automation->UnregisterParameter(m_identifier);
        m_automation = delegate;
        if (m_automation)
            m_automation->RegisterParameter(m_identifier);
    }

    void Touch() override
    {
        if (m_automation)
            m_automation->PostTouchRequest(m_identifier);
    }
    void Release() override
    {
        if (m_automation)
            m_automation->PostReleaseRequest(m_identifier);
    }

    void SetNormalizedValue(double n) override
    {
        set_path(m_taper->RealToNormalized(m_taper->NormalizedToReal(n)));
    }
    double GetNormalizedValue() const override { return m_taper->RealToNormalized(m_value); }
    void SetNormalizedDefaultValue(double n) override
    {
        m_default = m_taper->ConstrainRealValue(m_taper->NormalizedToReal(n));
    }
    double GetNormalizedDefaultValue() const override { return m_taper->RealToNormalized(m_default); }
    void SetToDefaultValue() override { set_path(m_taper->RealToNormalized(m_default)); }
    void SetNumberOfSteps(uint32_t steps) override { m_steps = steps; }
    uint32_t GetNumberOfSteps() const override { return m_steps; }

    uint32_t GetStepValue() const override
    {
        if (m_steps < 2)
            return 0;
        double k = GetNormalizedValue() / (1.0 / double(m_steps - 1)) + 0.5;
        if (!(k > 0))
            k = 0;
        if (k > double(m_steps - 1))
            k = double(m_steps - 1);
        return uint32_t(k);
    }

    void SetStepValue(uint32_t step) override
    {
        if (m_steps < 2)
            return;
        double n = double(step) * (1.0 / double(m_steps - 1));
        SetNormalizedValue(vlt::params::clamp_unit(n));
    }

    bool GetValueString(AAX_CString* text) const override { return m_display->ValueToString(m_value, text); }
    bool GetValueString(int32_t maxChars, AAX_CString* text) const override
    {
        return m_display->ValueToString(m_value, maxChars, text);
    }

    bool GetNormalizedValueFromString(const AAX_CString& text, double* n) const override
    {
        T real{};
        if (!m_display->StringToValue(text, &real))
            return false;
        if (n)
            *n = m_taper->RealToNormalized(real);
        return in_range(real);
    }

    bool GetStringFromNormalizedValue(double n, AAX_CString& text) const override
    {
        const T real = m_taper->NormalizedToReal(n);
        return m_display->ValueToString(real, &text) && in_range(real);
    }

    bool GetStringFromNormalizedValue(double n, int32_t maxChars, AAX_CString& text) const override
    {
        const T real = m_taper->NormalizedToReal(n);
        return m_display->ValueToString(real, maxChars, &text) && in_range(real);
    }

    bool SetValueFromString(const AAX_CString& text) override
    {
        T real{};
        if (!m_display->StringToValue(text, &real))
            return false;
        set_path(m_taper->RealToNormalized(real));
        return true;
    }

    bool GetValueAsBool(bool* v) const override { return get_as(v); }
    bool GetValueAsInt32(int32_t* v) const override { return get_as(v); }
    bool GetValueAsFloat(float* v) const override { return get_as(v); }
    bool GetValueAsDouble(double* v) const override { return get_as(v); }
    bool GetValueAsString(AAX_IString*) const override { return false; }
    bool SetValueWithBool(bool v) override { return set_as(v); }
    bool SetValueWithInt32(int32_t v) override { return set_as(v); }
    bool SetValueWithFloat(float v) override { return set_as(v); }
    bool SetValueWithDouble(double v) override { return set_as(v); }
    bool SetValueWithString(const AAX_IString&) override { return false; }

    void SetType(AAX_EParameterType type) override { m_type = type; }
    AAX_EParameterType GetType() const override { return m_type; }
    void SetOrientation(int32_t o) override { m_orientation = o; }
    int32_t GetOrientation() const override { return m_orientation; }

    void SetTaperDelegate(AAX_ITaperDelegateBase& taper, bool preserveValue) override
    {
        auto* typed = dynamic_cast<AAX_ITaperDelegate<T>*>(&taper);
        if (!typed)
            return;  // a taper over another value type cannot serve this parameter
        const double n = GetNormalizedValue();
        m_taper.reset(typed->Clone());
        m_needNotify = true;
        if (preserveValue)
            set_path(m_taper->RealToNormalized(m_value));
        else
            UpdateNormalizedValue(n);
    }

    void SetDisplayDelegate(AAX_IDisplayDelegateBase& display) override
    {
        auto* typed = dynamic_cast<AAX_IDisplayDelegate<T>*>(&display);
        if (!typed)
            return;
        m_display.reset(typed->Clone());
        if (m_automation)
            m_automation->PostCurrentValue(m_identifier, GetNormalizedValue());
    }

    void UpdateNormalizedValue(double n) override
    {
        const T real = m_taper->NormalizedToReal(n);
        if (!m_needNotify && real == m_value)
            return;
        m_value = real;
        if (m_automation)
            m_automation->PostCurrentValue(m_identifier, n);
        m_needNotify = false;
    }

    // Read by tests and by the editors' value pull.
    T Value() const { return m_value; }
    bool NeedsNotify() const { return m_needNotify; }

private:
    void set_path(double n)
    {
        if (m_automation) {
            Touch();
            m_automation->PostSetValueRequest(m_identifier, n);
            Release();
            return;
        }
        m_needNotify = true;
        UpdateNormalizedValue(n);
    }

    bool in_range(T real) const
    {
        return !(real > m_taper->GetMaximumValue()) && !(real < m_taper->GetMinimumValue());
    }

    template <class U>
    bool get_as(U* out) const
    {
        if constexpr (std::is_same_v<U, T>) {
            if (out)
                *out = m_value;
            return true;
        }
        return false;
    }

    template <class U>
    bool set_as(U v)
    {
        if constexpr (std::is_same_v<U, T>) {
            set_path(m_taper->RealToNormalized(v));
            return true;
        }
        return false;
    }

    char m_identifier[32] = {};
    AAX_CString m_name;
    std::map<uint32_t, AAX_CString> m_shortNames;
    bool m_automatable;
    uint32_t m_steps = 0;
    AAX_EParameterType m_type = AAX_eParameterType_Continuous;
    int32_t m_orientation = 0;
    std::unique_ptr<AAX_ITaperDelegate<T>> m_taper;
    std::unique_ptr<AAX_IDisplayDelegate<T>> m_display;
    AAX_IAutomationDelegate* m_automation = nullptr;
    bool m_needNotify = true;
    T m_value{};
    T m_default;
};
