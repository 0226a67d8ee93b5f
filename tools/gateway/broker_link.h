// The gateway's connection to its MQTT broker, over libmosquitto, served by
// the event loop: the socket is watched for readiness, the keepalive and
// the retries run from Tick. Nothing here blocks the line's scan except
// the name lookup of the broker's host when a connection is tried.
#pragma once

#include "tools/gateway/gateway_options.h"
#include "tools/gateway/line_publisher.h"

#include <functional>
#include <memory>
#include <string>

namespace nimbo {
class DescriptorWatch;
}
struct mosquitto;

namespace gateway {

struct Incoming {
    std::string topic;
    std::string payload;
    bool retained = false;
    std::string responseTopic;  // empty when the asker wants no answer
    std::string correlation;    // handed back with the answer
};

struct BrokerSettings {
    BrokerAddress address;
    std::string clientId;
    std::string user;
    std::string password;
    std::string cafile;
    Message will;              // published by the broker when we vanish
    std::string subscription;  // what we listen to, once connected
};

class BrokerLink {
public:
    struct Handlers {
        std::function<void()> connected;
        std::function<void(const Incoming&)> message;
        std::function<void(const std::string&)> log;
    };

    // Longest wait between two attempts while the broker is away.
    static constexpr unsigned kLongestRetryMs = 5000;

    BrokerLink(BrokerSettings settings, Handlers handlers);
    ~BrokerLink();
    BrokerLink(const BrokerLink&) = delete;
    BrokerLink& operator=(const BrokerLink&) = delete;

    // Makes the client and tries the first connection; false with the
    // reason only when the settings themselves cannot work (a CA file
    // that cannot be read, say). An unreachable broker is retried.
    bool Start(std::string* error);
    // Call often (every 100 ms or so): keepalive, and a retry when due.
    void Tick(unsigned nowMs);
    bool Connected() const { return connected_; }

    // QoS 0: a value the broker does not take now is covered by the next
    // pass or by the whole image published on return.
    void Publish(const Message& message);
    void Respond(const Incoming& request, const std::string& text);
    // The last words of a clean stop: publishes `last`, disconnects, and
    // gives the bytes up to `ms` to leave.
    void Stop(const Message& last, int ms);

private:
    friend struct BrokerCallbacks;  // libmosquitto's callbacks land here
    void Accepted(int reason);
    void Dropped(int reason);

    void Attempt(unsigned nowMs);
    void Lost(const std::string& why);
    void Watch();
    void Unwatch();
    void Readable();
    void Writable();
    void WantWrite();

    BrokerSettings settings_;
    Handlers handlers_;
    mosquitto* client_ = nullptr;
    std::unique_ptr<nimbo::DescriptorWatch> reading_;
    std::unique_ptr<nimbo::DescriptorWatch> writing_;
    bool connected_ = false;
    bool attempting_ = false;
    bool addressGiven_ = false;
    bool toldAway_ = false;
    unsigned attemptAt_ = 0;
    unsigned retryAt_ = 0;
    unsigned retryMs_ = 500;
    unsigned now_ = 0;
};

}  // namespace gateway
