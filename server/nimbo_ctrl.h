// The server control: owns the port object, polls the PLCs on its timer,
// keeps the list of client windows and tells them when fresh data is in the
// register image.
#pragma once

#include "link/client_info.h"
#include "link/com_ser.h"
#include "platform/olectl.h"
#include "platform/readiness.h"
#include "platform/wingdi.h"
#include "server/modem_dialog.h"
#include "server/report_dialog.h"
#include "server/nimbo_dispids.h"
#include "server/remote_line.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

constexpr UINT_PTR kScanTimer = 1;
// The reply-driven scan's deadline for the awaited reply.
constexpr UINT_PTR kReplyTimer = 2;
extern const char* const kPortOpenFailure;

class CNimboCtrl : public COleControl {
public:
    CNimboCtrl();
    ~CNimboCtrl() override;

    // Added after the framework's operations, in this order.
    virtual void AdvanceAnimation();
    virtual void NotifyClient(HWND window, UINT message);

    void OnDraw(CDC* dc, const RECT& bounds, const RECT& invalid) override;
    void DoPropExchange(CPropExchange* px) override;
    BOOL OnSetExtent(const SIZE& size) override;
    void OnTimer(UINT_PTR id) override;
    void OnLButtonDblClk(UINT flags, POINT point) override;

    // ---- Automation (the dispatch table calls these).
    void AddClient(HWND window);
    void RemoveClient(HWND window);
    void SetCom(std::int32_t value);
    void SetSpeed(std::int32_t value);
    void SetInternalTimer(std::int32_t value);
    void SetPassword(const std::string& value);
    void SetGo(BOOL value);
    void SetFastScan(BOOL value);
    void SetReplyTimeout(std::int32_t value);
    std::int32_t GetReg(std::int32_t plc, std::int32_t offset);
    void SetReg(std::int32_t plc, std::int32_t offset, std::int32_t value);
    BOOL GetBit(std::int32_t plc, std::int32_t offset, std::int32_t bit);
    void SetBit(std::int32_t plc, std::int32_t offset, std::int32_t bit, BOOL value);
    void AboutBox();

    // ---- Broadcasts to the registered clients.
    void BroadcastData();
    void BroadcastOffline();

    CModemDialog modemDialog;
    CReportDialog reportDialog;
    CServerPort comSer;
    std::vector<HWND> clientWindows;
    std::vector<CClientInfo*> clientRecords;
    HICON icons[9] = {};
    std::string password;
    std::string modemInit;
    std::string modemTest;
    std::string modemDisconnect;
    std::string modemNumber;
    BOOL modemEnabled = FALSE;
    std::int32_t goValue = 0;
    std::int32_t iconFrame = 0;
    std::int32_t iconTime = 0;
    std::int32_t modemStage = 0;
    std::int32_t scanning = 0;
    // A line on the plant's broker (mqtt://HOST[:PORT][/PREFIX]) instead of
    // the serial port, when set; kept with the form.
    std::string remote;
    std::unique_ptr<RemoteLine> remoteLine;
    std::deque<std::string> remoteRefusals;  // shown from the timer, one at a time
    bool remoteBoxOpen = false;
    BOOL fastScan = FALSE;        // the FastScan property: the scan is driven by replies
    BOOL fastScanning = FALSE;    // the reply-driven scan is the one running now

private:
    void BuildDispatch();
    void DispatchSettings();
    void DispatchNumberedPlcTables();
    void DispatchIndexedPlcTables();
    void DispatchModem();
    void ScanTick();
    void FastTick();
    void StartFastScan(bool fresh);
    void StopFastScan();
    void ServeLine();
    void FollowLine();
    void ArmReplyDeadline();
    void DialTick();
    void StartDialing();
    void OpenReport();
    void StartLink();
    void StopLink();
    bool StartRemote();
    void RemoteTick();
    std::unique_ptr<nimbo::DescriptorWatch> lineWatch;
    bool serving = false;  // ServeLine is under way (a client's handler may run the event loop)
    static bool PlcAddressable(std::int32_t plc) { return plc >= 1 && plc <= 31; }
};
