#include "tools/gateway/broker_link.h"

#include "platform/readiness.h"

#include <mosquitto.h>
#include <mqtt_protocol.h>

#include <poll.h>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace gateway {

namespace {
constexpr int kKeepAliveSeconds = 10;
// A broker that took the socket but does not answer the CONNECT in this
// time is as good as away.
constexpr unsigned kConnackWaitMs = 5000;
constexpr unsigned kFirstRetryMs = 500;

bool Due(unsigned now, unsigned at)
{
    return static_cast<int>(now - at) >= 0;
}
}  // namespace

struct BrokerCallbacks {
    static void Connect(mosquitto*, void* self, int reason, int, const mosquitto_property*)
    {
        static_cast<BrokerLink*>(self)->Accepted(reason);
    }
    static void Disconnect(mosquitto*, void* self, int reason, const mosquitto_property*)
    {
        static_cast<BrokerLink*>(self)->Dropped(reason);
    }
    static void Message(mosquitto*, void* self, const mosquitto_message* m, const mosquitto_property* props)
    {
        auto* link = static_cast<BrokerLink*>(self);
        Incoming in;
        in.topic = m->topic ? m->topic : "";
        if (m->payload && m->payloadlen > 0)
            in.payload.assign(static_cast<const char*>(m->payload), static_cast<std::size_t>(m->payloadlen));
        in.retained = m->retain;
        char* response = nullptr;
        if (mosquitto_property_read_string(props, MQTT_PROP_RESPONSE_TOPIC, &response, false)) {
            in.responseTopic = response;
            free(response);
        }
        void* correlation = nullptr;
        uint16_t length = 0;
        if (mosquitto_property_read_binary(props, MQTT_PROP_CORRELATION_DATA, &correlation, &length, false)) {
            in.correlation.assign(static_cast<const char*>(correlation), length);
            free(correlation);
        }
        if (link->handlers_.message)
            link->handlers_.message(in);
    }
};

BrokerLink::BrokerLink(BrokerSettings settings, Handlers handlers)
    : settings_(std::move(settings)), handlers_(std::move(handlers))
{
    mosquitto_lib_init();
}

BrokerLink::~BrokerLink()
{
    Unwatch();
    if (client_)
        mosquitto_destroy(client_);
    mosquitto_lib_cleanup();
}

bool BrokerLink::Start(std::string* error)
{
    // A clean start: whatever the broker queued for us while we were away
    // is dropped, never carried out late.
    client_ = mosquitto_new(settings_.clientId.c_str(), true, this);
    if (client_ == nullptr) {
        *error = "cannot make an MQTT client";
        return false;
    }
    mosquitto_int_option(client_, MOSQ_OPT_PROTOCOL_VERSION, MQTT_PROTOCOL_V5);
    mosquitto_connect_v5_callback_set(client_, BrokerCallbacks::Connect);
    mosquitto_disconnect_v5_callback_set(client_, BrokerCallbacks::Disconnect);
    mosquitto_message_v5_callback_set(client_, BrokerCallbacks::Message);
    const Message& will = settings_.will;
    if (mosquitto_will_set_v5(client_, will.topic.c_str(), static_cast<int>(will.payload.size()), will.payload.data(), 1,
                              true, nullptr) != MOSQ_ERR_SUCCESS) {
        *error = "cannot set the will on " + will.topic;
        return false;
    }
    if (!settings_.user.empty() &&
        mosquitto_username_pw_set(client_, settings_.user.c_str(),
                                  settings_.password.empty() ? nullptr : settings_.password.c_str()) != MOSQ_ERR_SUCCESS) {
        *error = "cannot set the user name";
        return false;
    }
    if (settings_.address.tls) {
        const int rc = settings_.cafile.empty()
                           ? mosquitto_tls_set(client_, nullptr, "/etc/ssl/certs", nullptr, nullptr, nullptr)
                           : mosquitto_tls_set(client_, settings_.cafile.c_str(), nullptr, nullptr, nullptr, nullptr);
        if (rc != MOSQ_ERR_SUCCESS) {
            *error = "cannot use TLS with " + (settings_.cafile.empty() ? std::string("/etc/ssl/certs") : settings_.cafile) +
                     ": " + mosquitto_strerror(rc);
            return false;
        }
    }
    Attempt(now_);
    return true;
}

void BrokerLink::Attempt(unsigned nowMs)
{
    Unwatch();
    attemptAt_ = nowMs;
    // The first call keeps the address; later ones reuse it.
    const int rc = std::exchange(addressGiven_, true)
                       ? mosquitto_reconnect_async(client_)
                       : mosquitto_connect_async(client_, settings_.address.host.c_str(), settings_.address.port,
                                                 kKeepAliveSeconds);
    if (rc != MOSQ_ERR_SUCCESS) {
        Lost(rc == MOSQ_ERR_ERRNO ? "cannot connect" : mosquitto_strerror(rc));
        return;
    }
    attempting_ = true;
    Watch();
}

void BrokerLink::Watch()
{
    const int socket = mosquitto_socket(client_);
    if (socket < 0)
        return;
    reading_ = std::make_unique<nimbo::DescriptorWatch>(socket, nimbo::Readiness::Read, [this] { Readable(); });
    writing_ = std::make_unique<nimbo::DescriptorWatch>(socket, nimbo::Readiness::Write, [this] { Writable(); });
}

void BrokerLink::Unwatch()
{
    reading_.reset();
    writing_.reset();
}

void BrokerLink::Readable()
{
    const int rc = mosquitto_loop_read(client_, 1);
    // The library may have told us already, through its disconnect callback.
    if (rc != MOSQ_ERR_SUCCESS && (connected_ || attempting_))
        Lost(mosquitto_strerror(rc));
}

void BrokerLink::Writable()
{
    const int rc = mosquitto_loop_write(client_, 1);
    if (rc != MOSQ_ERR_SUCCESS) {
        if (connected_ || attempting_)
            Lost(mosquitto_strerror(rc));
        return;
    }
    if (writing_ && !mosquitto_want_write(client_))
        writing_->SetEnabled(false);
}

// The library writes what it can as a packet is queued, except inside its
// own callbacks; whatever is left leaves when the socket is ready.
void BrokerLink::WantWrite()
{
    if (writing_ && mosquitto_want_write(client_))
        writing_->SetEnabled(true);
}

void BrokerLink::Accepted(int reason)
{
    if (reason != 0) {
        // Refused (bad user or password, not authorised): said once, retried
        // all the same, as the broker's configuration may be mended.
        Lost(std::string("refused by the broker: ") + mosquitto_reason_string(reason));
        return;
    }
    attempting_ = false;
    connected_ = true;
    toldAway_ = false;
    retryMs_ = kFirstRetryMs;
    if (handlers_.log)
        handlers_.log("connected to " + settings_.address.host + ":" + std::to_string(settings_.address.port));
    // The retain flag is kept as published, so that a retained request is
    // known for one even when it arrives live.
    mosquitto_subscribe_v5(client_, nullptr, settings_.subscription.c_str(), 0, MQTT_SUB_OPT_RETAIN_AS_PUBLISHED,
                           nullptr);
    if (handlers_.connected)
        handlers_.connected();
    WantWrite();
}

void BrokerLink::Dropped(int reason)
{
    if (connected_ || attempting_)
        Lost(reason == 0 ? "disconnected" : mosquitto_reason_string(reason));
}

void BrokerLink::Lost(const std::string& why)
{
    Unwatch();
    const bool wasConnected = connected_;
    connected_ = false;
    attempting_ = false;
    if (handlers_.log && (wasConnected || !toldAway_))
        handlers_.log("broker " + settings_.address.host + ":" + std::to_string(settings_.address.port) +
                      (wasConnected ? " lost: " : " unreachable: ") + why + "; retrying every " +
                      std::to_string(kLongestRetryMs / 1000) + " s at most");
    toldAway_ = true;
    retryAt_ = now_ + retryMs_;
    retryMs_ = std::min(retryMs_ * 2, kLongestRetryMs);
}

void BrokerLink::Tick(unsigned nowMs)
{
    now_ = nowMs;
    if (client_ == nullptr)
        return;
    if (attempting_) {
        if (Due(nowMs, attemptAt_ + kConnackWaitMs))
            Lost("no answer to the connection");
        return;
    }
    if (connected_) {
        // Keepalive pings; a broker that stopped answering them is lost.
        if (mosquitto_loop_misc(client_) != MOSQ_ERR_SUCCESS) {
            Lost("connection lost");
            return;
        }
        WantWrite();
        return;
    }
    if (Due(nowMs, retryAt_))
        Attempt(nowMs);
}

void BrokerLink::Publish(const Message& m)
{
    if (!connected_)
        return;
    const int rc = mosquitto_publish_v5(client_, nullptr, m.topic.c_str(), static_cast<int>(m.payload.size()),
                                        m.payload.data(), 0, m.retain, nullptr);
    if (rc == MOSQ_ERR_NO_CONN || rc == MOSQ_ERR_CONN_LOST) {
        Lost(mosquitto_strerror(rc));
        return;
    }
    WantWrite();
}

void BrokerLink::Respond(const Incoming& request, const std::string& text)
{
    if (!connected_ || request.responseTopic.empty())
        return;
    mosquitto_property* props = nullptr;
    if (!request.correlation.empty())
        mosquitto_property_add_binary(&props, MQTT_PROP_CORRELATION_DATA, request.correlation.data(),
                                      static_cast<uint16_t>(request.correlation.size()));
    mosquitto_publish_v5(client_, nullptr, request.responseTopic.c_str(), static_cast<int>(text.size()), text.data(), 0,
                         false, props);
    mosquitto_property_free_all(&props);
    WantWrite();
}

void BrokerLink::Stop(const Message& last, int ms)
{
    if (!connected_)
        return;
    // Our own disconnection is no loss to report or retry.
    connected_ = false;
    mosquitto_publish_v5(client_, nullptr, last.topic.c_str(), static_cast<int>(last.payload.size()), last.payload.data(),
                         0, last.retain, nullptr);
    mosquitto_disconnect_v5(client_, MQTT_RC_NORMAL_DISCONNECTION, nullptr);
    // Blocking here is fine: the program is ending.
    const int socket = mosquitto_socket(client_);
    Unwatch();
    for (int waited = 0; socket >= 0 && mosquitto_want_write(client_) && waited < ms; waited += 10) {
        pollfd ready{socket, POLLOUT, 0};
        poll(&ready, 1, 10);
        if (mosquitto_loop_write(client_, 1) != MOSQ_ERR_SUCCESS)
            break;
    }
}

}  // namespace gateway
