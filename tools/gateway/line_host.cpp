#include "tools/gateway/line_host.h"

#include "link/client_info.h"
#include "link/com_ser.h"
#include "platform/clock.h"
#include "platform/form.h"
#include "platform/form_editor.h"
#include "platform/olectl.h"
#include "platform/panel_members.h"

namespace gateway {

namespace {
constexpr char kServerClass[] = "NIMBOLib.Nimbo";
// The button, the only client control that writes, by its ProgID (what a
// placed control answers, whichever of its names the form used).
constexpr char kButtonProgId[] = "ZEMBUTTON.ZemButtonCtrl.1";
// The server's own members the gateway steers it by.
constexpr char kCom[] = "COM";
constexpr char kPort[] = "InternalComSer";
constexpr char kFastScan[] = "FastScan";

// The server's declaration, as a form would hold it.
std::string LineForm(const GatewayOptions& o)
{
    std::string text = "Form Gateway\n    Begin Line " + std::string(kServerClass) + "\n";
    text += "        COM = " + std::to_string(*o.com) + "\n";
    if (o.speed)
        text += "        Speed = " + std::to_string(*o.speed) + "\n";
    if (o.timerMs)
        text += "        InternalTimer = " + std::to_string(*o.timerMs) + "\n";
    for (const RegisterRange& r : o.plcs) {
        const std::string n = std::to_string(r.plc);
        text += "        PlcEnabled" + n + " = 1\n        PlcStart" + n + " = " + std::to_string(r.first) +
                "\n        PlcStop" + n + " = " + std::to_string(r.last) + "\n";
    }
    return text + "    End\nEnd\n";
}
}  // namespace

// Carries a client's identity record, as the server sends data only to
// windows that do; never shown.
class LineTap : public CWnd {
public:
    explicit LineTap(LineHost::Handlers handlers) : handlers_(std::move(handlers)) { record_.signature = CLIENT_SIGNATURE; }

    bool Create(HWND parent)
    {
        if (!CreateWindowed(parent, RECT{0, 0, 1, 1}))
            return false;
        ShowWindow(m_hWnd, SW_HIDE);
        SetWindowLongA(m_hWnd, GWL_USERDATA, reinterpret_cast<LONG_PTR>(&record_));
        return true;
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_PLC_DATA && handlers_.passClosed)
            handlers_.passClosed(static_cast<int>(wParam));
        else if (message == WM_TIMER && handlers_.timer)
            handlers_.timer(static_cast<unsigned>(wParam));
        else
            return CWnd::WindowProc(message, wParam, lParam);
        return 0;
    }

private:
    LineHost::Handlers handlers_;
    CClientInfo record_;
};

LineHost::LineHost() = default;

LineHost::~LineHost()
{
    tap_.reset();
    if (form_)
        form_->Close();
}

bool LineHost::Put(const char* member, const Variant& value, std::string* error)
{
    const DispEntry* entry = server_->Dispatch().Find(member);
    if (entry == nullptr || FAILED(server_->PutProperty(entry->id, {}, value))) {
        *error = serverName_ + " does not take " + member;
        return false;
    }
    return true;
}

bool LineHost::Open(const GatewayOptions& o, Handlers handlers, std::string* error)
{
    form_ = o.form.empty() ? nimbo::Form::Parse(LineForm(o), "the command line", error)
                           : nimbo::Form::Load(o.form, error);
    if (!form_ || !form_->Create(error))
        return false;
    // The form's declared server, else its first control that takes clients.
    serverName_ = form_->ServerName();
    server_ = form_->Control(serverName_);
    if (server_ == nullptr || server_->Dispatch().Find(nimbo::members::kAddClient) == nullptr) {
        server_ = nullptr;
        nimbo::FormEditor names(*form_);
        for (const std::string& name : names.Names()) {
            COleControl* c = form_->Control(name);
            if (c && c->Dispatch().Find(nimbo::members::kAddClient)) {
                server_ = c;
                serverName_ = name;
                break;
            }
        }
    }
    if (server_ == nullptr) {
        *error = o.form + ": the form has no server to run";
        return false;
    }
    if (o.com && !o.form.empty() && !Put(kCom, Variant::Long(*o.com), error))
        return false;
    Variant address;
    const DispEntry* portEntry = server_->Dispatch().Find(kPort);
    if (portEntry == nullptr || FAILED(server_->GetProperty(portEntry->id, {}, &address)) || address.AsInt64() == 0) {
        *error = serverName_ + " does not hand out its port";
        return false;
    }
    port_ = reinterpret_cast<CComSer*>(static_cast<std::intptr_t>(address.AsInt64()));
    auto passClosed = std::move(handlers.passClosed);
    handlers.passClosed = [this, passClosed](int plc) {
        statuses_.PassClosed(plc, port_->passStart);
        if (passClosed)
            passClosed(plc);
    };
    tap_ = std::make_unique<LineTap>(std::move(handlers));
    if (!tap_->Create(form_->Window())) {
        *error = "cannot make the gateway's window";
        return false;
    }
    return Put(nimbo::members::kAddClient, Variant::Long(static_cast<std::int32_t>(tap_->m_hWnd)), error);
}

bool LineHost::Start(bool fast, std::string* error)
{
    if (fast && !Put(kFastScan, Variant::Bool(true), error))
        return false;
    if (!Put(nimbo::members::kGo, Variant::Bool(true), error))
        return false;
    if (!LineOpen()) {
        *error = "cannot open COM" + std::to_string(Com());
        return false;
    }
    statuses_.Started(GetTickCount());
    return true;
}

void LineHost::Stop()
{
    std::string ignored;
    if (server_)
        Put(nimbo::members::kGo, Variant::Bool(false), &ignored);
}

int LineHost::Com() const
{
    return port_ ? port_->portNumber : 0;
}

bool LineHost::LineOpen() const
{
    return port_ && port_->portHandle != INVALID_HANDLE_VALUE && port_->portHandle != nullptr;
}

std::array<PlcStatus, kPlcs> LineHost::Statuses(unsigned nowMs)
{
    return statuses_.Read({port_->plcEnabled, port_->plcStatus, port_->currentPlc, port_->passStart, LineOpen()}, nowMs);
}

std::vector<RegisterRange> LineHost::ButtonRegisters() const
{
    std::vector<RegisterRange> out;
    nimbo::FormEditor names(*form_);
    for (const std::string& name : names.Names()) {
        COleControl* c = form_->Control(name);
        if (c == nullptr || c->ProgId() != kButtonProgId)
            continue;
        const DispEntry* plc = c->Dispatch().Find("Plc");
        const DispEntry* reg = c->Dispatch().Find("Reg");
        Variant p, r;
        if (plc && reg && SUCCEEDED(c->GetProperty(plc->id, {}, &p)) && SUCCEEDED(c->GetProperty(reg->id, {}, &r)))
            out.push_back({p.AsLong(), r.AsLong(), r.AsLong()});
    }
    return out;
}

void LineHost::SetTimer(unsigned id, unsigned ms)
{
    ::SetTimer(tap_->m_hWnd, id, ms, nullptr);
}

}  // namespace gateway
