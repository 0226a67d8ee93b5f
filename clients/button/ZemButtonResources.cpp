// The button library's numbered resources.
#include "clients/button/ZemButtonArtwork.h"
#include "clients/button/ZemButtonCtrl.h"
#include "clients/button/ZemButtonPropPage.h"
#include "clients/common/ClientResources.h"

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
