#include "platform/afx.h"

#include <cstring>

namespace {
CRuntimeClass* firstClass = nullptr;
}

CRuntimeClass CObject::classCObject = {"CObject", sizeof(CObject), nullptr, nullptr, nullptr};

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* newClass)
{
    newClass->m_pNextClass = firstClass;
    firstClass = newClass;
}

CObject* CRuntimeClass::CreateObject() const
{
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const
{
    for (const CRuntimeClass* c = this; c != nullptr; c = c->m_pBaseClass)
        if (c == base)
            return true;
    return false;
}

const CRuntimeClass* CRuntimeClass::FromName(const char* className)
{
    if (className == nullptr)
        return nullptr;
    for (const CRuntimeClass* c = firstClass; c != nullptr; c = c->m_pNextClass)
        if (std::strcmp(c->m_lpszClassName, className) == 0)
            return c;
    return nullptr;
}

CObject* CRuntimeClass::CreateObject(const char* className)
{
    const CRuntimeClass* c = FromName(className);
    return c ? c->CreateObject() : nullptr;
}

CRuntimeClass* CObject::GetRuntimeClass() const { return &classCObject; }
CObject::~CObject() = default;
void CObject::Serialize(CArchive&) {}
void CObject::AssertValid() const {}
void CObject::Dump(CDumpContext&) const {}

bool CObject::IsKindOf(const CRuntimeClass* cls) const
{
    return GetRuntimeClass()->IsDerivedFrom(cls);
}
