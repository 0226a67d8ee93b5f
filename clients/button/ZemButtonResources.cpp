// The button library's numbered resources.
#include "clients/button/ZemButtonArtwork.h"
#include "clients/button/ZemButtonCtrl.h"
#include "clients/button/ZemButtonPropPage.h"
#include "clients/common/ClientArtwork.h"

HINSTANCE ClientModule()
{
    static HINSTANCE module = [] {
        HINSTANCE m = nimbo::RegisterResourceModule("zembutton");
        nimbo::AddStringResource(m, IDS_CLIENT_TYPENAME, "Zem Simple Button ");
        nimbo::AddStringResource(m, IDS_BUTTON_PAGE_TYPENAME, "ZemButton Property Page");
        nimbo::AddStringResource(m, IDS_BUTTON_PAGE_CAPTION, "General");
        nimbo::AddDialogResource(m, IDD_BUTTON_PAGE, ZemButtonPageTemplate());
        nimbo::AddBitmapResource(m, IDB_CLIENT_DISABLED, DisabledSign);
        nimbo::AddBitmapResource(m, IDB_CLIENT_OFFLINE, OfflineSign);
        nimbo::AddBitmapResource(m, IDB_BUTTON_STRIP, ButtonStrip);
        nimbo::AddBitmapResource(m, IDB_BUTTON_CAPTION, ButtonCaptionPanel);
        nimbo::AddBitmapResource(m, IDB_BUTTON_PENDING, ButtonPendingClock);
        nimbo::AddBitmapResource(m, 1, ButtonToolboxPicture);
        return m;
    }();
    return module;
}
