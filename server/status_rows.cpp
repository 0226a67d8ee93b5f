// The state of every PLC, refreshed row by row by the scan while it shows.
#include "server/row_ctrl.h"

#include "link/com_ser.h"
#include "server/nimbo_resources.h"

#include <cstdio>

std::string StatusText(std::int32_t status)
{
    switch (status) {
    case PLC_OK:
        return "Ok";
    case PLC_DEAD:
        return "Dead";
    case PLC_IN_USE:
        return "in use";
    default:
        return "???";
    }
}

// Hour, minute and second packed in the three low bytes.
std::string LastSeenText(std::int32_t packed)
{
    const auto byteAt = [packed](int shift) { return static_cast<int>(static_cast<std::int8_t>(packed >> shift)); };
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", byteAt(16), byteAt(8), byteAt(0));
    return text;
}

bool CRowCtrl1::CreateList(const RECT& rect, HWND parent, UINT id)
{
    return CreatePictureList(*this, images, rect, parent, id, {IDB_PLC_ON, IDB_PLC_OFF});
}

void CRowCtrl1::SetupColumns()
{
    InsertColumn(0, "PLC N\u00b0", 100, LVCFMT_CENTER);
    InsertColumn(1, "Status", 120, LVCFMT_CENTER);
    InsertColumn(2, "Scan time", 120, LVCFMT_CENTER);
    InsertColumn(3, "Last msg", 190, LVCFMT_CENTER);
}

void CRowCtrl1::SetTables(const std::int32_t* enableTable, const std::int32_t* statusTable,
                          const std::uint32_t* scanTimeTable, const std::int32_t* lastSeenTable, int count)
{
    enable = enableTable;
    status = statusTable;
    scanTime = scanTimeTable;
    lastSeen = lastSeenTable;
    rows = count < 0 ? 0 : count;
}

void CRowCtrl1::FillRows()
{
    if (!enable || !status || !scanTime || !lastSeen)
        return;
    DeleteAllItems();
    char label[32];
    for (int i = 0; i < rows; ++i) {
        std::snprintf(label, sizeof label, "    %d", i + 1);
        InsertItem(i, label, enable[i] != 0 ? 0 : 1);
    }
    for (int i = 0; i < rows; ++i)
        UpdateRow(i);
}

// Only a PLC the scan polls (its entry exactly 1) has a state to show.
void CRowCtrl1::UpdateRow(int row)
{
    if (!enable || !status || !scanTime || !lastSeen || row < 0 || row >= rows || enable[row] != 1)
        return;
    SetItemText(row, 1, StatusText(status[row]));
    char time[32];
    std::snprintf(time, sizeof time, "%d ms", static_cast<int>(scanTime[row]));
    SetItemText(row, 2, time);
    SetItemText(row, 3, LastSeenText(lastSeen[row]));
}
