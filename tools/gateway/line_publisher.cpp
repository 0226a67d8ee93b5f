#include "tools/gateway/line_publisher.h"

#include <cstdio>
#include <utility>

namespace gateway {

const char* StatusText(PlcStatus status)
{
    switch (status) {
    case PlcStatus::Ok:
        return "ok";
    case PlcStatus::Dead:
        return "dead";
    case PlcStatus::Off:
        return "off";
    case PlcStatus::Unknown:
        break;
    }
    return "";
}

namespace {
Message Make(std::string topic, std::string payload, bool retain)
{
    Message m;
    m.topic = std::move(topic);
    m.payload = std::move(payload);
    m.retain = retain;
    return m;
}
}  // namespace

LinePublisher::LinePublisher(std::string prefix) : prefix_(std::move(prefix)) {}

std::string LinePublisher::PlcTopic(int plc) const
{
    return prefix_ + "/plc/" + std::to_string(plc);
}

std::string LinePublisher::RegisterTopic(int plc, int reg) const
{
    return PlcTopic(plc) + "/reg/" + std::to_string(reg);
}

std::string LinePublisher::PassTopic(int plc) const
{
    return PlcTopic(plc) + "/pass";
}

Message LinePublisher::PassMessage(int plc, const Pass& pass) const
{
    std::string json = "{\"first\":" + std::to_string(pass.first) + ",\"values\":[";
    for (std::size_t i = 0; i < pass.values.size(); ++i) {
        if (i > 0)
            json += ',';
        json += std::to_string(pass.values[i]);
    }
    char seen[16];
    std::snprintf(seen, sizeof seen, "%02d:%02d:%02d", (pass.lastSeen >> 16) & 0xFF, (pass.lastSeen >> 8) & 0xFF,
                  pass.lastSeen & 0xFF);
    json += "],\"ms\":" + std::to_string(pass.passMs) + ",\"seen\":\"" + seen + "\"}";
    return Make(PassTopic(plc), std::move(json), true);
}

namespace {
// Calls changed(r) for each register of `pass` that `before` (when valid,
// over the same range) did not hold with the same value.
template <typename Changed>
void ForEachChange(const Pass& before, bool valid, const Pass& pass, Changed changed)
{
    const bool sameRange = valid && before.first == pass.first && before.values.size() == pass.values.size();
    for (std::size_t r = 0; r < pass.values.size(); ++r)
        if (!sameRange || before.values[r] != pass.values[r])
            changed(r);
}
}  // namespace

std::vector<Message> LinePublisher::PassClosed(int plc, Pass pass, bool connected)
{
    std::vector<Message> out;
    if (plc < 1 || plc > kPlcs)
        return out;
    const int i = plc - 1;
    ++counters_.passes;
    if (connected) {
        ForEachChange(passes_[i], brokerHolds_[i], pass, [&](std::size_t r) {
            out.push_back(Make(RegisterTopic(plc, pass.first + static_cast<int>(r)), std::to_string(pass.values[r]), true));
        });
        out.push_back(PassMessage(plc, pass));
    } else {
        // The broker will get the newest pass whole on return; what changed
        // in between is counted, not queued.
        ForEachChange(passes_[i], passed_[i], pass, [&](std::size_t) { ++counters_.dropped; });
    }
    brokerHolds_[i] = connected;
    passes_[i] = std::move(pass);
    passed_[i] = true;
    return out;
}

std::vector<Message> LinePublisher::Statuses(const std::array<PlcStatus, kPlcs>& now, bool connected)
{
    std::vector<Message> out;
    for (int i = 0; i < kPlcs; ++i) {
        if (now[i] == PlcStatus::Unknown)
            continue;
        status_[i] = now[i];
        if (connected && statusPublished_[i] != now[i]) {
            out.push_back(Make(PlcTopic(i + 1) + "/status", StatusText(now[i]), true));
            statusPublished_[i] = now[i];
        }
    }
    return out;
}

std::vector<Message> LinePublisher::Reconnected()
{
    if (everConnected_)
        ++counters_.reconnections;
    everConnected_ = true;
    std::vector<Message> out{StateMessage(true)};
    for (int i = 0; i < kPlcs; ++i) {
        statusPublished_[i] = status_[i];
        if (status_[i] != PlcStatus::Unknown)
            out.push_back(Make(PlcTopic(i + 1) + "/status", StatusText(status_[i]), true));
    }
    for (int i = 0; i < kPlcs; ++i) {
        if (!passed_[i])
            continue;
        const Pass& pass = passes_[i];
        for (std::size_t r = 0; r < pass.values.size(); ++r)
            out.push_back(Make(RegisterTopic(i + 1, pass.first + static_cast<int>(r)), std::to_string(pass.values[r]), true));
        out.push_back(PassMessage(i + 1, pass));
        brokerHolds_[i] = true;
    }
    return out;
}

Message LinePublisher::StateMessage(bool online) const
{
    return Make(prefix_ + "/state", online ? "online" : "offline", true);
}

Message LinePublisher::StatsMessage() const
{
    const Counters& c = counters_;
    return Make(prefix_ + "/stats",
            "{\"passes\":" + std::to_string(c.passes) + ",\"writes\":" + std::to_string(c.writes) +
                ",\"refused\":" + std::to_string(c.refused) + ",\"reconnections\":" + std::to_string(c.reconnections) +
                ",\"dropped\":" + std::to_string(c.dropped) + "}",
            false);
}

}  // namespace gateway
