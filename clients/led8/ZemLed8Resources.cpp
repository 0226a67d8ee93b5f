// The eight-LED library's numbered resources.
#include "clients/common/ClientArtwork.h"
#include "clients/led/LedArtwork.h"
#include "clients/led8/ZemLed8Artwork.h"
#include "clients/led8/ZemLed8Ctrl.h"
#include "clients/led8/ZemLed8PropPage.h"

HINSTANCE ClientModule()
{
    static HINSTANCE module = [] {
        HINSTANCE m = nimbo::RegisterResourceModule("zemled8");
        // The trailing blank belongs to the name the server's window lists.
        nimbo::AddStringResource(m, IDS_CLIENT_TYPENAME, "Zem Led 8 ");
        nimbo::AddStringResource(m, IDS_LED8_PAGE_TYPENAME, "ZemLed8 Property Page");
        nimbo::AddStringResource(m, IDS_LED8_PAGE_CAPTION, "Generale");
        nimbo::AddDialogResource(m, IDD_LED8_PAGE, ZemLed8PageTemplate());
        nimbo::AddBitmapResource(m, 1, Led8ToolboxPicture);
        nimbo::AddBitmapResource(m, IDB_LED8_CAPTION, Led8CaptionPanel);
        nimbo::AddBitmapResource(m, IDB_LED8_LAMPS, LedLampStrip);
        nimbo::AddBitmapResource(m, IDB_CLIENT_DISABLED, DisabledSign);
        nimbo::AddBitmapResource(m, IDB_CLIENT_OFFLINE, OfflineSign);
        return m;
    }();
    return module;
}
