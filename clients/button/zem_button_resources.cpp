// The button library's numbered resources.
#include "clients/button/zem_button_artwork.h"
#include "clients/button/zem_button_ctrl.h"
#include "clients/button/zem_button_prop_page.h"
#include "clients/common/client_resources.h"

NIMBO_CLIENT_RESOURCES({
    .module = "zembutton",
    .strings = {{IDS_CLIENT_TYPENAME, "Zem Simple Button "},
                {IDS_BUTTON_PAGE_TYPENAME, "ZemButton Property Page"},
                {IDS_BUTTON_PAGE_CAPTION, "General"}},
    .dialogs = {{IDD_BUTTON_PAGE, ZemButtonPageTemplate()}},
    .bitmaps = {{IDB_CLIENT_DISABLED, DisabledSign},
                {IDB_CLIENT_OFFLINE, OfflineSign},
                {IDB_BUTTON_STRIP, ButtonStrip},
                {IDB_BUTTON_CAPTION, ButtonCaptionPanel},
                {IDB_BUTTON_PENDING, ButtonPendingClock},
                {1, ButtonToolboxPicture}},
})
