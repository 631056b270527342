#include "AAX_CString.h"

#include <cstring>
#include <locale>
#include <sstream>

AAX_IString& AAX_CString::operator=(const AAX_IString& other)
{
    if (&other != this)
        m_text = safe(other.Get());
    return *this;
}

AAX_IString& AAX_CString::operator=(const char* text)
{
    m_text = safe(text);
    return *this;
}

AAX_CString& AAX_CString::operator=(const AAX_CString& other)
{
    m_text = other.m_text;
    return *this;
}

void AAX_CString::AppendNumber(double value, int32_t precision)
{
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out.setf(std::ios::fixed, std::ios::floatfield);
    out.precision(precision < 0 ? 0 : precision);
    out << value;
    m_text += out.str();
}

void AAX_CString::SubString(uint32_t pos, uint32_t length, AAX_IString* out) const
{
    if (!out)
        return;
    // A start past the end gives the empty text rather than reading outside.
    out->Set(pos >= m_text.size() ? "" : m_text.substr(pos, length).c_str());
}

bool AAX_CString::operator==(const AAX_CString& other) const
{
    return std::strcmp(CString(), other.CString()) == 0;
}
