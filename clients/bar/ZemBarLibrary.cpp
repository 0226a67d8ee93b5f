// The bar library's identity and entry points.
#include "clients/bar/ZemBarCtrl.h"
#include "clients/bar/ZemBarPropPage.h"
#include "platform/registry.h"

namespace {

const nimbo::LibraryEntry& ZemBarLibrary()
{
    // Fixed identifiers, chosen once for this library and never changed.
    static const nimbo::LibraryEntry library = {
        GUID{0x8D47F1A0, 0x2E96, 0x4C13, {0xA6, 0x7B, 0x51, 0xD0, 0x3F, 0x88, 0x00, 0x01}},
        "ZEMBARLib",
        1,
        0,
        {
            {GUID{0x8D47F1A1, 0x2E96, 0x4C13, {0xA6, 0x7B, 0x51, 0xD0, 0x3F, 0x88, 0x00, 0x02}},
             nimbo::ClassKind::Control, "ZEMBAR.ZemBarCtrl.1", "ZemBar",
             nimbo::LoadResourceString(ClientModule(), IDS_CLIENT_TYPENAME),
             []() -> void* { return static_cast<COleControl*>(new CZemBarCtrl); }},
            {GUID{0x8D47F1A2, 0x2E96, 0x4C13, {0xA6, 0x7B, 0x51, 0xD0, 0x3F, 0x88, 0x00, 0x03}},
             nimbo::ClassKind::PropertyPage, "ZEMBAR.ZemBarPropPage.1", "ZemBarPropPage",
             nimbo::LoadResourceString(ClientModule(), IDS_BAR_PAGE_TYPENAME),
             []() -> void* { return static_cast<COlePropertyPage*>(new CZemBarPropPage); }},
        },
    };
    return library;
}

}  // namespace

NIMBO_LIBRARY_ENTRY_POINTS(ZemBarLibrary)
