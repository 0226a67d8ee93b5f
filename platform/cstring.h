// The framework's string object: exactly one pointer to NUL-terminated
// characters, so a record holding one can be read by another library
// through that pointer alone.
#pragma once

#include "platform/export.h"

#include <string>

class NIMBO_PLATFORM_API CString {
public:
    CString();
    CString(const char* text);  // NOLINT: converts like the framework's string
    CString(const std::string& text);  // NOLINT
    CString(const CString& other);
    CString& operator=(const CString& other);
    ~CString();

    const char* GetString() const { return m_pchData; }
    operator const char*() const { return m_pchData; }  // NOLINT
    int GetLength() const;
    bool IsEmpty() const { return m_pchData[0] == '\0'; }
    std::string str() const { return m_pchData; }
    bool operator==(const CString& other) const;

private:
    void Assign(const char* text);
    char* m_pchData;
};
