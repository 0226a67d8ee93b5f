// The numeric display library's numbered resources.
#include "clients/common/ClientArtwork.h"
#include "clients/common/ClientCtrl.h"
#include "clients/edit/EditArtwork.h"
#include "clients/edit/EditPage.h"

HINSTANCE ClientModule()
{
    static HINSTANCE module = [] {
        HINSTANCE m = nimbo::RegisterResourceModule("zemedit");
        nimbo::AddStringResource(m, IDS_CLIENT_TYPENAME, "Zem STATIC Control");
        nimbo::AddStringResource(m, IDS_EDIT_PAGE_TYPENAME, "Zem STATIC  Property Page");
        nimbo::AddStringResource(m, IDS_EDIT_PAGE_CAPTION, "General");
        nimbo::AddDialogResource(m, IDD_EDIT_PAGE, EditPageTemplate());
        nimbo::AddBitmapResource(m, IDB_CLIENT_DISABLED, DisabledSign);
        nimbo::AddBitmapResource(m, IDB_CLIENT_OFFLINE, OfflineSign);
        nimbo::AddBitmapResource(m, 1, EditToolboxPicture);
        return m;
    }();
    return module;
}
