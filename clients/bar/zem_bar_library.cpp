// The bar library's identity and entry points.
#include "clients/bar/zem_bar_ctrl.h"
#include "clients/bar/zem_bar_prop_page.h"
#include "clients/common/client_library.h"

NIMBO_CLIENT_LIBRARY(CZemBarCtrl, CZemBarPropPage,
                     GUID{0x8D47F1A0, 0x2E96, 0x4C13, {0xA6, 0x7B, 0x51, 0xD0, 0x3F, 0x88, 0x00, 0x01}}, "ZEMBARLib",
                     {GUID{0x8D47F1A1, 0x2E96, 0x4C13, {0xA6, 0x7B, 0x51, 0xD0, 0x3F, 0x88, 0x00, 0x02}},
                      "ZEMBAR.ZemBarCtrl.1", "ZemBar"},
                     {GUID{0x8D47F1A2, 0x2E96, 0x4C13, {0xA6, 0x7B, 0x51, 0xD0, 0x3F, 0x88, 0x00, 0x03}},
                      "ZEMBAR.ZemBarPropPage.1", "ZemBarPropPage", IDS_BAR_PAGE_TYPENAME})
