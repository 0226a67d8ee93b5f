// The modem's log window, shown while the server dials. The dialing itself
// is driven by the server's timer before the scan takes over.
#pragma once

#include "platform/winuser.h"

class CModemDialog {
public:
    bool Exists() const { return IsWindow(window) != 0; }
    // Closes the log with a result, as a finished dialogue does.
    void End(int result);

    HWND window = 0;
    int result = 0;
};
