#include "server/report_dialog.h"

#include "server/nimbo_resources.h"
#include "server/remote_line.h"
#include "server/server_dialogs.h"

namespace {
constexpr int kViewSetup = 0;
constexpr int kViewStatus = 1;
constexpr int kViewClient = 2;
// What the title adds on a remote line: the PLC table is the gateway's.
constexpr char kRemoteTitle[] = " - linea remota: Setup in sola lettura, si imposta sul gateway";
}  // namespace

CReportDialog::CReportDialog() : CDialog(NimboDialogResources(), IDD_REPORT) {}

// The three lists lie over the frame, the Setup view in front. The window
// always opens on it.
BOOL CReportDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    currentView = kViewSetup;
    const RECT rect = TakeFramePlace(*this, IDC_LIST_FRAME);
    const int count = CComSer::kPlcCount;

    setupList.CreateList(rect, m_hWnd, IDC_LIST_FRAME);
    setupList.SetupColumns();
    if (comSer)
        setupList.SetTables(comSer->plcEnabled, comSer->plcStart, comSer->plcStop, count);
    setupList.FillRows();
    if (OnRemoteLine(comSer)) {
        setupList.readOnly = true;
        char title[128] = {};
        GetWindowTextA(m_hWnd, title, sizeof title);
        SetWindowTextA(m_hWnd, (std::string(title) + kRemoteTitle).c_str());
    }

    statusList.CreateList(rect, m_hWnd, IDC_LIST_FRAME);
    ShowWindow(statusList.m_hWnd, SW_HIDE);
    statusList.SetupColumns();
    if (comSer)
        statusList.SetTables(comSer->plcEnabled, comSer->plcStatus, comSer->plcScanTime, comSer->plcLastSeen, count);
    statusList.FillRows();

    clientList.CreateList(rect, m_hWnd, IDC_LIST_FRAME);
    ShowWindow(clientList.m_hWnd, SW_HIDE);
    clientList.SetupColumns();
    if (clientWindows && clientRecords)
        clientList.SetClients(clientWindows, clientRecords, static_cast<int>(clientWindows->size()));
    clientList.FillRows();
    return TRUE;
}

void CReportDialog::ShowView(int view)
{
    currentView = view;
    CListCtrl* lists[3] = {&setupList, &statusList, &clientList};
    CListCtrl* shown = lists[view];
    // Filled afresh at each showing (FillRows empties the list first).
    if (view == kViewSetup)
        setupList.FillRows();
    else if (view == kViewStatus)
        statusList.FillRows();
    else
        clientList.FillRows();
    for (CListCtrl* list : lists)
        ShowWindow(list->m_hWnd, list == shown ? SW_SHOW : SW_HIDE);
}

BOOL CReportDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case IDC_VIEW_SETUP:
            ShowView(kViewSetup);
            return TRUE;
        case IDC_VIEW_STATUS:
            ShowView(kViewStatus);
            return TRUE;
        case IDC_VIEW_CLIENT:
            ShowView(kViewClient);
            return TRUE;
        default:
            break;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

// The scan's refresh of one PLC's row, heeded only while the Status view
// shows.
LRESULT CReportDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_REPORT_REFRESH) {
        if (currentView == kViewStatus && lParam >= 0 && lParam < CComSer::kPlcCount)
            statusList.UpdateRow(static_cast<int>(lParam));
        return 1;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

CPasswordDialog::CPasswordDialog() : CDialog(NimboDialogResources(), IDD_PASSWORD) {}

void CPasswordDialog::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_PASSWORD_TEXT, text);
}
