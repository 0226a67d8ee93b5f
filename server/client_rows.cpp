// The registered client controls, one row each, described by the identity
// record each publishes in its window.
#include "server/row_ctrl.h"

#include "server/nimbo_resources.h"

#include <cstdio>

bool CRowCtrl2::CreateList(const RECT& rect, HWND parent, UINT id)
{
    return CreatePictureList(*this, images, rect, parent, id, {IDB_CLIENT});
}

void CRowCtrl2::SetupColumns()
{
    InsertColumn(0, "OCX ref.", 100, LVCFMT_CENTER);
    InsertColumn(1, "HWND", 100, LVCFMT_CENTER);
    InsertColumn(2, "Caption", 150, LVCFMT_CENTER);
    InsertColumn(3, "WindowRect", 190, LVCFMT_CENTER);
}

void CRowCtrl2::SetClients(const std::vector<HWND>* windows, const std::vector<CClientInfo*>* records, int count)
{
    clientWindows = windows;
    clientRecords = records;
    rows = count < 0 ? 0 : count;
}

// A record is read only while its window still publishes it: the records
// were gathered when the window opened, and a client destroyed since has
// taken its record with it.
void CRowCtrl2::FillRows()
{
    if (!clientWindows || !clientRecords)
        return;
    DeleteAllItems();
    for (int i = 0; i < rows; ++i) {
        const HWND window = i < static_cast<int>(clientWindows->size()) ? (*clientWindows)[i] : 0;
        const CClientInfo* record = i < static_cast<int>(clientRecords->size()) ? (*clientRecords)[i] : nullptr;
        const bool published = record && IsWindow(window) &&
                               GetWindowLongA(window, GWL_USERDATA) == reinterpret_cast<LONG_PTR>(record);
        const bool valid = published && record->signature == CLIENT_SIGNATURE;
        InsertItem(i, valid ? record->typeName.str() : std::string(), 0);
        char handle[16];
        std::snprintf(handle, sizeof handle, "%08X", static_cast<unsigned>(window));
        SetItemText(i, 1, handle);
        if (!valid)
            continue;
        SetItemText(i, 2, record->windowText.str());
        const RECT& r = record->windowRect;
        char rect[96];
        std::snprintf(rect, sizeof rect, "Pos(%d,%d)-W,H(%d,%d)", static_cast<int>(r.left), static_cast<int>(r.top),
                      static_cast<int>(r.right - r.left), static_cast<int>(r.bottom - r.top));
        SetItemText(i, 3, rect);
    }
}
