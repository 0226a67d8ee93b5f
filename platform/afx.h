// The root class of the kit's class library: run-time class records and
// creation of an object from its class name.
#pragma once

#include "platform/export.h"

class CObject;

struct NIMBO_PLATFORM_API CRuntimeClass {
    const char* m_lpszClassName;
    int m_nObjectSize;
    CObject* (*m_pfnCreateObject)();
    const CRuntimeClass* m_pBaseClass;
    CRuntimeClass* m_pNextClass;  // chain of every class registered in the process

    CObject* CreateObject() const;
    bool IsDerivedFrom(const CRuntimeClass* base) const;

    // Looks a dynamically creatable class up by name; null when none is known.
    static const CRuntimeClass* FromName(const char* className);
    static CObject* CreateObject(const char* className);
};

// Links a class record into the process-wide chain when its library loads.
struct NIMBO_PLATFORM_API AFX_CLASSINIT {
    explicit AFX_CLASSINIT(CRuntimeClass* newClass);
};

class CArchive;
class CDumpContext;

class NIMBO_PLATFORM_API CObject {
public:
    // Slot order matters: libraries built apart call through this table.
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject();
    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const;
    virtual void Dump(CDumpContext& dc) const;

    bool IsKindOf(const CRuntimeClass* cls) const;

    static CRuntimeClass classCObject;

protected:
    CObject() = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNCREATE(class_name)                      \
public:                                                     \
    static CRuntimeClass class##class_name;                 \
    CRuntimeClass* GetRuntimeClass() const override;        \
    static CObject* CreateObject();

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                   \
    CObject* class_name::CreateObject() { return new class_name; }                          \
    CRuntimeClass class_name::class##class_name = {#class_name, sizeof(class_name),         \
                                                   &class_name::CreateObject,               \
                                                   RUNTIME_CLASS(base_class_name), nullptr}; \
    static AFX_CLASSINIT _init_##class_name(&class_name::class##class_name);                \
    CRuntimeClass* class_name::GetRuntimeClass() const { return &class_name::class##class_name; }
