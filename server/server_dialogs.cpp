// The server's dialog templates, in dialog units.
#include "server/server_dialogs.h"

#include "server/nimbo_resources.h"

DialogTemplate ReportTemplate()
{
    DialogTemplate t;
    t.caption = "Zem Nimbo V1.00 -Report";
    t.cx = 384;
    t.cy = 226;
    t.items = {
        {DialogItem::Button, IDC_VIEW_SETUP, "Setup", 7, 7, 46, 13},
        {DialogItem::Button, IDC_VIEW_STATUS, "Status", 115, 7, 46, 13},
        {DialogItem::Button, IDC_VIEW_CLIENT, "Client", 223, 7, 46, 13},
        {DialogItem::Button, IDOK, "Ok", 331, 7, 46, 13},
        {DialogItem::Static, IDC_LIST_FRAME, "", 7, 27, 370, 192},
    };
    return t;
}

DialogTemplate PasswordTemplate()
{
    DialogTemplate t;
    t.caption = "Zem Nimbo V1.00 - Password Request";
    t.cx = 255;
    t.cy = 29;
    DialogItem text{DialogItem::Edit, IDC_PASSWORD_TEXT, "", 7, 7, 178, 15};
    text.password = true;
    text.limit = 64;
    t.items = {
        text,
        {DialogItem::DefPushButton, IDOK, "OK", 198, 7, 50, 14},
    };
    return t;
}

DialogTemplate ModemLogTemplate()
{
    DialogTemplate t;
    t.caption = "Zem Nimbo V1.00 - Modem ...";
    t.cx = 192;
    t.cy = 137;
    DialogItem log{DialogItem::Edit, IDC_MODEM_LOG, "", 7, 7, 178, 123};
    log.multiLine = true;
    log.readOnly = true;
    t.items = {log};
    return t;
}

DialogTemplate GeneralPageTemplate()
{
    DialogTemplate t;
    t.caption = "General";
    t.cx = 250;
    t.cy = 110;
    DialogItem password{DialogItem::Edit, IDC_PAGE_PASSWORD, "", 70, 20, 100, 12};
    password.password = true;
    t.items = {
        {DialogItem::Static, IDC_STATIC, "COM", 7, 8, 20, 11},
        {DialogItem::Edit, IDC_PAGE_COM, "", 30, 7, 28, 12},
        {DialogItem::Static, IDC_STATIC, "SPEED", 71, 7, 30, 11},
        {DialogItem::Edit, IDC_PAGE_SPEED, "", 104, 7, 45, 12},
        {DialogItem::Static, IDC_STATIC, "TICK(ms)", 164, 7, 30, 11},
        {DialogItem::Edit, IDC_PAGE_TICK, "", 198, 7, 45, 12},
        {DialogItem::Static, IDC_STATIC, "PassWord", 7, 20, 51, 11},
        password,
        {DialogItem::CheckBox, IDC_PAGE_FASTSCAN, "FAST SCAN", 180, 21, 63, 9},
        {DialogItem::Static, IDC_LIST_FRAME, "", 7, 35, 242, 68},
        {DialogItem::Edit, IDC_PAGE_COMSER, "", 22, 51, 69, 12},
    };
    return t;
}

DialogTemplate ModemPageTemplate()
{
    DialogTemplate t;
    t.caption = "Modem";
    t.cx = 250;
    t.cy = 110;
    t.items = {
        {DialogItem::CheckBox, IDC_MODEM_ENABLE, "Modem enable", 7, 7, 122, 9},
        {DialogItem::Static, IDC_STATIC, "Test string", 7, 20, 79, 12},
        {DialogItem::Edit, IDC_MODEM_TEST, "", 94, 20, 149, 12},
        {DialogItem::Static, IDC_STATIC, "Init string", 9, 43, 79, 12},
        {DialogItem::Edit, IDC_MODEM_INIT, "", 94, 43, 149, 12},
        {DialogItem::Static, IDC_STATIC, "Disconnect string", 9, 66, 79, 12},
        {DialogItem::Edit, IDC_MODEM_DISCONNECT, "", 94, 66, 149, 12},
        {DialogItem::Static, IDC_STATIC, "Number string", 9, 89, 79, 12},
        {DialogItem::Edit, IDC_MODEM_NUMBER, "", 94, 89, 149, 12},
    };
    return t;
}

RECT TakeFramePlace(const CDialog& dialog, UINT frameId)
{
    const HWND frame = dialog.GetDlgItem(static_cast<int>(frameId));
    RECT onScreen{};
    GetWindowRect(frame, &onScreen);
    POINT topLeft{onScreen.left, onScreen.top};
    POINT bottomRight{onScreen.right, onScreen.bottom};
    ScreenToClient(dialog.m_hWnd, &topLeft);
    ScreenToClient(dialog.m_hWnd, &bottomRight);
    ShowWindow(frame, SW_HIDE);
    return RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}
