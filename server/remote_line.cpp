#include "server/remote_line.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <random>

namespace {

constexpr std::size_t kMostValues = 65536;  // far more than one PLC's range

bool PlcInRange(int plc)
{
    return plc >= 1 && plc <= CComSer::kPlcCount;
}

// A tiny reader for the one JSON shape the gateway writes.
class JsonReader {
public:
    explicit JsonReader(std::string_view text) : text_(text) {}

    void Blanks()
    {
        while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_])))
            ++at_;
    }
    bool Take(char c)
    {
        Blanks();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    std::optional<std::string_view> String()
    {
        if (!Take('"'))
            return std::nullopt;
        const std::size_t end = text_.find('"', at_);
        if (end == std::string_view::npos)
            return std::nullopt;
        const std::string_view s = text_.substr(at_, end - at_);
        at_ = end + 1;
        return s;
    }
    std::optional<std::int64_t> Integer()
    {
        Blanks();
        std::int64_t value = 0;
        const auto [end, error] = std::from_chars(text_.data() + at_, text_.data() + text_.size(), value);
        if (error != std::errc())
            return std::nullopt;
        at_ = static_cast<std::size_t>(end - text_.data());
        return value;
    }
    bool AtEnd()
    {
        Blanks();
        return at_ == text_.size();
    }

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

std::optional<std::int32_t> PackedTime(std::string_view hms)
{
    int h = 0, m = 0, s = 0;
    if (hms.size() != 8 || hms[2] != ':' || hms[5] != ':')
        return std::nullopt;
    auto two = [&](std::size_t at, int* out, int max) {
        if (!std::isdigit(static_cast<unsigned char>(hms[at])) || !std::isdigit(static_cast<unsigned char>(hms[at + 1])))
            return false;
        *out = (hms[at] - '0') * 10 + (hms[at + 1] - '0');
        return *out <= max;
    };
    if (!two(0, &h, 23) || !two(3, &m, 59) || !two(6, &s, 59))
        return std::nullopt;
    return h * 65536 + m * 256 + s;
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

std::optional<RemotePass> ParseRemotePass(std::string_view json)
{
    JsonReader r(json);
    RemotePass pass;
    bool first = false, values = false;
    if (!r.Take('{'))
        return std::nullopt;
    do {
        const auto key = r.String();
        if (!key || !r.Take(':'))
            return std::nullopt;
        if (*key == "first" || *key == "ms") {
            const auto n = r.Integer();
            if (!n || *n < 0 || *n > 0xFFFFFFFFLL)
                return std::nullopt;
            if (*key == "first") {
                if (*n >= CComSer::kRegisterCount)
                    return std::nullopt;
                pass.first = static_cast<int>(*n);
                first = true;
            } else {
                pass.ms = static_cast<std::uint32_t>(*n);
            }
        } else if (*key == "values") {
            if (!r.Take('['))
                return std::nullopt;
            if (!r.Take(']')) {
                do {
                    const auto n = r.Integer();
                    if (!n || *n < INT32_MIN || *n > INT32_MAX || pass.values.size() >= kMostValues)
                        return std::nullopt;
                    pass.values.push_back(static_cast<std::int32_t>(*n));
                } while (r.Take(','));
                if (!r.Take(']'))
                    return std::nullopt;
            }
            values = true;
        } else if (*key == "seen") {
            const auto hms = r.String();
            const auto packed = hms ? PackedTime(*hms) : std::nullopt;
            if (!packed)
                return std::nullopt;
            pass.seen = *packed;
        } else {
            return std::nullopt;
        }
    } while (r.Take(','));
    if (!r.Take('}') || !r.AtEnd() || !first || !values)
        return std::nullopt;
    if (pass.values.size() > static_cast<std::size_t>(CComSer::kRegisterCount - pass.first))
        return std::nullopt;
    return pass;
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
