// The two-caption text library's numbered resources.
#include "clients/common/ClientArtwork.h"
#include "clients/text/ZemTextArtwork.h"
#include "clients/text/ZemTextCtrl.h"
#include "clients/text/ZemTextPropPage.h"

HINSTANCE ClientModule()
{
    static HINSTANCE module = [] {
        HINSTANCE m = nimbo::RegisterResourceModule("zemtext");
        nimbo::AddStringResource(m, IDS_CLIENT_TYPENAME, "Zem Simple Text");
        nimbo::AddStringResource(m, IDS_TEXT_PAGE_TYPENAME, "ZemText Property Page");
        nimbo::AddStringResource(m, IDS_TEXT_PAGE_CAPTION, "General");
        nimbo::AddDialogResource(m, IDD_TEXT_PAGE, ZemTextPageTemplate());
        nimbo::AddBitmapResource(m, 1, TextToolboxPicture);
        nimbo::AddIconResource(m, IDI_TEXT_PAGE, TextPageIcon);
        nimbo::AddBitmapResource(m, IDB_TEXT_PANEL, TextPanel);
        nimbo::AddBitmapResource(m, IDB_TEXT_DISABLED, TextDisabledPanel);
        nimbo::AddBitmapResource(m, IDB_TEXT_OFFLINE, OfflineSign);
        return m;
    }();
    return module;
}
