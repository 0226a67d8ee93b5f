// The LED library's identity and entry points.
#include "clients/led/LedCtrl.h"
#include "clients/led/LedPropPage.h"
#include "platform/registry.h"

namespace {

const nimbo::LibraryEntry& LedLibrary()
{
    // Fixed identifiers, chosen once for this library and never changed.
    static const nimbo::LibraryEntry library = {
        GUID{0x2B1E7A10, 0x5C3D, 0x4A8B, {0x8E, 0x21, 0x33, 0x0F, 0x6B, 0x02, 0x00, 0x01}},
        "LEDLib",
        1,
        0,
        {
            {GUID{0x2B1E7A11, 0x5C3D, 0x4A8B, {0x8E, 0x21, 0x33, 0x0F, 0x6B, 0x02, 0x00, 0x02}},
             nimbo::ClassKind::Control, "LED.LedCtrl.1", "Led",
             nimbo::LoadResourceString(ClientModule(), IDS_CLIENT_TYPENAME),
             []() -> void* { return static_cast<COleControl*>(new CLedCtrl); }},
            {GUID{0x2B1E7A12, 0x5C3D, 0x4A8B, {0x8E, 0x21, 0x33, 0x0F, 0x6B, 0x02, 0x00, 0x03}},
             nimbo::ClassKind::PropertyPage, "LED.LedPropPage.1", "LedPropPage",
             nimbo::LoadResourceString(ClientModule(), IDS_LED_PAGE_TYPENAME),
             []() -> void* { return static_cast<COlePropertyPage*>(new CLedPropPage); }},
        },
    };
    return library;
}

}  // namespace

NIMBO_LIBRARY_ENTRY_POINTS(LedLibrary)
