// The server library's identity: its type library, control class and
// property pages with their fixed identifiers, and the entry points.
#include "platform/registry.h"
#include "server/nimbo_ctrl.h"
#include "server/nimbo_prop_page.h"
#include "server/nimbo_resources.h"

namespace {

const nimbo::LibraryEntry& NimboLibrary()
{
    static const nimbo::LibraryEntry library = {
        // Fixed identifiers, chosen once for this library and never changed.
        GUID{0x6A1C2E40, 0x3B7D, 0x4E21, {0x9C, 0x11, 0x4F, 0x2A, 0x61, 0x80, 0x01, 0x01}},
        "NIMBOLib",
        1,
        0,
        {
            {GUID{0x6A1C2E41, 0x3B7D, 0x4E21, {0x9C, 0x11, 0x4F, 0x2A, 0x61, 0x80, 0x01, 0x02}},
             nimbo::ClassKind::Control, "NIMBO.NimboCtrl.1", "Nimbo",
             nimbo::LoadResourceString(NimboResources(), IDS_NIMBO),
             []() -> void* { return static_cast<COleControl*>(new CNimboCtrl); }},
            {GUID{0x6A1C2E42, 0x3B7D, 0x4E21, {0x9C, 0x11, 0x4F, 0x2A, 0x61, 0x80, 0x01, 0x03}},
             nimbo::ClassKind::PropertyPage, "NIMBO.NimboPropPage.1", "NimboPropPage",
             nimbo::LoadResourceString(NimboResources(), IDS_NIMBO_PPG),
             []() -> void* { return static_cast<COlePropertyPage*>(new CNimboPropPage); }},
            {GUID{0x6A1C2E43, 0x3B7D, 0x4E21, {0x9C, 0x11, 0x4F, 0x2A, 0x61, 0x80, 0x01, 0x04}},
             nimbo::ClassKind::PropertyPage, "nimbo.CModemPropPage", "CModemPropPage", "",
             []() -> void* { return static_cast<COlePropertyPage*>(new CModemPropPage); }},
        },
    };
    return library;
}

}  // namespace

NIMBO_LIBRARY_ENTRY_POINTS(NimboLibrary)
