// Item numbers of the server's dialogs.
#pragma once

#include "platform/dialog.h"

// The report window.
constexpr UINT IDC_VIEW_SETUP = 3;
constexpr UINT IDC_VIEW_STATUS = 4;
constexpr UINT IDC_VIEW_CLIENT = 5;
constexpr UINT IDC_LIST_FRAME = 205;  // where the lists go, and their own number

// The password request and the modem log share their one field's number.
constexpr UINT IDC_PASSWORD_TEXT = 209;
constexpr UINT IDC_MODEM_LOG = 209;

// The general page.
constexpr UINT IDC_PAGE_COM = 201;
constexpr UINT IDC_PAGE_SPEED = 202;
constexpr UINT IDC_PAGE_PASSWORD = 203;
constexpr UINT IDC_PAGE_TICK = 204;
constexpr UINT IDC_PAGE_COMSER = 217;
constexpr UINT IDC_PAGE_FASTSCAN = 218;

// The modem page.
constexpr UINT IDC_MODEM_TEST = 210;
constexpr UINT IDC_MODEM_INIT = 211;
constexpr UINT IDC_MODEM_DISCONNECT = 212;
constexpr UINT IDC_MODEM_NUMBER = 213;
constexpr UINT IDC_MODEM_ENABLE = 214;

DialogTemplate ReportTemplate();
DialogTemplate PasswordTemplate();
DialogTemplate ModemLogTemplate();
DialogTemplate GeneralPageTemplate();
DialogTemplate ModemPageTemplate();

// Where a dialog's frame item lies in the dialog's client area; the lists
// that go over it take that place, and the frame itself is then hidden, as
// it only marks the spot.
RECT TakeFramePlace(const CDialog& dialog, UINT frameId);
