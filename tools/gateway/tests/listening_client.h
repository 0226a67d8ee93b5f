// A window that hears what a server tells its clients, as a client control
// would (it carries the identity record the server looks for), for tests
// and benchmarks that watch a panel from inside.
#pragma once

#include "link/client_info.h"
#include "link/com_ser.h"
#include "platform/winuser.h"

#include <functional>

namespace brokertest {

class ListeningClient : public CWnd {
public:
    // `heard` gets each WM_PLC_DATA's PLC and port object.
    explicit ListeningClient(std::function<void(int plc, const CComSer& port)> heard = {}) : heard_(std::move(heard))
    {
        record_.signature = CLIENT_SIGNATURE;
    }
    bool Create(HWND parent)
    {
        if (!CreateWindowed(parent, RECT{0, 0, 1, 1}))
            return false;
        SetWindowLongA(m_hWnd, GWL_USERDATA, reinterpret_cast<LONG_PTR>(&record_));
        return true;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_PLC_DATA) {
            ++data;
            if (heard_)
                heard_(static_cast<int>(wParam), *reinterpret_cast<const CComSer*>(lParam));
        } else if (message == WM_PLC_OFFLINE) {
            ++offline;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    int data = 0;
    int offline = 0;

private:
    std::function<void(int, const CComSer&)> heard_;
    CClientInfo record_;
};

}  // namespace brokertest
