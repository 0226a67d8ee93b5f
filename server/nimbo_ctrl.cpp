// Construction, the automation interface's setters and persistence of the server.
#include "server/nimbo_ctrl.h"

#include "platform/registry.h"
#include "server/nimbo_resources.h"

#include <cstdio>

const char* const kPortOpenFailure = "Non si Apre la porta di\n Comunicazione Seriale";

CNimboCtrl::CNimboCtrl()
{
    nimbo::ObjectCreated();
    InternalSetReadyState(READYSTATE_LOADING);
    SetInitialSize(32, 32);
    HINSTANCE module = NimboDialogResources();
    const UINT iconIds[9] = {201, 203, 204, 205, 206, 207, 208, 209, 210};
    for (int i = 0; i < 9; ++i)
        icons[i] = LoadIconA(module, iconIds[i]);
    BuildDispatch();
    AddPropertyPage("NIMBO.NimboPropPage.1");
    AddPropertyPage("nimbo.CModemPropPage");
}

CNimboCtrl::~CNimboCtrl()
{
    if (m_hWnd)
        KillTimer(m_hWnd, kScanTimer);
    remoteLine.reset();
    StopFastScan();
    comSer.Close();
    nimbo::ObjectDestroyed();
}

BOOL CNimboCtrl::OnSetExtent(const SIZE&) { return FALSE; }

void CNimboCtrl::SetCom(std::int32_t value)
{
    comSer.portNumber = value;
    SetModifiedFlag();
}

void CNimboCtrl::SetSpeed(std::int32_t value)
{
    switch (value) {
    case 9600:
    case 19200:
    case 38400:
    case 57600:
    case 115200:
        comSer.baudRate = value;
        break;
    default:
        break;
    }
    SetModifiedFlag();
}

void CNimboCtrl::SetInternalTimer(std::int32_t value)
{
    if (value > 5 && value < 100000) {
        comSer.timerInterval = value;
        if (goValue == 1 && m_hWnd) {
            KillTimer(m_hWnd, kScanTimer);
            SetTimer(m_hWnd, kScanTimer, static_cast<UINT>(value), nullptr);
        }
    }
    SetModifiedFlag();
}

// Takes effect at the next block of a running scan (see OnTimer and ServeLine).
void CNimboCtrl::SetFastScan(BOOL value)
{
    fastScan = value ? TRUE : FALSE;
    SetModifiedFlag();
}

void CNimboCtrl::SetReplyTimeout(std::int32_t value)
{
    if (value >= 0 && value < 100000)
        comSer.replyTimeout = value;
    SetModifiedFlag();
}

void CNimboCtrl::SetPassword(const std::string& value)
{
    password = value;
    SetModifiedFlag();
}

std::int32_t CNimboCtrl::GetReg(std::int32_t plc, std::int32_t offset) { return comSer.GetRegister(plc, offset); }

void CNimboCtrl::SetReg(std::int32_t plc, std::int32_t offset, std::int32_t value)
{
    comSer.SetRegister(plc, offset, value);
    SetModifiedFlag();
}

namespace {
std::int32_t BitMask(std::int32_t bit)
{
    if (bit > 31)
        bit = 31;
    if (bit < 0)
        bit = 0;
    return static_cast<std::int32_t>(1u << bit);
}
}  // namespace

BOOL CNimboCtrl::GetBit(std::int32_t plc, std::int32_t offset, std::int32_t bit)
{
    return (GetReg(plc, offset) & BitMask(bit)) != 0 ? TRUE : FALSE;
}

void CNimboCtrl::SetBit(std::int32_t plc, std::int32_t offset, std::int32_t bit, BOOL value)
{
    std::int32_t mask = BitMask(bit);
    std::int32_t r = GetReg(plc, offset);
    std::int32_t next;
    if ((r & mask) != 0 && !value)
        next = r & ~mask;
    else if ((r & mask) == 0 && value)
        next = r | mask;
    else
        return;
    comSer.SetRegister(plc, offset, next);
    SetModifiedFlag();
}

void CNimboCtrl::DoPropExchange(CPropExchange* px)
{
    DWORD version = MAKELONG(0, 1);
    px->ExchangeVersion(&version, MAKELONG(0, 1));
    COleControl::DoPropExchange(px);
    PX_Long(px, "Speed", comSer.baudRate, 115200);
    PX_Long(px, "COM", comSer.portNumber, 1);
    PX_Long(px, "InternalTimer", comSer.timerInterval, 100);
    PX_String(px, "Password", password, "");
    PX_String(px, "ModemInit", modemInit, "AT&W1");
    PX_String(px, "ModemTest", modemTest, "AT");
    PX_String(px, "ModemDisconnect", modemDisconnect, "AT++");
    PX_String(px, "ModemNumber", modemNumber, "");
    PX_Bool(px, "Modem", modemEnabled, FALSE);
    for (int i = 1; i <= CComSer::kPlcCount; ++i) {
        char key[32];
        std::snprintf(key, sizeof key, "PlcEnabled%d", i);
        PX_Long(px, key, comSer.plcEnabled[i - 1], 0);
        std::snprintf(key, sizeof key, "PlcStart%d", i);
        PX_Long(px, key, comSer.plcStart[i - 1], 0);
        std::snprintf(key, sizeof key, "PlcStop%d", i);
        PX_Long(px, key, comSer.plcStop[i - 1], 0);
    }
    // Last, so that forms saved before they existed load as they were.
    PX_Bool(px, "FastScan", fastScan, FALSE);
    PX_Long(px, "ReplyTimeout", comSer.replyTimeout, 30);
    PX_String(px, "Remote", remote, "");
}
