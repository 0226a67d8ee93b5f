// The modem's log window, shown while the server dials: the newest answer
// at the top, the newest command at the bottom. Closing it only hides it;
// the scan hides it too once the modem has connected.
#pragma once

#include "platform/dialog.h"

#include <string>

class CModemDialog : public CDialog {
public:
    CModemDialog();

    bool Exists() const { return IsWindow(m_hWnd) != 0; }
    // Shows the log with this text, in the window an earlier dialing left
    // hidden when there is one.
    void Open(HWND owner, const std::string& text);
    // Puts the log away once dialing is over; the result is kept.
    void End(int result);
    std::string Text() const;
    void SetText(const std::string& text);

    void OnCancel() override;
    void OnOK() override;

    int result = 0;
};
