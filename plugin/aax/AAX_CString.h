#pragma once
// The library's text type; it is also the string interface handed to the host.
#include <string>

#include "aax_host_interface.h"

class AAX_CString : public AAX_IString {
public:
    AAX_CString() = default;
    AAX_CString(const char* text) : m_text(text ? text : "") {}
    AAX_CString(const AAX_CString& other) : AAX_IString(), m_text(other.m_text) {}
    explicit AAX_CString(const AAX_IString& other) : m_text(safe(other.Get())) {}
    ~AAX_CString() override = default;

    uint32_t Length() const override { return uint32_t(m_text.size()); }
    uint32_t MaxLength() const override { return 0xFFFFFFFEu; }
    const char* Get() const override { return m_text.c_str(); }
    void Set(const char* text) override { m_text = safe(text); }
    AAX_IString& operator=(const AAX_IString& other) override;
    AAX_IString& operator=(const char* text) override;
    AAX_CString& operator=(const AAX_CString& other);

    const char* CString() const { return m_text.c_str(); }
    const std::string& StdString() const { return m_text; }
    void Clear() { m_text.clear(); }
    void Append(const char* text) { m_text += safe(text); }
    void AppendNumber(double value, int32_t precision);
    void SubString(uint32_t pos, uint32_t length, AAX_IString* out) const;

    bool operator==(const AAX_CString& other) const;
    bool operator!=(const AAX_CString& other) const { return !(*this == other); }

private:
    static const char* safe(const char* text) { return text ? text : ""; }
    std::string m_text;
};
