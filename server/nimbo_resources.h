// The server library's numbered resources: the face icons, the about-box
// icons, the toolbox picture and the identity strings.
#pragma once

#include "platform/resources.h"

constexpr UINT IDS_NIMBO = 1;
constexpr UINT IDS_NIMBO_PPG = 2;
constexpr UINT IDI_ABOUTDLL = 1;
constexpr UINT IDB_NIMBO = 1;
constexpr UINT IDI_ABOUT_RIGHT = 202;
constexpr UINT IDI_FRESH_DATA = 210;

// The dialogs and their pictures: the property pages, the report window,
// the password request and the modem log.
constexpr UINT IDD_PROPPAGE_NIMBO = 200;
constexpr UINT IDD_REPORT = 203;
constexpr UINT IDD_PASSWORD = 204;
constexpr UINT IDD_PROPPAGE_MODEM = 205;
constexpr UINT IDD_MODEM = 206;
constexpr UINT IDS_NIMBO_PPG_CAPTION = 200;
constexpr UINT IDS_MODEM_PPG_CAPTION = 201;
constexpr UINT IDB_PLC_ON = 202;   // a PLC in the table, and one that is polled
constexpr UINT IDB_PLC_OFF = 203;  // a PLC that is not polled
constexpr UINT IDB_CLIENT = 204;   // a registered client control

HINSTANCE NimboResources();
// The module with the dialogs and their pictures added; safe to call often.
HINSTANCE NimboDialogResources();
