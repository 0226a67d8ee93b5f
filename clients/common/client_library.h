// The library entry points of a client library: its type library, its
// control and its property page, with fixed identifiers chosen once for
// each library and never changed.
#pragma once

#include "clients/common/client_ctrl.h"
#include "platform/proppage.h"
#include "platform/registry.h"

// One creatable class: identifier, programmatic identifier, the class name
// in the type library, and the string its type name is read from.
struct ClientClassName {
    GUID clsid;
    const char* progId;
    const char* name;
    UINT typeNameId = IDS_CLIENT_TYPENAME;
};

template <class Control, class Page>
nimbo::LibraryEntry ClientLibraryEntry(const GUID& typeLib, const char* typeLibName, const ClientClassName& control,
                                       const ClientClassName& page)
{
    return {typeLib,
            typeLibName,
            1,
            0,
            {{control.clsid, nimbo::ClassKind::Control, control.progId, control.name,
              nimbo::LoadResourceString(ClientModule(), control.typeNameId),
              []() -> void* { return static_cast<COleControl*>(new Control); }},
             {page.clsid, nimbo::ClassKind::PropertyPage, page.progId, page.name,
              nimbo::LoadResourceString(ClientModule(), page.typeNameId),
              []() -> void* { return static_cast<COlePropertyPage*>(new Page); }}}};
}

// Defines the library's table, built on first use so that its type names
// come from the library's own strings, and the four exported entry points.
// The arguments after the two classes are ClientLibraryEntry's.
#define NIMBO_CLIENT_LIBRARY(Control, Page, ...)                                                   \
    namespace {                                                                                    \
    const nimbo::LibraryEntry& ClientLibrary()                                                     \
    {                                                                                              \
        static const nimbo::LibraryEntry library = ClientLibraryEntry<Control, Page>(__VA_ARGS__); \
        return library;                                                                            \
    }                                                                                              \
    }                                                                                              \
    NIMBO_LIBRARY_ENTRY_POINTS(ClientLibrary)
