#pragma once
// Taper delegates (normalized 0..1 <-> real value) and display delegates
// (real value <-> text) of the library.
#include <cmath>
#include <vector>

#include "AAX_CString.h"

class AAX_ITaperDelegateBase {
public:
    virtual ~AAX_ITaperDelegateBase() = default;
};

template <class T>
class AAX_ITaperDelegate : public AAX_ITaperDelegateBase {
public:
    virtual AAX_ITaperDelegate* Clone() const = 0;
    virtual T GetMaximumValue() const = 0;
    virtual T GetMinimumValue() const = 0;
    virtual T ConstrainRealValue(T value) const = 0;
    virtual T NormalizedToReal(double normalized) const = 0;
    virtual double RealToNormalized(T real) const = 0;
};

class AAX_IDisplayDelegateBase {
public:
    virtual ~AAX_IDisplayDelegateBase() = default;
};

template <class T>
class AAX_IDisplayDelegate : public AAX_IDisplayDelegateBase {
public:
    virtual AAX_IDisplayDelegate* Clone() const = 0;
    virtual bool ValueToString(T value, AAX_CString* text) const = 0;
    virtual bool ValueToString(T value, int32_t maxChars, AAX_CString* text) const = 0;
    virtual bool StringToValue(const AAX_CString& text, T* value) const = 0;
};

template <class T, int32_t RealPrecision>
class AAX_CLinearTaperDelegate final : public AAX_ITaperDelegate<T> {
public:
    static_assert(RealPrecision == 0, "only the unrounded taper is used");
    AAX_CLinearTaperDelegate(T minimum, T maximum) : m_min(minimum), m_max(maximum) {}
    AAX_CLinearTaperDelegate* Clone() const override { return new AAX_CLinearTaperDelegate(*this); }
    T GetMaximumValue() const override { return m_max; }
    T GetMinimumValue() const override { return m_min; }
    // Written so that NaN falls to the minimum.
    T ConstrainRealValue(T v) const override { return v > m_max ? m_max : (v > m_min ? v : m_min); }
    T NormalizedToReal(double n) const override
    {
        return ConstrainRealValue(T(double(m_min) + n * (double(m_max) - double(m_min))));
    }
    double RealToNormalized(T v) const override
    {
        return (double(ConstrainRealValue(v)) - double(m_min)) / (double(m_max) - double(m_min));
    }

private:
    T m_min;
    T m_max;
};

template <class T>
class AAX_CBinaryTaperDelegate final : public AAX_ITaperDelegate<T> {
public:
    AAX_CBinaryTaperDelegate* Clone() const override { return new AAX_CBinaryTaperDelegate(*this); }
    T GetMaximumValue() const override { return T(1); }
    T GetMinimumValue() const override { return T(0); }
    T ConstrainRealValue(T v) const override { return v; }
    T NormalizedToReal(double n) const override { return n > 0 ? T(1) : T(0); }
    double RealToNormalized(T v) const override { return v > T(0) ? 1.0 : 0.0; }
};

template <class T>
class AAX_CBinaryDisplayDelegate final : public AAX_IDisplayDelegate<T> {
public:
    struct StringTable {
        uint32_t mMaxLength;
        AAX_CString mFalseString;
        AAX_CString mTrueString;
    };

    AAX_CBinaryDisplayDelegate(const char* falseText, const char* trueText)
        : m_false(falseText), m_true(trueText),
          m_maxLength(m_false.Length() > m_true.Length() ? m_false.Length() : m_true.Length())
    {
    }
    AAX_CBinaryDisplayDelegate* Clone() const override { return new AAX_CBinaryDisplayDelegate(*this); }

    bool ValueToString(T value, AAX_CString* text) const override
    {
        if (text)
            *text = is_true(value) ? m_true : m_false;
        return true;
    }

    bool ValueToString(T value, int32_t maxChars, AAX_CString* text) const override
    {
        if (m_shortened.empty() || !text)
            return ValueToString(value, text);
        const uint32_t limit = maxChars < 0 ? 0u : uint32_t(maxChars);
        if (limit >= m_maxLength)
            return ValueToString(value, text);
        const StringTable* pick = &m_shortened.front();
        for (auto it = m_shortened.rbegin(); it != m_shortened.rend(); ++it)
            if (it->mMaxLength <= limit) {
                pick = &*it;
                break;
            }
        *text = is_true(value) ? pick->mTrueString : pick->mFalseString;
        return true;
    }

    bool StringToValue(const AAX_CString& text, T* value) const override
    {
        const bool isTrue = text == m_true;
        const bool ok = isTrue || text == m_false;
        if (value)
            *value = isTrue ? T(1) : T(0);
        return ok;
    }

    void AddShortenedStrings(const char* falseText, const char* trueText, uint32_t maxLength)
    {
        m_shortened.push_back({maxLength, AAX_CString(falseText), AAX_CString(trueText)});
    }

private:
    static bool is_true(T value) { return !(value == T(0)); }

    AAX_CString m_false;
    AAX_CString m_true;
    uint32_t m_maxLength;
    std::vector<StringTable> m_shortened;
};
