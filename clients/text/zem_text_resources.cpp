// The two-caption text library's numbered resources.
#include "clients/common/client_resources.h"
#include "clients/text/zem_text_artwork.h"
#include "clients/text/zem_text_ctrl.h"
#include "clients/text/zem_text_prop_page.h"

NIMBO_CLIENT_RESOURCES({
    .module = "zemtext",
    .strings = {{IDS_CLIENT_TYPENAME, "Zem Simple Text"},
                {IDS_TEXT_PAGE_TYPENAME, "ZemText Property Page"},
                {IDS_TEXT_PAGE_CAPTION, "General"}},
    .dialogs = {{IDD_TEXT_PAGE, ZemTextPageTemplate()}},
    .bitmaps = {{1, TextToolboxPicture},
                {IDB_TEXT_PANEL, TextPanel},
                {IDB_TEXT_DISABLED, TextDisabledPanel},
                {IDB_TEXT_OFFLINE, OfflineSign}},
    .icons = {{IDI_TEXT_PAGE, TextPageIcon}},
})
