#include "platform/cstring.h"

#include <cstring>

namespace {
char emptyText[1] = {'\0'};
}

CString::CString() : m_pchData(emptyText) {}
CString::CString(const char* text) : m_pchData(emptyText) { Assign(text); }
CString::CString(const std::string& text) : m_pchData(emptyText) { Assign(text.c_str()); }
CString::CString(const CString& other) : m_pchData(emptyText) { Assign(other.m_pchData); }

CString& CString::operator=(const CString& other)
{
    if (this != &other)
        Assign(other.m_pchData);
    return *this;
}

CString::~CString()
{
    if (m_pchData != emptyText)
        delete[] m_pchData;
}

int CString::GetLength() const { return static_cast<int>(std::strlen(m_pchData)); }

bool CString::operator==(const CString& other) const { return std::strcmp(m_pchData, other.m_pchData) == 0; }

void CString::Assign(const char* text)
{
    char* old = m_pchData;
    if (text == nullptr || *text == '\0') {
        m_pchData = emptyText;
    } else {
        std::size_t n = std::strlen(text);
        m_pchData = new char[n + 1];
        std::memcpy(m_pchData, text, n + 1);
    }
    if (old != emptyText)
        delete[] old;
}
