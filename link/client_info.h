// What the server and the client controls agree on, across libraries built
// apart: the two notification messages and the identity record a client
// publishes in its window's user data.
#pragma once

#include "platform/afx.h"
#include "platform/cstring.h"
#include "platform/winuser.h"

#include <cstdint>

// Fresh data of a PLC is in the image: wParam = PLC number, lParam = the
// server's port object.
constexpr UINT WM_PLC_DATA = WM_USER;
// The link was started or stopped: wParam = lParam = 0.
constexpr UINT WM_PLC_OFFLINE = WM_USER + 1;

constexpr std::uint32_t CLIENT_SIGNATURE = 0x07096177u;

// The record's words: the type header, the signature, then the addresses of
// the two texts and the window rectangle. Addresses are pointer-sized.
class CClientInfo : public CObject {
public:
    std::uint32_t signature = 0;
    CString typeName;
    CString windowText;
    RECT windowRect{0, 0, 0, 0};
};
