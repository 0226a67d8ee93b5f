// The LED library's identity and entry points.
#include "clients/common/client_library.h"
#include "clients/led/led_ctrl.h"
#include "clients/led/led_prop_page.h"

NIMBO_CLIENT_LIBRARY(CLedCtrl, CLedPropPage,
                     GUID{0x2B1E7A10, 0x5C3D, 0x4A8B, {0x8E, 0x21, 0x33, 0x0F, 0x6B, 0x02, 0x00, 0x01}}, "LEDLib",
                     {GUID{0x2B1E7A11, 0x5C3D, 0x4A8B, {0x8E, 0x21, 0x33, 0x0F, 0x6B, 0x02, 0x00, 0x02}},
                      "LED.LedCtrl.1", "Led"},
                     {GUID{0x2B1E7A12, 0x5C3D, 0x4A8B, {0x8E, 0x21, 0x33, 0x0F, 0x6B, 0x02, 0x00, 0x03}},
                      "LED.LedPropPage.1", "LedPropPage", IDS_LED_PAGE_TYPENAME})
