// The registered client windows and the two broadcasts to them.
#include "server/nimbo_ctrl.h"

#include <algorithm>

void CNimboCtrl::AddClient(HWND window)
{
    if (window == 0)
        return;
    if (std::find(clientWindows.begin(), clientWindows.end(), window) != clientWindows.end())
        return;
    clientWindows.push_back(window);
}

void CNimboCtrl::RemoveClient(HWND window)
{
    if (window == 0)
        return;
    auto it = std::find(clientWindows.begin(), clientWindows.end(), window);
    if (it != clientWindows.end())
        clientWindows.erase(it);
}

// Only a window that carries a client's identity record gets data.
void CNimboCtrl::NotifyClient(HWND window, UINT message)
{
    auto* record = reinterpret_cast<const CClientInfo*>(GetWindowLongA(window, GWL_USERDATA));
    if (record == nullptr || record->signature != CLIENT_SIGNATURE)
        return;
    SendMessageA(window, message, static_cast<WPARAM>(comSer.currentPlc), reinterpret_cast<LPARAM>(&comSer));
}

// A client may register or remove clients while it handles the message;
// walking a copy keeps the walk sound whatever it does to the list.
void CNimboCtrl::BroadcastData()
{
    const std::vector<HWND> windows = clientWindows;
    for (HWND window : windows)
        if (window != 0 && IsWindow(window))
            NotifyClient(window, WM_PLC_DATA);
}

void CNimboCtrl::BroadcastOffline()
{
    const std::vector<HWND> windows = clientWindows;
    for (HWND window : windows)
        if (window != 0 && IsWindow(window))
            SendMessageA(window, WM_PLC_OFFLINE, 0, 0);
}
