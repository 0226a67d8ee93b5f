// The diagnostic window opened by a double click on the server: the PLC
// table, the live state of every PLC and the registered clients. The scan
// posts it a refresh for one row after each pass or missed reply.
#pragma once

#include "platform/winuser.h"

constexpr UINT WM_REPORT_REFRESH = 0x400;

class CReportDialog {
public:
    bool Exists() const { return IsWindow(window) != 0; }
    void PostRefresh(int row) const { PostMessageA(window, WM_REPORT_REFRESH, 0, row); }

    HWND window = 0;
};
