// The server's automation interface: which property reaches which member.
// The settings, the PLC tables and the modem's texts are tables of data.
#include "server/nimbo_ctrl.h"

#include "platform/panel_members.h"

#include <cstdio>

namespace {

using PlcTable = std::int32_t (CComSer::*)[CComSer::kPlcCount];

// A PLC table reached as 32 numbered properties (PlcStart1 ... PlcStart32),
// which store without checks, and, except for the enable table, as one
// property with the PLC as argument (PlcStart(plc)), which answers -1 for a
// PLC it does not address.
struct PlcTableProperties {
    DISPID numberedFirst;
    const char* stem;
    PlcTable table;
    DISPID indexed;  // 0: the table's own property is not a number
};

constexpr PlcTableProperties kPlcTables[] = {
    {DISPID_NIMBO_PLCENABLED1, "PlcEnabled", &CComSer::plcEnabled, 0},
    {DISPID_NIMBO_PLCSTART1, "PlcStart", &CComSer::plcStart, DISPID_NIMBO_PLCSTART},
    {DISPID_NIMBO_PLCSTOP1, "PlcStop", &CComSer::plcStop, DISPID_NIMBO_PLCSTOP},
};

struct TextProperty {
    DISPID id;
    const char* name;
    std::string CNimboCtrl::*member;
};

constexpr TextProperty kModemTexts[] = {
    {DISPID_NIMBO_MODEMTEST, "ModemTest", &CNimboCtrl::modemTest},
    {DISPID_NIMBO_MODEMINIT, "ModemInit", &CNimboCtrl::modemInit},
    {DISPID_NIMBO_MODEMDISCONNECT, "ModemDisconnect", &CNimboCtrl::modemDisconnect},
    {DISPID_NIMBO_MODEMNUMBER, "ModemNumber", &CNimboCtrl::modemNumber},
};

// A setting read from one member and written through a setter that checks
// it and marks the control modified.
struct LongSetting {
    DISPID id;
    const char* name;
    std::int32_t CComSer::*member;
    void (CNimboCtrl::*set)(std::int32_t);
};

}  // namespace

// In this order: a container lists the properties as they were declared.
void CNimboCtrl::BuildDispatch()
{
    DispatchSettings();
    DispatchNumberedPlcTables();
    // The address is meaningful only inside this process; it is handed out
    // whole, as a 64-bit integer.
    DispProperty(DISPID_NIMBO_INTERNALCOMSER, "InternalComSer", VT_I8,
                 [this] { return Variant::Int64(reinterpret_cast<std::intptr_t>(&comSer)); },
                 [this](const Variant&) { SetModifiedFlag(); });
    DispatchModem();
    DispParamProperty(
        DISPID_NIMBO_REG, "Reg", VT_I4, {"Plc", "Offset"}, {VT_I4, VT_I4},
        [this](const DispArgs& a) { return Variant::Long(GetReg(a[0].AsLong(), a[1].AsLong())); },
        [this](const DispArgs& a, const Variant& v) { SetReg(a[0].AsLong(), a[1].AsLong(), v.AsLong()); });
    DispatchIndexedPlcTables();
    DispParamProperty(
        DISPID_NIMBO_BIT, "Bit", VT_BOOL, {"Plc", "Offset", "NumBit"}, {VT_I4, VT_I4, VT_I4},
        [this](const DispArgs& a) { return Variant::Bool(GetBit(a[0].AsLong(), a[1].AsLong(), a[2].AsLong())); },
        [this](const DispArgs& a, const Variant& v) {
            SetBit(a[0].AsLong(), a[1].AsLong(), a[2].AsLong(), v.AsBool() ? TRUE : FALSE);
        });
    DispProperty(DISPID_NIMBO_FASTSCAN, "FastScan", VT_BOOL, [this] { return Variant::Bool(fastScan != 0); },
                 [this](const Variant& v) { SetFastScan(v.AsBool() ? TRUE : FALSE); });
    DispProperty(DISPID_NIMBO_REPLYTIMEOUT, "ReplyTimeout", VT_I4,
                 [this] { return Variant::Long(comSer.replyTimeout); },
                 [this](const Variant& v) { SetReplyTimeout(v.AsLong()); });
    DispMethod(DISPID_ABOUTBOX, "AboutBox", [this] { AboutBox(); });
    DispEvent(DISPID_NIMBO_ONPLC, "OnPlc", {"Plc"}, {VT_I4});
    DispEvent(DISPID_READYSTATECHANGE, "ReadyStateChange");
}

void CNimboCtrl::DispatchSettings()
{
    DispProperty(DISPID_NIMBO_ADDCLIENT, nimbo::members::kAddClient, VT_I4, nullptr,
                 [this](const Variant& v) { AddClient(static_cast<HWND>(v.AsLong())); });
    DispProperty(DISPID_NIMBO_REMOVECLIENT, nimbo::members::kRemoveClient, VT_I4, nullptr,
                 [this](const Variant& v) { RemoveClient(static_cast<HWND>(v.AsLong())); });
    static constexpr LongSetting kSettings[] = {
        {DISPID_NIMBO_COM, "COM", &CComSer::portNumber, &CNimboCtrl::SetCom},
        {DISPID_NIMBO_SPEED, "Speed", &CComSer::baudRate, &CNimboCtrl::SetSpeed},
        {DISPID_NIMBO_INTERNALTIMER, "InternalTimer", &CComSer::timerInterval, &CNimboCtrl::SetInternalTimer},
    };
    for (const LongSetting& s : kSettings) {
        const auto member = s.member;
        const auto set = s.set;
        DispProperty(s.id, s.name, VT_I4, [this, member] { return Variant::Long(comSer.*member); },
                     [this, set](const Variant& v) { (this->*set)(v.AsLong()); });
    }
    DispProperty(DISPID_NIMBO_PASSWORD, "Password", VT_BSTR, [this] { return Variant::String(password); },
                 [this](const Variant& v) { SetPassword(v.AsString()); });
    DispProperty(DISPID_NIMBO_REMOTE, "Remote", VT_BSTR, [this] { return Variant::String(remote); },
                 [this](const Variant& v) {
                     remote = v.AsString();
                     SetModifiedFlag();
                 });
    DispProperty(DISPID_NIMBO_GO, nimbo::members::kGo, VT_BOOL, [this] { return Variant::Bool(goValue != 0); },
                 [this](const Variant& v) { SetGo(v.AsBool() ? TRUE : FALSE); });
}

// Numbered as PlcEnabled1, PlcStart1, PlcStop1, PlcEnabled2, ...
void CNimboCtrl::DispatchNumberedPlcTables()
{
    for (int n = 1; n <= CComSer::kPlcCount; ++n) {
        for (const PlcTableProperties& t : kPlcTables) {
            char name[32];
            std::snprintf(name, sizeof name, "%s%d", t.stem, n);
            std::int32_t* entry = &(comSer.*t.table)[n - 1];
            DispProperty(t.numberedFirst + n - 1, name, VT_I4, [entry] { return Variant::Long(*entry); },
                         [entry](const Variant& v) { *entry = v.AsLong(); });
        }
    }
}

void CNimboCtrl::DispatchIndexedPlcTables()
{
    // The enable table's own property is a truth value.
    DispParamProperty(
        DISPID_NIMBO_PLCENABLED, "PlcEnabled", VT_BOOL, {"Plc"}, {VT_I4},
        [this](const DispArgs& a) {
            const std::int32_t plc = a[0].AsLong();
            return Variant::Bool(PlcAddressable(plc) && comSer.plcEnabled[plc - 1] != 0);
        },
        [this](const DispArgs& a, const Variant& v) {
            const std::int32_t plc = a[0].AsLong();
            if (PlcAddressable(plc))
                comSer.plcEnabled[plc - 1] = v.AsBool() ? 1 : 0;
            SetModifiedFlag();
        });
    for (const PlcTableProperties& t : kPlcTables) {
        if (t.indexed == 0)
            continue;
        std::int32_t* table = comSer.*t.table;
        DispParamProperty(
            t.indexed, t.stem, VT_I4, {"Plc"}, {VT_I4},
            [table](const DispArgs& a) {
                const std::int32_t plc = a[0].AsLong();
                return Variant::Long(PlcAddressable(plc) ? table[plc - 1] : -1);
            },
            [this, table](const DispArgs& a, const Variant& v) {
                const std::int32_t plc = a[0].AsLong();
                if (PlcAddressable(plc))
                    table[plc - 1] = v.AsLong();
                SetModifiedFlag();
            });
    }
}

void CNimboCtrl::DispatchModem()
{
    DispProperty(DISPID_NIMBO_MODEM, "Modem", VT_BOOL, [this] { return Variant::Bool(modemEnabled != 0); },
                 [this](const Variant& v) {
                     modemEnabled = v.AsBool() ? TRUE : FALSE;
                     SetModifiedFlag();
                 });
    for (const TextProperty& t : kModemTexts) {
        std::string* member = &(this->*t.member);
        DispProperty(t.id, t.name, VT_BSTR, [member] { return Variant::String(*member); },
                     [this, member](const Variant& v) {
                         *member = v.AsString();
                         SetModifiedFlag();
                     });
    }
}
