// Construction, the automation interface and persistence of the server.
#include "server/NimboCtrl.h"

#include "platform/propsheet.h"
#include "platform/registry.h"
#include "server/NimboResources.h"

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
    comSer.Close();
    nimbo::ObjectDestroyed();
}

BOOL CNimboCtrl::OnSetExtent(const SIZE&) { return FALSE; }

// The sheet ends with the standard colour page, as a container shows it,
// although the server has no colour of its own to edit there.
BOOL CNimboCtrl::OnProperties(HWND parent)
{
    return nimbo::ShowPropertySheet(this, parent, nimbo::ColorPage::Always) >= 0 ? TRUE : FALSE;
}

void CNimboCtrl::BuildDispatch()
{
    auto longOf = [](std::int32_t v) { return Variant::Long(v); };
    auto stringOf = [](const std::string& v) { return Variant::String(v); };

    DispProperty(DISPID_NIMBO_ADDCLIENT, "AddClient", VT_I4, nullptr,
                 [this](const Variant& v) { AddClient(static_cast<HWND>(v.AsLong())); });
    DispProperty(DISPID_NIMBO_REMOVECLIENT, "RemoveClient", VT_I4, nullptr,
                 [this](const Variant& v) { RemoveClient(static_cast<HWND>(v.AsLong())); });
    DispProperty(DISPID_NIMBO_COM, "COM", VT_I4, [=, this] { return longOf(comSer.portNumber); },
                 [this](const Variant& v) { SetCom(v.AsLong()); });
    DispProperty(DISPID_NIMBO_SPEED, "Speed", VT_I4, [=, this] { return longOf(comSer.baudRate); },
                 [this](const Variant& v) { SetSpeed(v.AsLong()); });
    DispProperty(DISPID_NIMBO_INTERNALTIMER, "InternalTimer", VT_I4,
                 [=, this] { return longOf(comSer.timerInterval); },
                 [this](const Variant& v) { SetInternalTimer(v.AsLong()); });
    DispProperty(DISPID_NIMBO_PASSWORD, "Password", VT_BSTR, [=, this] { return stringOf(password); },
                 [this](const Variant& v) { SetPassword(v.AsString()); });
    DispProperty(DISPID_NIMBO_GO, "Go", VT_BOOL, [this] { return Variant::Bool(goValue != 0); },
                 [this](const Variant& v) { SetGo(v.AsBool() ? TRUE : FALSE); });

    // The numbered families reach all 32 table entries and store without checks.
    for (int n = 1; n <= CComSer::kPlcCount; ++n) {
        struct Family {
            DISPID first;
            const char* stem;
            std::int32_t* table;
        } families[] = {{DISPID_NIMBO_PLCENABLED1, "PlcEnabled", comSer.plcEnabled},
                        {DISPID_NIMBO_PLCSTART1, "PlcStart", comSer.plcStart},
                        {DISPID_NIMBO_PLCSTOP1, "PlcStop", comSer.plcStop}};
        for (const Family& f : families) {
            char name[32];
            std::snprintf(name, sizeof name, "%s%d", f.stem, n);
            std::int32_t* entry = &f.table[n - 1];
            DispProperty(f.first + n - 1, name, VT_I4, [entry] { return Variant::Long(*entry); },
                         [entry](const Variant& v) { *entry = v.AsLong(); });
        }
    }

    // The address is meaningful only inside this process; it is handed out
    // whole, as a 64-bit integer.
    DispProperty(DISPID_NIMBO_INTERNALCOMSER, "InternalComSer", VT_I8,
                 [this] { return Variant::Int64(reinterpret_cast<std::intptr_t>(&comSer)); },
                 [this](const Variant&) { SetModifiedFlag(); });
    DispProperty(DISPID_NIMBO_MODEM, "Modem", VT_BOOL, [this] { return Variant::Bool(modemEnabled != 0); },
                 [this](const Variant& v) {
                     modemEnabled = v.AsBool() ? TRUE : FALSE;
                     SetModifiedFlag();
                 });
    struct ModemText {
        DISPID id;
        const char* name;
        std::string* member;
    } modemTexts[] = {{DISPID_NIMBO_MODEMTEST, "ModemTest", &modemTest},
                      {DISPID_NIMBO_MODEMINIT, "ModemInit", &modemInit},
                      {DISPID_NIMBO_MODEMDISCONNECT, "ModemDisconnect", &modemDisconnect},
                      {DISPID_NIMBO_MODEMNUMBER, "ModemNumber", &modemNumber}};
    for (const ModemText& t : modemTexts) {
        std::string* member = t.member;
        DispProperty(t.id, t.name, VT_BSTR, [member] { return Variant::String(*member); },
                     [this, member](const Variant& v) {
                         *member = v.AsString();
                         SetModifiedFlag();
                     });
    }

    DispParamProperty(
        DISPID_NIMBO_REG, "Reg", VT_I4, {"Plc", "Offset"}, {VT_I4, VT_I4},
        [this](const DispArgs& a) { return Variant::Long(GetReg(a[0].AsLong(), a[1].AsLong())); },
        [this](const DispArgs& a, const Variant& v) { SetReg(a[0].AsLong(), a[1].AsLong(), v.AsLong()); });
    DispParamProperty(
        DISPID_NIMBO_PLCENABLED, "PlcEnabled", VT_BOOL, {"Plc"}, {VT_I4},
        [this](const DispArgs& a) {
            std::int32_t plc = a[0].AsLong();
            return Variant::Bool(PlcAddressable(plc) && comSer.plcEnabled[plc - 1] != 0);
        },
        [this](const DispArgs& a, const Variant& v) {
            std::int32_t plc = a[0].AsLong();
            if (PlcAddressable(plc))
                comSer.plcEnabled[plc - 1] = v.AsBool() ? 1 : 0;
            SetModifiedFlag();
        });
    struct RangeTable {
        DISPID id;
        const char* name;
        std::int32_t* table;
    } ranges[] = {{DISPID_NIMBO_PLCSTART, "PlcStart", comSer.plcStart},
                  {DISPID_NIMBO_PLCSTOP, "PlcStop", comSer.plcStop}};
    for (const RangeTable& r : ranges) {
        std::int32_t* table = r.table;
        DispParamProperty(
            r.id, r.name, VT_I4, {"Plc"}, {VT_I4},
            [table](const DispArgs& a) {
                std::int32_t plc = a[0].AsLong();
                return Variant::Long(PlcAddressable(plc) ? table[plc - 1] : -1);
            },
            [this, table](const DispArgs& a, const Variant& v) {
                std::int32_t plc = a[0].AsLong();
                if (PlcAddressable(plc))
                    table[plc - 1] = v.AsLong();
                SetModifiedFlag();
            });
    }
    DispParamProperty(
        DISPID_NIMBO_BIT, "Bit", VT_BOOL, {"Plc", "Offset", "NumBit"}, {VT_I4, VT_I4, VT_I4},
        [this](const DispArgs& a) { return Variant::Bool(GetBit(a[0].AsLong(), a[1].AsLong(), a[2].AsLong())); },
        [this](const DispArgs& a, const Variant& v) {
            SetBit(a[0].AsLong(), a[1].AsLong(), a[2].AsLong(), v.AsBool() ? TRUE : FALSE);
        });
    DispMethod(DISPID_ABOUTBOX, "AboutBox", [this] { AboutBox(); });

    DispEvent(DISPID_NIMBO_ONPLC, "OnPlc", {"Plc"}, {VT_I4});
    DispEvent(DISPID_READYSTATECHANGE, "ReadyStateChange");
}

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
}
