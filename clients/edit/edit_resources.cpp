// The numeric display library's numbered resources.
#include "clients/common/client_resources.h"
#include "clients/edit/edit_artwork.h"
#include "clients/edit/edit_page.h"

NIMBO_CLIENT_RESOURCES({
    .module = "zemedit",
    .strings = {{IDS_CLIENT_TYPENAME, "Zem STATIC Control"},
                {IDS_EDIT_PAGE_TYPENAME, "Zem STATIC  Property Page"},
                {IDS_EDIT_PAGE_CAPTION, "General"}},
    .dialogs = {{IDD_EDIT_PAGE, EditPageTemplate()}},
    .bitmaps = {{IDB_CLIENT_DISABLED, DisabledSign},
                {IDB_CLIENT_OFFLINE, OfflineSign},
                {1, EditToolboxPicture}},
})
