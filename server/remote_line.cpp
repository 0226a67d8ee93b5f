#include "server/remote_line.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <random>

namespace {

bool PlcInRange(int plc)
{
    return plc >= 1 && plc <= CComSer::kPlcCount;
}

// PREFIX/plc/N/WHAT: N, when the topic is one of those.
int PlcOf(const std::string& topic, const std::string& prefix, const char* what)
{
    const std::string head = prefix + "/plc/";
    const std::string tail = std::string("/") + what;
    if (topic.size() <= head.size() + tail.size() || topic.compare(0, head.size(), head) != 0 ||
        topic.compare(topic.size() - tail.size(), tail.size(), tail) != 0)
        return 0;
    const std::string_view number(topic.data() + head.size(), topic.size() - head.size() - tail.size());
    int plc = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), plc);
    if (error != std::errc() || end != number.data() + number.size() || number.size() > 2 || number[0] == '0')
        return 0;
    return PlcInRange(plc) ? plc : 0;
}

}  // namespace

void CServerPort::SetRegister(int plc, int reg, std::int32_t value)
{
    if (!remoteWrite) {
        CComSer::SetRegister(plc, reg, value);
        return;
    }
    if (reg >= 0 && reg < kRegisterCount)
        registers[reg] = value;
    remoteWrite(plc, reg, value);
}

void CServerPort::SetRegisterBlock(int plc, int reg, const std::int32_t* values)
{
    if (!remoteWrite) {
        CComSer::SetRegisterBlock(plc, reg, values);
        return;
    }
    // The gateway takes one register a request.
    for (int i = 0; values != nullptr && i < kBlockSize; ++i)
        SetRegister(plc, reg + i, values[i]);
}

bool OnRemoteLine(const CComSer* port)
{
    const auto* ours = dynamic_cast<const CServerPort*>(port);
    return ours != nullptr && ours->Remote();
}

std::optional<RemoteAddress> ParseRemote(const std::string& url, int com)
{
    std::string prefix;
    const auto broker = nimbo::ParseMqttUrl(url, &prefix);
    if (!broker)
        return std::nullopt;
    while (!prefix.empty() && prefix.back() == '/')
        prefix.pop_back();
    if (prefix.find_first_of("#+") != std::string::npos || (!prefix.empty() && prefix.front() == '/'))
        return std::nullopt;
    if (prefix.empty())
        prefix = "nimbo/COM" + std::to_string(com);
    return RemoteAddress{*broker, prefix};
}

RemoteLine::RemoteLine(CServerPort& port, RemoteAddress address, Events events)
    : port_(port), address_(std::move(address)), events_(std::move(events))
{
}

RemoteLine::~RemoteLine()
{
    port_.remoteWrite = nullptr;
    if (client_)
        client_->Stop(nullptr, 100);
}

bool RemoteLine::Start(std::string* error)
{
    // Each panel is a client of its own to the broker, however many run.
    std::random_device random;
    char id[40];
    std::snprintf(id, sizeof id, "nimbo-panel-%08x%08x", random(), random());
    replyTopic_ = address_.prefix + "/reply/" + id;
    const nimbo::MqttLogin& login = nimbo::DefaultMqttLogin();
    nimbo::MqttSettings settings;
    settings.address = address_.broker;
    settings.clientId = id;
    settings.user = login.user;
    settings.password = login.password;
    settings.cafile = login.cafile;
    settings.subscriptions = {address_.prefix + "/state", address_.prefix + "/plc/+/status",
                              address_.prefix + "/plc/+/pass", replyTopic_};
    nimbo::MqttClient::Handlers handlers;
    handlers.lost = [this] { WentOffline(); };
    handlers.message = [this](const nimbo::MqttMessage& m) { Received(m); };
    handlers.log = [](const std::string& text) { std::fprintf(stderr, "Nimbo: %s\n", text.c_str()); };
    client_ = std::make_unique<nimbo::MqttClient>(std::move(settings), std::move(handlers));
    if (!client_->Start(error))
        return false;
    port_.remoteWrite = [this](int plc, int reg, std::int32_t value) { Write(plc, reg, value); };
    return true;
}

void RemoteLine::WentOffline()
{
    online_ = false;
    held_.clear();
    if (events_.offline)
        events_.offline();
}

void RemoteLine::Received(const nimbo::MqttMessage& m)
{
    const std::string& prefix = address_.prefix;
    if (m.topic == prefix + "/state") {
        if (m.payload == "online" && !online_) {
            online_ = true;
            // What the broker kept is current now that the gateway is there.
            auto held = std::move(held_);
            held_.clear();
            for (const auto& [plc, pass] : held)
                Apply(plc, pass);
        } else if (m.payload != "online" && online_) {
            WentOffline();
        }
    } else if (m.topic == replyTopic_) {
        if (m.payload.rfind("refused", 0) == 0 && events_.refused)
            events_.refused(m.payload);
    } else if (const int plc = PlcOf(m.topic, prefix, "pass")) {
        const auto pass = ParseRemotePass(m.payload);
        if (!pass)
            return;
        if (online_)
            Apply(plc, *pass);
        else
            held_[plc] = *pass;
    } else if (const int plc = PlcOf(m.topic, prefix, "status")) {
        const int i = plc - 1;
        if (m.payload == "ok" || m.payload == "dead") {
            port_.plcEnabled[i] = 1;
            port_.plcStatus[i] = m.payload == "ok" ? PLC_OK : PLC_DEAD;
        } else if (m.payload == "off") {
            port_.plcEnabled[i] = 0;
        } else {
            return;
        }
        if (events_.statusChanged)
            events_.statusChanged(plc);
    }
}

void RemoteLine::Apply(int plc, const RemotePass& pass)
{
    const int i = plc - 1;
    std::copy(pass.values.begin(), pass.values.end(), port_.registers + pass.first);
    port_.plcEnabled[i] = 1;
    port_.plcStart[i] = pass.first;
    port_.plcStop[i] = pass.first + static_cast<int>(pass.values.size()) - 1;
    port_.plcStatus[i] = PLC_OK;
    port_.plcScanTime[i] = pass.ms;
    port_.plcLastSeen[i] = pass.seen;
    port_.currentPlc = plc;
    if (events_.passApplied)
        events_.passApplied(plc);
}

void RemoteLine::Write(int plc, int reg, std::int32_t value)
{
    if (!PlcInRange(plc) || reg < 0) {
        if (events_.refused)
            events_.refused("refused: no such register");
        return;
    }
    nimbo::MqttMessage m;
    m.topic = address_.prefix + "/plc/" + std::to_string(plc) + "/reg/" + std::to_string(reg) + "/set";
    m.payload = std::to_string(value);
    // Not kept by our client for a later connection either: QoS 0.
    m.expirySeconds = kWriteExpirySeconds;
    m.responseTopic = replyTopic_;
    m.correlation = std::to_string(++asked_);
    if (!client_->Publish(m) && events_.refused)
        events_.refused("not written: the broker cannot be reached");
}
