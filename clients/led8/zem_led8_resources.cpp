// The eight-LED library's numbered resources.
#include "clients/common/client_resources.h"
#include "clients/led/led_artwork.h"
#include "clients/led8/zem_led8_artwork.h"
#include "clients/led8/zem_led8_ctrl.h"
#include "clients/led8/zem_led8_prop_page.h"

NIMBO_CLIENT_RESOURCES({
    .module = "zemled8",
    // The trailing blank belongs to the name the server's window lists.
    .strings = {{IDS_CLIENT_TYPENAME, "Zem Led 8 "},
                {IDS_LED8_PAGE_TYPENAME, "ZemLed8 Property Page"},
                {IDS_LED8_PAGE_CAPTION, "Generale"}},
    .dialogs = {{IDD_LED8_PAGE, ZemLed8PageTemplate()}},
    .bitmaps = {{1, Led8ToolboxPicture},
                {IDB_LED8_CAPTION, Led8CaptionPanel},
                {IDB_LED8_LAMPS, LedLampStrip},
                {IDB_CLIENT_DISABLED, DisabledSign},
                {IDB_CLIENT_OFFLINE, OfflineSign}},
})
