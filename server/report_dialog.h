// The diagnostic window opened by a double click on the server: the PLC
// table, the live state of every PLC and the registered clients, three
// lists over one frame with a button for each. The scan posts it a
// refresh for one row after each pass or missed reply.
#pragma once

#include "link/client_info.h"
#include "link/com_ser.h"
#include "platform/dialog.h"
#include "server/row_ctrl.h"

#include <vector>

constexpr UINT WM_REPORT_REFRESH = WM_USER;

class CReportDialog : public CDialog {
public:
    CReportDialog();

    bool Exists() const { return IsWindow(m_hWnd) != 0; }
    void PostRefresh(int row) const { PostMessageA(m_hWnd, WM_REPORT_REFRESH, 0, row); }

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    void ShowView(int view);

    CComSer* comSer = nullptr;
    const std::vector<HWND>* clientWindows = nullptr;
    const std::vector<CClientInfo*>* clientRecords = nullptr;
    int currentView = 0;  // 0 Setup, 1 Status, 2 Client
    CRowCtrl setupList;
    CRowCtrl1 statusList;
    CRowCtrl2 clientList;
};

// The password request: one hidden-text field and OK. The text typed is
// taken over only when the request is closed with OK.
class CPasswordDialog : public CDialog {
public:
    CPasswordDialog();
    void DoDataExchange(CDataExchange* pDX) override;

    std::string text;
};
