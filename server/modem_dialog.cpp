#include "server/modem_dialog.h"

#include "server/nimbo_resources.h"
#include "server/server_dialogs.h"

CModemDialog::CModemDialog() : CDialog(NimboDialogResources(), IDD_MODEM) {}

void CModemDialog::Open(HWND owner, const std::string& text)
{
    if (!Exists() && !Create(owner))
        return;
    SetText(text);
    ShowWindow(m_hWnd, SW_SHOW);
}

void CModemDialog::End(int endResult)
{
    result = endResult;
    if (Exists() && IsWindowVisible(m_hWnd))
        ShowWindow(m_hWnd, SW_HIDE);
}

std::string CModemDialog::Text() const { return Exists() ? GetDlgItemText(IDC_MODEM_LOG) : std::string(); }

void CModemDialog::SetText(const std::string& text)
{
    if (Exists())
        SetDlgItemText(IDC_MODEM_LOG, text);
}

// The frame's close box and Escape only put the log out of sight: the
// dialing goes on and writes on.
void CModemDialog::OnCancel()
{
    ShowWindow(m_hWnd, SW_HIDE);
}

void CModemDialog::OnOK() {}
