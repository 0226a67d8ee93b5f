// One tick of the scan timer: take in the reply, tell the clients when a
// PLC's pass has closed, move on when a PLC did not answer in time.
#include "server/nimbo_ctrl.h"

void CNimboCtrl::OnTimer(UINT_PTR)
{
    if (remoteLine)
        RemoteTick();
    else if (scanning == 1)
        ScanTick();
    else
        DialTick();
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
