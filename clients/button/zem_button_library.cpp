// The button library's identity and entry points.
#include "clients/button/zem_button_ctrl.h"
#include "clients/button/zem_button_prop_page.h"
#include "clients/common/client_library.h"

NIMBO_CLIENT_LIBRARY(CZemButtonCtrl, CZemButtonPropPage,
                     GUID{0x5E2B9C30, 0x7A41, 0x4F6D, {0xB3, 0x58, 0x0C, 0x91, 0x4E, 0x27, 0x00, 0x01}}, "ZEMBUTTONLib",
                     {GUID{0x5E2B9C31, 0x7A41, 0x4F6D, {0xB3, 0x58, 0x0C, 0x91, 0x4E, 0x27, 0x00, 0x02}},
                      "ZEMBUTTON.ZemButtonCtrl.1", "ZemButton"},
                     {GUID{0x5E2B9C32, 0x7A41, 0x4F6D, {0xB3, 0x58, 0x0C, 0x91, 0x4E, 0x27, 0x00, 0x03}},
                      "ZEMBUTTON.ZemButtonPropPage.1", "ZemButtonPropPage", IDS_BUTTON_PAGE_TYPENAME})
