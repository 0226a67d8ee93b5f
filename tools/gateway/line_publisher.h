// What the gateway tells the broker about its line, decided apart from the
// broker's connection: each PLC's last completed pass, the values the
// broker holds retained, and the statuses it was told. Every value is plain
// decimal text, so that any MQTT tool reads it without code.
#pragma once

#include "platform/mqtt.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace gateway {

// Topic, payload, retained.
using Message = nimbo::MqttMessage;

enum class PlcStatus { Unknown, Ok, Dead, Off };

const char* StatusText(PlcStatus status);

// A PLC's range as its last completed pass left it.
struct Pass {
    int first = 0;
    std::vector<std::int32_t> values;
    std::uint32_t passMs = 0;
    std::int32_t lastSeen = 0;  // hours * 65536 + minutes * 256 + seconds, local time
};

struct Counters {
    std::uint64_t passes = 0;
    std::uint64_t writes = 0;
    std::uint64_t refused = 0;
    std::uint64_t reconnections = 0;
    std::uint64_t dropped = 0;  // changed values not published while the broker was away
};

constexpr int kPlcs = 32;

class LinePublisher {
public:
    explicit LinePublisher(std::string prefix);
    const std::string& Prefix() const { return prefix_; }

    // A completed pass of `plc` (1 to 32). While connected: the registers
    // whose value the broker does not hold yet, then the pass object.
    // While away only the pass is kept, to be published on return.
    std::vector<Message> PassClosed(int plc, Pass pass, bool connected);

    // The statuses now; messages for those that changed. Unknown ones are
    // not published.
    std::vector<Message> Statuses(const std::array<PlcStatus, kPlcs>& now, bool connected);

    // Back on the broker: online, every known status, and the whole image
    // of every PLC that has completed a pass, register by register and as
    // pass objects.
    std::vector<Message> Reconnected();

    Message StateMessage(bool online) const;
    Message StatsMessage() const;
    Counters& Count() { return counters_; }

    std::string RegisterTopic(int plc, int reg) const;
    std::string PassTopic(int plc) const;

private:
    std::string PlcTopic(int plc) const;
    Message PassMessage(int plc, const Pass& pass) const;

    std::string prefix_;
    std::array<Pass, kPlcs> passes_;  // each PLC's newest pass
    std::array<bool, kPlcs> passed_{};
    std::array<bool, kPlcs> brokerHolds_{};  // the broker holds passes_ as they are
    std::array<PlcStatus, kPlcs> status_{};
    std::array<PlcStatus, kPlcs> statusPublished_{};
    Counters counters_;
    bool everConnected_ = false;
};

}  // namespace gateway
