// A client of the plant's MQTT broker (MQTT 5), served by the event loop:
// its socket is read and written when ready and its keepalive and retries
// run from a timer, on the thread of the windows, with no thread of its
// own. Only the name lookup of the broker's host, when a connection is
// tried, may wait.
#pragma once

#include "platform/export.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace nimbo {

struct MqttAddress {
    std::string host;
    int port = 1883;
    bool tls = false;
};

// mqtt://HOST[:PORT] (1883) or mqtts://HOST[:PORT] (8883), an IPv6 address
// in brackets; what follows a slash after the address is left in *rest
// (without the slash) when rest is given, else refused.
NIMBO_PLATFORM_API std::optional<MqttAddress> ParseMqttUrl(const std::string& url, std::string* rest = nullptr);

// The login a program's broker clients use when they are given none: set
// once by the program from its command line, so that a password never
// comes from, nor goes into, a form.
struct MqttLogin {
    std::string user;
    std::string password;
    std::string cafile;
};
NIMBO_PLATFORM_API void SetDefaultMqttLogin(MqttLogin login);
NIMBO_PLATFORM_API const MqttLogin& DefaultMqttLogin();

struct MqttMessage {
    std::string topic;
    std::string payload;
    bool retain = false;
    int qos = 0;
    // MQTT 5: where and with what the asker wants an answer, and how long a
    // message may wait in a broker before it is dropped (0: for ever).
    std::string responseTopic;
    std::string correlation;
    unsigned expirySeconds = 0;
};

struct MqttSettings {
    MqttAddress address;
    std::string clientId;
    std::string user;
    std::string password;
    std::string cafile;  // with address.tls: trust these, else the system's
    std::optional<MqttMessage> will;
    // Subscribed on every connection. The retain flag of what arrives is
    // kept as published, so a retained message is known for one even live.
    std::vector<std::string> subscriptions;
};

class NIMBO_PLATFORM_API MqttClient {
public:
    struct Handlers {
        std::function<void()> connected;
        std::function<void()> lost;  // after connected, when the connection went
        std::function<void(const MqttMessage&)> message;
        std::function<void(const std::string&)> log;
    };

    // Longest wait between two attempts while the broker is away.
    static constexpr unsigned kLongestRetryMs = 5000;

    MqttClient(MqttSettings settings, Handlers handlers);
    ~MqttClient();
    MqttClient(const MqttClient&) = delete;
    MqttClient& operator=(const MqttClient&) = delete;

    // Tries the first connection; false with the reason only when the
    // settings cannot work (a CA file that cannot be read, say). A broker
    // that cannot be reached is tried again, and again.
    bool Start(std::string* error);
    bool Connected() const;

    // False when not connected: nothing is queued for later.
    bool Publish(const MqttMessage& message);
    // Answers a request on its response topic, with its correlation data.
    bool Respond(const MqttMessage& request, const std::string& text);
    // The last words of a clean stop: publishes `last` (when given),
    // disconnects and gives the bytes up to `ms` to leave.
    void Stop(const MqttMessage* last, int ms);

private:
    struct State;
    std::unique_ptr<State> d_;
};

}  // namespace nimbo
