// The numeric display library's identity and entry points.
#include "clients/edit/EditCtrl.h"
#include "clients/edit/EditPage.h"
#include "platform/registry.h"

namespace {

const nimbo::LibraryEntry& EditLibrary()
{
    // Fixed identifiers, chosen once for this library and never changed.
    // The dispatch and event interfaces, which the framework does not ask
    // for, are {9D4F21A1-7E36-4C58-A10B-5E72C43D0702} and ...A2-...0703.
    static const nimbo::LibraryEntry library = {
        GUID{0x9D4F21A0, 0x7E36, 0x4C58, {0xA1, 0x0B, 0x5E, 0x72, 0xC4, 0x3D, 0x07, 0x01}},
        "ZEMEDITLib",
        1,
        0,
        {
            {GUID{0x9D4F21A3, 0x7E36, 0x4C58, {0xA1, 0x0B, 0x5E, 0x72, 0xC4, 0x3D, 0x07, 0x04}},
             nimbo::ClassKind::Control, "ZEMEDIT.ZEMEDITCtrl.1", "ZEMEDIT",
             nimbo::LoadResourceString(ClientModule(), IDS_CLIENT_TYPENAME),
             []() -> void* { return static_cast<COleControl*>(new CZEMEDITCtrl); }},
            {GUID{0x9D4F21A4, 0x7E36, 0x4C58, {0xA1, 0x0B, 0x5E, 0x72, 0xC4, 0x3D, 0x07, 0x05}},
             nimbo::ClassKind::PropertyPage, "ZEMEDIT.ZEMEDITPropPage.1", "ZEMEDITPropPage",
             nimbo::LoadResourceString(ClientModule(), IDS_EDIT_PAGE_TYPENAME),
             []() -> void* { return static_cast<COlePropertyPage*>(new CZEMEDITPropPage); }},
        },
    };
    return library;
}

}  // namespace

NIMBO_LIBRARY_ENTRY_POINTS(EditLibrary)
