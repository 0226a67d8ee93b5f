// The PLC table list: rows of Enable, AddrStart and AddrStop edited in
// place, straight in the port object's tables, so the scan sees a change
// at its next use of that entry.
#include "server/row_ctrl.h"

#include "platform/menu.h"
#include "server/nimbo_resources.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kHitSlack = 20;  // how far into the first column the row is looked up

std::string Number(std::int32_t value) { return std::to_string(value); }

// The leading decimal integer of a text, 0 when there is none; values past
// what a table entry holds are clamped rather than wrapped.
std::int32_t LeadingInteger(const std::string& text)
{
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    return static_cast<std::int32_t>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

}  // namespace

LRESULT CellEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) {
            PostMessageA(GetParent(m_hWnd), WM_COMMAND, ID_ROW_COMMIT, 0);
            return 0;
        }
        break;
    case WM_KILLFOCUS:
        PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
        break;
    default:
        break;
    }
    return CEdit::WindowProc(message, wParam, lParam);
}

bool CreatePictureList(CListCtrl& list, CImageList& images, const RECT& rect, HWND parent, UINT id,
                       std::initializer_list<UINT> bitmaps)
{
    if (!list.Create(parent, rect, id))
        return false;
    images.Create(20, 20);
    for (UINT picture : bitmaps) {
        CBitmap bitmap;
        if (bitmap.LoadBitmap(NimboDialogResources(), picture))
            images.Add(&bitmap, RGB(255, 255, 255));
    }
    list.SetImageList(&images);
    return true;
}

bool CRowCtrl::CreateList(const RECT& rect, HWND parent, UINT id)
{
    return CreatePictureList(*this, images, rect, parent, id, {IDB_PLC_ON});
}

void CRowCtrl::SetupColumns()
{
    InsertColumn(0, "PLC N\u00b0", 60, LVCFMT_CENTER);
    InsertColumn(1, "Enable", 60, LVCFMT_CENTER);
    InsertColumn(2, "AddrStart", 110, LVCFMT_CENTER);
    InsertColumn(3, "AddrStop", 110, LVCFMT_CENTER);
}

void CRowCtrl::SetTables(std::int32_t* enable, std::int32_t* start, std::int32_t* stop, int count)
{
    tables[0] = enable;
    tables[1] = start;
    tables[2] = stop;
    rows = std::max(0, count);
}

void CRowCtrl::FillRows()
{
    if (!tables[0] || !tables[1] || !tables[2])
        return;
    DeleteAllItems();
    char label[32];
    for (int i = 0; i < rows; ++i) {
        std::snprintf(label, sizeof label, "    %d", i + 1);
        InsertItem(i, label, 0);
        for (int column = 0; column < 3; ++column)
            SetItemText(i, column + 1, Number(tables[column][i]));
    }
}

bool CRowCtrl::EditorOpen() const { return IsWindow(cellEdit.m_hWnd) != 0; }

void CRowCtrl::CloseEditor()
{
    if (EditorOpen())
        cellEdit.DestroyWindow();
}

void CRowCtrl::EditCell()
{
    if (!RowValid(selectedRow) || editColumn < 0 || editColumn > 2 || !tables[editColumn])
        return;
    RECT cell{};
    if (!GetItemRect(selectedRow, &cell))
        return;
    for (int column = 0; column <= editColumn; ++column)
        cell.left += GetColumnWidth(column);
    cell.right = cell.left + GetColumnWidth(editColumn) + 1;
    if (!cellEdit.Create(m_hWnd, cell, ID_ROW_COMMIT, ""))
        return;
    editorRow = selectedRow;
    editorColumn = editColumn;
    cellEdit.SetCentered(true);
    char text[16];
    std::snprintf(text, sizeof text, "%ld", static_cast<long>(tables[editColumn][selectedRow]));
    cellEdit.SetText(text);
}

// The row is found a little inside the first column, whatever column was
// clicked; a click on the first column itself looks left of the list,
// finds no row and edits nothing.
void CRowCtrl::OnLeftButton(LPARAM at)
{
    const int x = GET_X_LPARAM(at);
    const int y = GET_Y_LPARAM(at);
    const int w0 = GetColumnWidth(0);
    const int w1 = GetColumnWidth(1);
    const int w2 = GetColumnWidth(2);
    int a = x - w0;
    editColumn = 0;
    if (w1 < a) {
        editColumn = 1;
        a -= w1;
        if (w2 < a) {
            editColumn = 2;
            a -= w2;
        }
    }
    const int row = HitTest(POINT{std::min(a, kHitSlack), y});
    CListCtrl::WindowProc(WM_LBUTTONDOWN, MK_LBUTTON, at);
    if (row < 0)
        return;
    selectedRow = row;
    if (w0 >= x || readOnly)
        return;
    CloseEditor();
    EditCell();
}

void CRowCtrl::OnRightButton(LPARAM at)
{
    POINT point{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    const int row = HitTest(point);
    CListCtrl::WindowProc(WM_RBUTTONDOWN, MK_RBUTTON, at);
    if (row >= 0)
        selectedRow = row;
    if (readOnly)
        return;
    HMENU menu = CreatePopupMenu();
    if (EditorOpen())
        AppendMenuA(menu, MF_STRING, ID_ROW_COMMIT, "Chiudi");
    else
        AppendMenuA(menu, MF_STRING, ID_ROW_DEFAULT, "Default");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, ID_ROW_RESET, "Reset");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, ID_ROW_RESET_ALL, "Reset All");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, 0, "Annulla");
    ClientToScreen(m_hWnd, &point);
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, 0, m_hWnd, nullptr);
    DestroyMenu(menu);
}

void CRowCtrl::SetRow(int row, std::int32_t enable, std::int32_t start, std::int32_t stop)
{
    const std::int32_t values[3] = {enable, start, stop};
    for (int column = 0; column < 3; ++column) {
        if (tables[column])
            tables[column][row] = values[column];
        SetItemText(row, column + 1, Number(values[column]));
    }
}

// The cell shows the text as typed; the table holds what it starts with.
void CRowCtrl::Commit()
{
    if (!EditorOpen())
        return;
    const std::string typed = cellEdit.GetText();
    const int row = editorRow;
    const int column = editorColumn;
    CloseEditor();
    if (!RowValid(row) || column < 0 || column > 2 || !tables[column])
        return;
    tables[column][row] = LeadingInteger(typed);
    SetItemText(row, column + 1, typed);
}

void CRowCtrl::OnRowCommand(UINT id)
{
    switch (id) {
    case ID_ROW_COMMIT:
        Commit();
        break;
    case ID_ROW_RESET:
        CloseEditor();
        if (RowValid(selectedRow))
            SetRow(selectedRow, 0, 0, 0);
        break;
    case ID_ROW_RESET_ALL:
        CloseEditor();
        for (int row = 0; row < rows; ++row)
            SetRow(row, 0, 0, 0);
        break;
    case ID_ROW_DEFAULT:
        CloseEditor();
        if (RowValid(selectedRow))
            SetRow(selectedRow, 1, 0, 900);
        break;
    default:
        break;
    }
}

LRESULT CRowCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
        OnLeftButton(lParam);
        return 0;
    case WM_RBUTTONDOWN:
        OnRightButton(lParam);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS;
    case WM_COMMAND:
        // Menu items and the editor's Enter come without a notification
        // code; the editor's own change notices do not commit anything.
        if (HIWORD(wParam) == 0) {
            OnRowCommand(LOWORD(wParam));
            return 0;
        }
        break;
    default:
        break;
    }
    return CListCtrl::WindowProc(message, wParam, lParam);
}
