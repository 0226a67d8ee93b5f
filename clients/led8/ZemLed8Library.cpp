// The eight-LED library's identity and entry points.
#include "clients/led8/ZemLed8Ctrl.h"
#include "clients/led8/ZemLed8PropPage.h"
#include "platform/registry.h"

namespace {

const nimbo::LibraryEntry& ZemLed8Library()
{
    // Fixed identifiers, chosen once for this library and never changed.
    static const nimbo::LibraryEntry library = {
        GUID{0x6F4C8E20, 0x91A7, 0x4D3B, {0xB5, 0x1E, 0x7A, 0x2C, 0x48, 0x08, 0x00, 0x01}},
        "ZEMLED8Lib",
        1,
        0,
        {
            {GUID{0x6F4C8E21, 0x91A7, 0x4D3B, {0xB5, 0x1E, 0x7A, 0x2C, 0x48, 0x08, 0x00, 0x02}},
             nimbo::ClassKind::Control, "ZEMLED8.ZemLed8Ctrl.1", "ZemLed8",
             nimbo::LoadResourceString(ClientModule(), IDS_CLIENT_TYPENAME),
             []() -> void* { return static_cast<COleControl*>(new CZemLed8Ctrl); }},
            {GUID{0x6F4C8E22, 0x91A7, 0x4D3B, {0xB5, 0x1E, 0x7A, 0x2C, 0x48, 0x08, 0x00, 0x03}},
             nimbo::ClassKind::PropertyPage, "ZEMLED8.ZemLed8PropPage.1", "ZemLed8PropPage",
             nimbo::LoadResourceString(ClientModule(), IDS_LED8_PAGE_TYPENAME),
             []() -> void* { return static_cast<COlePropertyPage*>(new CZemLed8PropPage); }},
        },
    };
    return library;
}

}  // namespace

NIMBO_LIBRARY_ENTRY_POINTS(ZemLed8Library)
