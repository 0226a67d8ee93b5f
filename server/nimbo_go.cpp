// Starting and stopping the link.
#include "server/nimbo_ctrl.h"

namespace {
constexpr int kQueueSize = 4096;
constexpr int kDirectLine = 0;
constexpr int kModemHandshake = 1;
}  // namespace

void CNimboCtrl::SetGo(BOOL value)
{
    if (goValue == 1) {
        remoteLine.reset();
        StopFastScan();
        if (modemEnabled == 1)
            comSer.SendTextAndClose(modemDisconnect.c_str());
        comSer.Close();
        scanning = 0;
    }
    goValue = value;
    if (value != 1) {
        StopLink();
        return;
    }
    StartLink();
}

void CNimboCtrl::StopLink()
{
    if (m_hWnd)
        KillTimer(m_hWnd, kScanTimer);
    remoteLine.reset();
    StopFastScan();
    if (modemEnabled == 1)
        comSer.SendTextAndClose(modemDisconnect.c_str());
    comSer.Close();
    scanning = 0;
    BroadcastOffline();
}

void CNimboCtrl::StartLink()
{
    if (scanning != 1 && !remote.empty()) {
        if (StartRemote()) {
            if (m_hWnd)
                SetTimer(m_hWnd, kScanTimer, static_cast<UINT>(comSer.timerInterval), nullptr);
            scanning = 1;
        }
    } else if (scanning != 1) {
        bool modem = modemEnabled != 0;
        if (!comSer.Open(kQueueSize, kQueueSize, modem ? kModemHandshake : kDirectLine)) {
            MessageBoxA(m_hWnd, kPortOpenFailure, "Nimbo", MB_ICONQUESTION | MB_OK);
        } else if (modem) {
            // The scan takes over once the modem has connected.
            StartDialing();
        } else {
            // The timer runs in both scans: it animates the face, and in
            // the reply-driven one it only restarts an idle scan.
            if (m_hWnd)
                SetTimer(m_hWnd, kScanTimer, static_cast<UINT>(comSer.timerInterval), nullptr);
            scanning = 1;
            if (fastScan)
                StartFastScan(true);
        }
    }
    BroadcastOffline();
    SetModifiedFlag();
}
