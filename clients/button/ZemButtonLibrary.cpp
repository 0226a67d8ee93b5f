// The button library's identity and entry points.
#include "clients/button/ZemButtonCtrl.h"
#include "clients/button/ZemButtonPropPage.h"
#include "platform/registry.h"

namespace {

const nimbo::LibraryEntry& ZemButtonLibrary()
{
    // Fixed identifiers, chosen once for this library and never changed.
    static const nimbo::LibraryEntry library = {
        GUID{0x5E2B9C30, 0x7A41, 0x4F6D, {0xB3, 0x58, 0x0C, 0x91, 0x4E, 0x27, 0x00, 0x01}},
        "ZEMBUTTONLib",
        1,
        0,
        {
            {GUID{0x5E2B9C31, 0x7A41, 0x4F6D, {0xB3, 0x58, 0x0C, 0x91, 0x4E, 0x27, 0x00, 0x02}},
             nimbo::ClassKind::Control, "ZEMBUTTON.ZemButtonCtrl.1", "ZemButton",
             nimbo::LoadResourceString(ClientModule(), IDS_CLIENT_TYPENAME),
             []() -> void* { return static_cast<COleControl*>(new CZemButtonCtrl); }},
            {GUID{0x5E2B9C32, 0x7A41, 0x4F6D, {0xB3, 0x58, 0x0C, 0x91, 0x4E, 0x27, 0x00, 0x03}},
             nimbo::ClassKind::PropertyPage, "ZEMBUTTON.ZemButtonPropPage.1", "ZemButtonPropPage",
             nimbo::LoadResourceString(ClientModule(), IDS_BUTTON_PAGE_TYPENAME),
             []() -> void* { return static_cast<COlePropertyPage*>(new CZemButtonPropPage); }},
        },
    };
    return library;
}

}  // namespace

NIMBO_LIBRARY_ENTRY_POINTS(ZemButtonLibrary)
