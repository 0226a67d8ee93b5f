// The eight-LED library's identity and entry points.
#include "clients/common/client_library.h"
#include "clients/led8/zem_led8_ctrl.h"
#include "clients/led8/zem_led8_prop_page.h"

NIMBO_CLIENT_LIBRARY(CZemLed8Ctrl, CZemLed8PropPage,
                     GUID{0x6F4C8E20, 0x91A7, 0x4D3B, {0xB5, 0x1E, 0x7A, 0x2C, 0x48, 0x08, 0x00, 0x01}}, "ZEMLED8Lib",
                     {GUID{0x6F4C8E21, 0x91A7, 0x4D3B, {0xB5, 0x1E, 0x7A, 0x2C, 0x48, 0x08, 0x00, 0x02}},
                      "ZEMLED8.ZemLed8Ctrl.1", "ZemLed8"},
                     {GUID{0x6F4C8E22, 0x91A7, 0x4D3B, {0xB5, 0x1E, 0x7A, 0x2C, 0x48, 0x08, 0x00, 0x03}},
                      "ZEMLED8.ZemLed8PropPage.1", "ZemLed8PropPage", IDS_LED8_PAGE_TYPENAME})
