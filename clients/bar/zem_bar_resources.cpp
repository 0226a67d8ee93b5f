// The bar library's numbered resources.
#include "clients/bar/zem_bar_artwork.h"
#include "clients/bar/zem_bar_ctrl.h"
#include "clients/bar/zem_bar_prop_page.h"
#include "clients/common/client_resources.h"

NIMBO_CLIENT_RESOURCES({
    .module = "zembar",
    .strings = {{IDS_CLIENT_TYPENAME, "Zem VBar Control"},
                {IDS_BAR_PAGE_TYPENAME, "ZemBar Property Page"},
                {IDS_BAR_PAGE_CAPTION, "General"}},
    .dialogs = {{IDD_BAR_PAGE, ZemBarPageTemplate()}},
    .bitmaps = {{IDB_CLIENT_DISABLED, DisabledSign},
                {IDB_CLIENT_OFFLINE, OfflineSign},
                {IDB_BAR_CAPTION, BarCaptionPanel},
                {IDB_BAR_EMPTY, BarColumnEmpty},
                {IDB_BAR_FULL, BarColumnFull},
                {IDB_BAR_PERCENT_DIGITS, BarPercentDigits},
                {IDB_BAR_SMALL_DIGITS, BarSmallDigits},
                {IDB_BAR_LARGE_DIGITS, BarLargeDigits},
                {IDB_BAR_PERCENT_LABEL, BarPercentLabel},
                {IDB_BAR_MIN_LABEL, BarMinLabel},
                {IDB_BAR_MAX_LABEL, BarMaxLabel},
                {IDB_BAR_VALUE_LABEL, BarValueLabel},
                {1, BarToolboxPicture}},
})
