// The LED library's numbered resources.
#include "clients/common/client_resources.h"
#include "clients/led/led_artwork.h"
#include "clients/led/led_ctrl.h"
#include "clients/led/led_prop_page.h"
#include "platform/pixel_paint.h"

NIMBO_CLIENT_RESOURCES({
    .module = "led",
    .strings = {{IDS_CLIENT_TYPENAME, "Zem LED 1"},
                {IDS_LED_PAGE_TYPENAME, "Proprietà"},
                {IDS_LED_PAGE_CAPTION, "Generale"}},
    .dialogs = {{IDD_LED_PAGE, LedPageTemplate()}},
    .bitmaps = {{IDB_CLIENT_DISABLED, DisabledSign},
                {IDB_CLIENT_OFFLINE, OfflineSign},
                {IDB_LED_LAMPS, LedLampStrip},
                {IDB_LED_CAPTION, LedCaptionPanel},
                {1,
                 [] {
                     nimbo::Pixels p = nimbo::MakePixels(16, 15, nimbo::paint::Opaque(192, 192, 192));
                     nimbo::paint::Disc(p, 16, 15, 11, nimbo::paint::Opaque(0, 0, 0));
                     nimbo::paint::Disc(p, 16, 15, 9, nimbo::paint::Opaque(255, 0, 0));
                     return p;
                 }}},
})
