// The bar library's numbered resources.
#include "clients/bar/ZemBarArtwork.h"
#include "clients/bar/ZemBarCtrl.h"
#include "clients/bar/ZemBarPropPage.h"
#include "clients/common/ClientArtwork.h"

HINSTANCE ClientModule()
{
    static HINSTANCE module = [] {
        HINSTANCE m = nimbo::RegisterResourceModule("zembar");
        nimbo::AddStringResource(m, IDS_CLIENT_TYPENAME, "Zem VBar Control");
        nimbo::AddStringResource(m, IDS_BAR_PAGE_TYPENAME, "ZemBar Property Page");
        nimbo::AddStringResource(m, IDS_BAR_PAGE_CAPTION, "General");
        nimbo::AddDialogResource(m, IDD_BAR_PAGE, ZemBarPageTemplate());
        nimbo::AddBitmapResource(m, IDB_CLIENT_DISABLED, DisabledSign);
        nimbo::AddBitmapResource(m, IDB_CLIENT_OFFLINE, OfflineSign);
        nimbo::AddBitmapResource(m, IDB_BAR_CAPTION, BarCaptionPanel);
        nimbo::AddBitmapResource(m, IDB_BAR_EMPTY, BarColumnEmpty);
        nimbo::AddBitmapResource(m, IDB_BAR_FULL, BarColumnFull);
        nimbo::AddBitmapResource(m, IDB_BAR_PERCENT_DIGITS, BarPercentDigits);
        nimbo::AddBitmapResource(m, IDB_BAR_SMALL_DIGITS, BarSmallDigits);
        nimbo::AddBitmapResource(m, IDB_BAR_LARGE_DIGITS, BarLargeDigits);
        nimbo::AddBitmapResource(m, IDB_BAR_PERCENT_LABEL, BarPercentLabel);
        nimbo::AddBitmapResource(m, IDB_BAR_MIN_LABEL, BarMinLabel);
        nimbo::AddBitmapResource(m, IDB_BAR_MAX_LABEL, BarMaxLabel);
        nimbo::AddBitmapResource(m, IDB_BAR_VALUE_LABEL, BarValueLabel);
        nimbo::AddBitmapResource(m, 1, BarToolboxPicture);
        return m;
    }();
    return module;
}
