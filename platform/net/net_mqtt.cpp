// The broker client over libmosquitto, driven by the event loop: descriptor
// watches on its socket, a Qt timer for the keepalive and the retries.
#include "platform/clock.h"
#include "platform/mqtt.h"
#include "platform/readiness.h"
#include "platform/window/qt_application_qt.h"

#include <mosquitto.h>
#include <mqtt_protocol.h>
#include <poll.h>

#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace nimbo {

namespace {
constexpr int kKeepAliveSeconds = 10;
// A broker that took the socket but does not answer the CONNECT in this
// time is as good as away.
constexpr unsigned kConnackWaitMs = 5000;
constexpr unsigned kFirstRetryMs = 500;
constexpr int kTickMs = 100;

bool Due(unsigned now, unsigned at)
{
    return static_cast<int>(now - at) >= 0;
}

// MQTT 5 properties of a message we send: expiry, response topic,
// correlation. Freed with it.
mosquitto_property* PropertiesOf(const MqttMessage& m)
{
    mosquitto_property* props = nullptr;
    if (m.expirySeconds > 0)
        mosquitto_property_add_int32(&props, MQTT_PROP_MESSAGE_EXPIRY_INTERVAL, m.expirySeconds);
    if (!m.responseTopic.empty())
        mosquitto_property_add_string(&props, MQTT_PROP_RESPONSE_TOPIC, m.responseTopic.c_str());
    if (!m.correlation.empty())
        mosquitto_property_add_binary(&props, MQTT_PROP_CORRELATION_DATA, m.correlation.data(),
                                      static_cast<uint16_t>(std::min<std::size_t>(m.correlation.size(), 65535)));
    return props;
}
}  // namespace

struct MqttClient::State {
    ~State() { *alive = false; }

    MqttSettings settings;
    // What the library's callbacks report is handed to our handlers only
    // once the library has returned: a handler may then do anything, run a
    // modal loop or end the client, without entering the library again.
    std::vector<std::function<void()>> pending;
    std::shared_ptr<bool> alive = std::make_shared<bool>(true);
    Handlers handlers;
    mosquitto* client = nullptr;
    std::unique_ptr<DescriptorWatch> reading;
    std::unique_ptr<DescriptorWatch> writing;
    std::unique_ptr<QTimer> ticker;
    bool connected = false;
    bool attempting = false;
    bool addressGiven = false;
    bool toldAway = false;
    unsigned attemptAt = 0;
    unsigned retryAt = 0;
    unsigned retryMs = kFirstRetryMs;

    std::string Where() const { return settings.address.host + ":" + std::to_string(settings.address.port); }

    void Log(const std::string& text) const
    {
        if (handlers.log)
            handlers.log(text);
    }

    void Attempt()
    {
        Unwatch();
        attemptAt = GetTickCount();
        // The first call keeps the address; later ones reuse it.
        const int rc = std::exchange(addressGiven, true)
                           ? mosquitto_reconnect_async(client)
                           : mosquitto_connect_async(client, settings.address.host.c_str(), settings.address.port,
                                                     kKeepAliveSeconds);
        if (rc != MOSQ_ERR_SUCCESS) {
            Lost(rc == MOSQ_ERR_ERRNO ? "cannot connect" : mosquitto_strerror(rc));
            return;
        }
        attempting = true;
        Watch();
    }

    void Watch()
    {
        const int socket = mosquitto_socket(client);
        if (socket < 0)
            return;
        reading = std::make_unique<DescriptorWatch>(socket, Readiness::Read, [this] { Readable(); });
        writing = std::make_unique<DescriptorWatch>(socket, Readiness::Write, [this] { Writable(); });
    }

    void Unwatch()
    {
        reading.reset();
        writing.reset();
    }

    void Readable()
    {
        const int rc = mosquitto_loop_read(client, 1);
        // The library may have told us already, through its disconnect callback.
        if (rc != MOSQ_ERR_SUCCESS && (connected || attempting))
            Lost(mosquitto_strerror(rc));
        Deliver();
    }

    // Runs what the callbacks left, stopping if a handler ended the client.
    void Deliver()
    {
        const std::shared_ptr<bool> stillAlive = alive;
        while (*stillAlive && !pending.empty()) {
            // Taken whole: a handler may add more, or end the client.
            const auto batch = std::exchange(pending, {});
            for (const std::function<void()>& next : batch) {
                if (!*stillAlive)
                    return;
                next();
            }
        }
    }

    void Writable()
    {
        const int rc = mosquitto_loop_write(client, 1);
        if (rc != MOSQ_ERR_SUCCESS) {
            if (connected || attempting)
                Lost(mosquitto_strerror(rc));
            return;
        }
        if (writing && !mosquitto_want_write(client))
            writing->SetEnabled(false);
        Deliver();
    }

    // The library writes what it can as a packet is queued, except inside
    // its own callbacks; whatever is left leaves when the socket is ready.
    void WantWrite()
    {
        if (writing && mosquitto_want_write(client))
            writing->SetEnabled(true);
    }

    void Accepted(int reason)
    {
        if (reason != 0) {
            // Refused (bad user or password, not authorised): said, and tried
            // again all the same, as the broker's configuration may be mended.
            Lost(std::string("refused by the broker: ") + mosquitto_reason_string(reason));
            return;
        }
        attempting = false;
        connected = true;
        toldAway = false;
        retryMs = kFirstRetryMs;
        Log("connected to " + Where());
        for (const std::string& topic : settings.subscriptions)
            mosquitto_subscribe_v5(client, nullptr, topic.c_str(), 0, MQTT_SUB_OPT_RETAIN_AS_PUBLISHED, nullptr);
        if (handlers.connected)
            pending.push_back([this] {
                handlers.connected();
                WantWrite();
            });
        WantWrite();
    }

    void Dropped(int reason)
    {
        if (connected || attempting)
            Lost(reason == 0 ? "disconnected" : mosquitto_reason_string(reason));
    }

    void Lost(const std::string& why)
    {
        Unwatch();
        const bool wasConnected = std::exchange(connected, false);
        attempting = false;
        if (wasConnected || !toldAway)
            Log("broker " + Where() + (wasConnected ? " lost: " : " unreachable: ") + why + "; trying again every " +
                std::to_string(kLongestRetryMs / 1000) + " s at most");
        toldAway = true;
        retryAt = GetTickCount() + retryMs;
        retryMs = std::min(retryMs * 2, kLongestRetryMs);
        if (wasConnected && handlers.lost)
            pending.push_back([this] { handlers.lost(); });
    }

    void Tick()
    {
        TickOnce();
        Deliver();
    }

    void TickOnce()
    {
        const unsigned now = GetTickCount();
        if (attempting) {
            if (Due(now, attemptAt + kConnackWaitMs))
                Lost("no answer to the connection");
            return;
        }
        if (connected) {
            // Keepalive pings; a broker that stopped answering them is lost.
            if (mosquitto_loop_misc(client) != MOSQ_ERR_SUCCESS)
                Lost("connection lost");
            else
                WantWrite();
            return;
        }
        if (Due(now, retryAt))
            Attempt();
    }
};

MqttClient::MqttClient(MqttSettings settings, Handlers handlers) : d_(std::make_unique<State>())
{
    mosquitto_lib_init();
    d_->settings = std::move(settings);
    d_->handlers = std::move(handlers);
}

MqttClient::~MqttClient()
{
    d_->Unwatch();
    d_->ticker.reset();
    if (d_->client)
        mosquitto_destroy(d_->client);
    mosquitto_lib_cleanup();
}

bool MqttClient::Start(std::string* error)
{
    State& s = *d_;
    qt::EnsureApplication();  // for the timer
    // A clean start: whatever the broker kept for us while we were away is
    // dropped, never carried out late.
    s.client = mosquitto_new(s.settings.clientId.empty() ? nullptr : s.settings.clientId.c_str(), true, &s);
    if (s.client == nullptr) {
        *error = "cannot make an MQTT client";
        return false;
    }
    mosquitto_int_option(s.client, MOSQ_OPT_PROTOCOL_VERSION, MQTT_PROTOCOL_V5);
    mosquitto_connect_v5_callback_set(s.client, [](mosquitto*, void* state, int reason, int, const mosquitto_property*) {
        static_cast<State*>(state)->Accepted(reason);
    });
    mosquitto_disconnect_v5_callback_set(s.client, [](mosquitto*, void* state, int reason, const mosquitto_property*) {
        static_cast<State*>(state)->Dropped(reason);
    });
    mosquitto_message_v5_callback_set(
        s.client, [](mosquitto*, void* state, const mosquitto_message* m, const mosquitto_property* props) {
            auto* self = static_cast<State*>(state);
            MqttMessage in;
            in.topic = m->topic ? m->topic : "";
            if (m->payload && m->payloadlen > 0)
                in.payload.assign(static_cast<const char*>(m->payload), static_cast<std::size_t>(m->payloadlen));
            in.retain = m->retain;
            in.qos = m->qos;
            char* response = nullptr;
            if (mosquitto_property_read_string(props, MQTT_PROP_RESPONSE_TOPIC, &response, false)) {
                in.responseTopic = response;
                std::free(response);
            }
            void* correlation = nullptr;
            uint16_t length = 0;
            if (mosquitto_property_read_binary(props, MQTT_PROP_CORRELATION_DATA, &correlation, &length, false)) {
                in.correlation.assign(static_cast<const char*>(correlation), length);
                std::free(correlation);
            }
            if (self->handlers.message)
                self->pending.push_back([self, in = std::move(in)] { self->handlers.message(in); });
        });
    if (s.settings.will) {
        const MqttMessage& will = *s.settings.will;
        if (mosquitto_will_set_v5(s.client, will.topic.c_str(), static_cast<int>(will.payload.size()),
                                  will.payload.data(), 1, will.retain, nullptr) != MOSQ_ERR_SUCCESS) {
            *error = "cannot set the will on " + will.topic;
            return false;
        }
    }
    if (!s.settings.user.empty() &&
        mosquitto_username_pw_set(s.client, s.settings.user.c_str(),
                                  s.settings.password.empty() ? nullptr : s.settings.password.c_str()) !=
            MOSQ_ERR_SUCCESS) {
        *error = "cannot set the user name";
        return false;
    }
    if (s.settings.address.tls) {
        const std::string trusted = s.settings.cafile.empty() ? "/etc/ssl/certs" : s.settings.cafile;
        const int rc = s.settings.cafile.empty()
                           ? mosquitto_tls_set(s.client, nullptr, trusted.c_str(), nullptr, nullptr, nullptr)
                           : mosquitto_tls_set(s.client, trusted.c_str(), nullptr, nullptr, nullptr, nullptr);
        if (rc != MOSQ_ERR_SUCCESS) {
            *error = "cannot use TLS with " + trusted + ": " + mosquitto_strerror(rc);
            return false;
        }
    }
    s.ticker = std::make_unique<QTimer>();
    QObject::connect(s.ticker.get(), &QTimer::timeout, [&s] { s.Tick(); });
    s.ticker->start(kTickMs);
    s.Attempt();
    return true;
}

bool MqttClient::Connected() const
{
    return d_->connected;
}

bool MqttClient::Publish(const MqttMessage& m)
{
    State& s = *d_;
    if (!s.connected)
        return false;
    mosquitto_property* props = PropertiesOf(m);
    const int rc = mosquitto_publish_v5(s.client, nullptr, m.topic.c_str(), static_cast<int>(m.payload.size()),
                                        m.payload.data(), m.qos, m.retain, props);
    mosquitto_property_free_all(&props);
    if (rc == MOSQ_ERR_NO_CONN || rc == MOSQ_ERR_CONN_LOST) {
        // Told from the event loop, not from inside the publisher's call.
        s.Lost(mosquitto_strerror(rc));
        return false;
    }
    s.WantWrite();
    return rc == MOSQ_ERR_SUCCESS;
}

bool MqttClient::Respond(const MqttMessage& request, const std::string& text)
{
    if (request.responseTopic.empty())
        return false;
    MqttMessage answer;
    answer.topic = request.responseTopic;
    answer.payload = text;
    answer.correlation = request.correlation;
    return Publish(answer);
}

void MqttClient::Stop(const MqttMessage* last, int ms)
{
    State& s = *d_;
    s.ticker.reset();
    if (!s.connected)
        return;
    // Our own disconnection is no loss to report or retry.
    s.connected = false;
    if (last)
        mosquitto_publish_v5(s.client, nullptr, last->topic.c_str(), static_cast<int>(last->payload.size()),
                             last->payload.data(), last->qos, last->retain, nullptr);
    mosquitto_disconnect_v5(s.client, MQTT_RC_NORMAL_DISCONNECTION, nullptr);
    const int socket = mosquitto_socket(s.client);
    s.Unwatch();
    // Waiting here is fine: the client is ending.
    for (int waited = 0; socket >= 0 && mosquitto_want_write(s.client) && waited < ms; waited += 10) {
        pollfd ready{socket, POLLOUT, 0};
        poll(&ready, 1, 10);
        if (mosquitto_loop_write(s.client, 1) != MOSQ_ERR_SUCCESS)
            break;
    }
}

}  // namespace nimbo
