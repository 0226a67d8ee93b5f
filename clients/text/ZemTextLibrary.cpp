// The two-caption text library's identity and entry points.
#include "clients/text/ZemTextCtrl.h"
#include "clients/text/ZemTextPropPage.h"
#include "platform/registry.h"

namespace {

const nimbo::LibraryEntry& ZemTextLibrary()
{
    // Fixed identifiers, chosen once for this library and never changed.
    static const nimbo::LibraryEntry library = {
        GUID{0x9D27B540, 0x3E6F, 0x4C12, {0xA8, 0x4D, 0x5B, 0x91, 0x7E, 0x0C, 0x00, 0x01}},
        "ZEMTEXTLib",
        1,
        0,
        {
            {GUID{0x9D27B541, 0x3E6F, 0x4C12, {0xA8, 0x4D, 0x5B, 0x91, 0x7E, 0x0C, 0x00, 0x02}},
             nimbo::ClassKind::Control, "ZEMTEXT.ZemTextCtrl.1", "ZemText",
             nimbo::LoadResourceString(ClientModule(), IDS_CLIENT_TYPENAME),
             []() -> void* { return static_cast<COleControl*>(new CZemTextCtrl); }},
            {GUID{0x9D27B542, 0x3E6F, 0x4C12, {0xA8, 0x4D, 0x5B, 0x91, 0x7E, 0x0C, 0x00, 0x03}},
             nimbo::ClassKind::PropertyPage, "ZEMTEXT.ZemTextPropPage.1", "ZemTextPropPage",
             nimbo::LoadResourceString(ClientModule(), IDS_TEXT_PAGE_TYPENAME),
             []() -> void* { return static_cast<COlePropertyPage*>(new CZemTextPropPage); }},
        },
    };
    return library;
}

}  // namespace

NIMBO_LIBRARY_ENTRY_POINTS(ZemTextLibrary)
