// The LED library's numbered resources.
#include "clients/common/ClientArtwork.h"
#include "clients/common/ClientCtrl.h"
#include "clients/led/LedArtwork.h"
#include "clients/led/LedCtrl.h"
#include "clients/led/LedPropPage.h"
#include "platform/pixel_paint.h"

HINSTANCE ClientModule()
{
    static HINSTANCE module = [] {
        HINSTANCE m = nimbo::RegisterResourceModule("led");
        nimbo::AddStringResource(m, IDS_CLIENT_TYPENAME, "Zem LED 1");
        nimbo::AddStringResource(m, IDS_LED_PAGE_TYPENAME, "Proprietà");
        nimbo::AddStringResource(m, IDS_LED_PAGE_CAPTION, "Generale");
        nimbo::AddDialogResource(m, IDD_LED_PAGE, LedPageTemplate());
        nimbo::AddBitmapResource(m, IDB_CLIENT_DISABLED, DisabledSign);
        nimbo::AddBitmapResource(m, IDB_CLIENT_OFFLINE, OfflineSign);
        nimbo::AddBitmapResource(m, IDB_LED_LAMPS, LedLampStrip);
        nimbo::AddBitmapResource(m, IDB_LED_CAPTION, LedCaptionPanel);
        nimbo::AddBitmapResource(m, 1, [] {
            nimbo::Pixels p = nimbo::MakePixels(16, 15, nimbo::paint::Opaque(192, 192, 192));
            nimbo::paint::Disc(p, 16, 15, 11, nimbo::paint::Opaque(0, 0, 0));
            nimbo::paint::Disc(p, 16, 15, 9, nimbo::paint::Opaque(255, 0, 0));
            return p;
        });
        return m;
    }();
    return module;
}
