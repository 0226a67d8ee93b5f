// Running on a remote line: the gateway's passes reach the clients as the
// scan's would, and what the gateway refuses is shown as a line fault is.
#include "server/nimbo_ctrl.h"

#include <cstdio>

namespace {
const char kRemoteFailure[] = "Linea remota non valida: ";
}

bool CNimboCtrl::StartRemote()
{
    const auto address = ParseRemote(remote, comSer.portNumber);
    std::string error = "mqtt://HOST[:PORT][/PREFIX]";
    RemoteLine::Events events;
    events.passApplied = [this](int plc) {
        iconFrame = 10;
        BroadcastData();
        if (reportDialog.Exists())
            reportDialog.PostRefresh(plc - 1);
        FireEvent(DISPID_NIMBO_ONPLC, {Variant::Long(plc)});
    };
    events.statusChanged = [this](int plc) {
        if (reportDialog.Exists())
            reportDialog.PostRefresh(plc - 1);
    };
    events.offline = [this] { BroadcastOffline(); };
    events.refused = [this](const std::string& why) {
        std::fprintf(stderr, "Nimbo: %s: %s\n", remote.c_str(), why.c_str());
        remoteRefusals.push_back(why);
    };
    if (address) {
        remoteLine = std::make_unique<RemoteLine>(comSer, *address, std::move(events));
        if (remoteLine->Start(&error))
            return true;
        remoteLine.reset();
    }
    MessageBoxA(m_hWnd, (kRemoteFailure + remote + "\n" + error).c_str(), "Nimbo", MB_ICONQUESTION | MB_OK);
    return false;
}

// The face keeps turning; a refusal waits for the timer, so that its box
// never opens inside the broker client's own work.
void CNimboCtrl::RemoteTick()
{
    AdvanceAnimation();
    // The timer goes on while a box is up.
    if (remoteRefusals.empty() || remoteBoxOpen)
        return;
    const std::string why = remoteRefusals.front();
    remoteRefusals.pop_front();
    remoteBoxOpen = true;
    MessageBoxA(m_hWnd, why.c_str(), "Nimbo", MB_ICONEXCLAMATION | MB_OK);
    remoteBoxOpen = false;
}
