// Opening the diagnostic window, behind the password when there is one.
#include "server/nimbo_ctrl.h"

void CNimboCtrl::OnLButtonDblClk(UINT flags, POINT point)
{
    OpenReport();
    COleControl::OnLButtonDblClk(flags, point);
}

// The scan stops while the password is asked, so that the request is not
// raced by the line; it runs again at its own period afterwards.
void CNimboCtrl::OpenReport()
{
    if (!password.empty()) {
        if (goValue == 1)
            KillTimer(m_hWnd, kScanTimer);
        CPasswordDialog request;
        request.DoModal(m_hWnd);
        if (goValue == 1)
            SetTimer(m_hWnd, kScanTimer, static_cast<UINT>(comSer.timerInterval), nullptr);
        if (request.text != password)
            return;
    }
    reportDialog.comSer = &comSer;
    reportDialog.clientWindows = &clientWindows;
    clientRecords.clear();
    for (HWND window : clientWindows) {
        const bool live = window != 0 && IsWindow(window);
        clientRecords.push_back(live ? reinterpret_cast<CClientInfo*>(GetWindowLongA(window, GWL_USERDATA)) : nullptr);
    }
    reportDialog.clientRecords = &clientRecords;
    reportDialog.DoModal(m_hWnd);
}
