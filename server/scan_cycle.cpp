// One tick of the scan timer: take in the reply, tell the clients when a
// PLC's pass has closed, move on when a PLC did not answer in time. With
// FastScan the replies drive the scan instead (see ServeLine) and the tick
// animates the face and restarts a scan that had nothing to poll.
#include "server/nimbo_ctrl.h"

#include "platform/clock.h"
#include "platform/serial.h"

void CNimboCtrl::OnTimer(UINT_PTR id)
{
    if (id == kReplyTimer) {
        if (fastScanning)
            ServeLine();
        return;
    }
    if (remoteLine)
        RemoteTick();
    else if (scanning != 1)
        DialTick();
    else if (fastScan || fastScanning)
        FastTick();
    else
        ScanTick();
}

void CNimboCtrl::ScanTick()
{
    if (modemDialog.Exists())
        modemDialog.End(0);

    int r = comSer.ReceiveStep();
    int plc = comSer.currentPlc;
    // With no PLC enabled any more the scan stays idle: nothing is marked
    // for PLC 0 and nothing goes to station 0.
    bool plcSelected = plc >= 1 && plc <= CComSer::kPlcCount;

    if (r == RECEIVE_PASS_CLOSED && plcSelected) {
        iconFrame = 10;
        BroadcastData();
        if (reportDialog.Exists())
            reportDialog.PostRefresh(plc - 1);
        FireEvent(DISPID_NIMBO_ONPLC, {Variant::Long(plc)});
        comSer.NextPlc();
    } else if (r == RECEIVE_NO_COMPLETE_REPLY) {
        if (plcSelected) {
            if (reportDialog.Exists())
                reportDialog.PostRefresh(plc - 1);
            comSer.plcStatus[plc - 1] = PLC_DEAD;
        }
        comSer.NextPlc();
    }
    AdvanceAnimation();
}

// FastScan switched on under a running timer scan: the request that scan
// sent last is awaited as the first exchange, so the switch falls between
// two blocks.
void CNimboCtrl::FastTick()
{
    if (modemDialog.Exists())
        modemDialog.End(0);
    if (!fastScanning)
        StartFastScan(false);
    ServeLine();
    AdvanceAnimation();
}

void CNimboCtrl::StartFastScan(bool fresh)
{
    fastScanning = TRUE;
    comSer.replyDriven = 1;
    if (fresh) {
        // From the first enabled PLC, as FastSendNext's move to the next
        // one finds it.
        comSer.currentPlc = 0;
        comSer.FastSendNext(TRUE);
    } else {
        comSer.AdoptOutstanding();
    }
    FollowLine();
    ArmReplyDeadline();
}

void CNimboCtrl::StopFastScan()
{
    lineWatch.reset();
    if (m_hWnd)
        KillTimer(m_hWnd, kReplyTimer);
    fastScanning = FALSE;
    comSer.replyDriven = 0;
    comSer.fastExchange = CComSer::FAST_NONE;
    comSer.advancePending = 0;
    comSer.queuedWrites.clear();
}

// Decides the awaited exchange and sends the next request, as ScanTick does
// for a tick: the same checks, broadcasts, event and tables. Called when the
// line has bytes, when the reply's deadline is due and on every tick.
void CNimboCtrl::ServeLine()
{
    // A client's handler of the broadcast or the event may run the event
    // loop (a message box); the exchange is already decided then, and a
    // second turn here would send a second request.
    if (serving)
        return;
    serving = true;
    const int r = comSer.FastStep();
    if (r == FAST_WAITING) {
        // Taking bytes in is where a line that went away is noticed: its
        // descriptor is closed then, and must not stay watched.
        FollowLine();
        ArmReplyDeadline();
        serving = false;
        return;
    }
    const int plc = comSer.currentPlc;
    const bool plcSelected = plc >= 1 && plc <= CComSer::kPlcCount;
    BOOL advance = FALSE;
    if (r == FAST_PASS_CLOSED && plcSelected) {
        iconFrame = 10;
        BroadcastData();
        if (reportDialog.Exists())
            reportDialog.PostRefresh(plc - 1);
        FireEvent(DISPID_NIMBO_ONPLC, {Variant::Long(plc)});
        advance = TRUE;
    } else if (r == FAST_NOT_ANSWERED) {
        if (plcSelected) {
            if (reportDialog.Exists())
                reportDialog.PostRefresh(plc - 1);
            comSer.plcStatus[plc - 1] = PLC_DEAD;
        }
        advance = TRUE;
    } else if (r == FAST_IDLE) {
        // Nothing awaited: no PLC was enabled; look again.
        advance = TRUE;
    }
    if (scanning != 1) {
        serving = false;
        return;
    }
    if (!fastScan) {
        // Switched off: the timer scan takes over from the next block, and
        // the writes still queued go out its way.
        lineWatch.reset();
        if (m_hWnd)
            KillTimer(m_hWnd, kReplyTimer);
        fastScanning = FALSE;
        comSer.LeaveFastScan(advance);
        serving = false;
        return;
    }
    comSer.FastSendNext(advance);
    FollowLine();
    ArmReplyDeadline();
    serving = false;
}

// The line's descriptor changes when a lost line is opened again, and there
// is none while it is gone; the watch follows it.
void CNimboCtrl::FollowLine()
{
    const int fd = nimbo::SerialDescriptor(comSer.portHandle);
    if (lineWatch && lineWatch->Descriptor() == fd)
        return;
    lineWatch.reset();
    if (fd >= 0)
        lineWatch = std::make_unique<nimbo::DescriptorWatch>(fd, nimbo::Readiness::Read, [this] { ServeLine(); });
}

void CNimboCtrl::ArmReplyDeadline()
{
    if (!m_hWnd)
        return;
    if (comSer.fastExchange == CComSer::FAST_NONE) {
        KillTimer(m_hWnd, kReplyTimer);
        return;
    }
    const DWORD deadline = comSer.ReplyDeadline(comSer.expectedLength);
    const DWORD elapsed = GetTickCount() - comSer.requestTick;
    const DWORD left = elapsed < deadline ? deadline - elapsed : 0;
    SetTimer(m_hWnd, kReplyTimer, static_cast<UINT>(left + 1), nullptr);
}
