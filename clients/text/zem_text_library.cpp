// The two-caption text library's identity and entry points.
#include "clients/common/client_library.h"
#include "clients/text/zem_text_ctrl.h"
#include "clients/text/zem_text_prop_page.h"

NIMBO_CLIENT_LIBRARY(CZemTextCtrl, CZemTextPropPage,
                     GUID{0x9D27B540, 0x3E6F, 0x4C12, {0xA8, 0x4D, 0x5B, 0x91, 0x7E, 0x0C, 0x00, 0x01}}, "ZEMTEXTLib",
                     {GUID{0x9D27B541, 0x3E6F, 0x4C12, {0xA8, 0x4D, 0x5B, 0x91, 0x7E, 0x0C, 0x00, 0x02}},
                      "ZEMTEXT.ZemTextCtrl.1", "ZemText"},
                     {GUID{0x9D27B542, 0x3E6F, 0x4C12, {0xA8, 0x4D, 0x5B, 0x91, 0x7E, 0x0C, 0x00, 0x03}},
                      "ZEMTEXT.ZemTextPropPage.1", "ZemTextPropPage", IDS_TEXT_PAGE_TYPENAME})
