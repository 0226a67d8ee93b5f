// The numeric display library's identity and entry points. The dispatch and
// event interfaces, which the framework does not ask for, are
// {9D4F21A1-7E36-4C58-A10B-5E72C43D0702} and ...A2-...0703.
#include "clients/common/client_library.h"
#include "clients/edit/edit_ctrl.h"
#include "clients/edit/edit_page.h"

NIMBO_CLIENT_LIBRARY(CZEMEDITCtrl, CZEMEDITPropPage,
                     GUID{0x9D4F21A0, 0x7E36, 0x4C58, {0xA1, 0x0B, 0x5E, 0x72, 0xC4, 0x3D, 0x07, 0x01}}, "ZEMEDITLib",
                     {GUID{0x9D4F21A3, 0x7E36, 0x4C58, {0xA1, 0x0B, 0x5E, 0x72, 0xC4, 0x3D, 0x07, 0x04}},
                      "ZEMEDIT.ZEMEDITCtrl.1", "ZEMEDIT"},
                     {GUID{0x9D4F21A4, 0x7E36, 0x4C58, {0xA1, 0x0B, 0x5E, 0x72, 0xC4, 0x3D, 0x07, 0x05}},
                      "ZEMEDIT.ZEMEDITPropPage.1", "ZEMEDITPropPage", IDS_EDIT_PAGE_TYPENAME})
