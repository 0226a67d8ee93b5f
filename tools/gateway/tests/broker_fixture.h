// A real MQTT broker for the tests and benchmarks: Debian's mosquitto,
// started here on a free loopback port with a configuration of our own
// (never the system's service), and a subscriber that records what it hears.
#pragma once

#include "tools/tests/xdisplay/child_process.h"

#include <mosquitto.h>
#include <mqtt_protocol.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace brokertest {

constexpr char kMosquitto[] = "/usr/sbin/mosquitto";

// Waits for `done` in short turns, up to `seconds`.
inline bool Eventually(const std::function<bool()>& done, double seconds = 20)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

inline int FreePort()
{
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof a;
    int port = 0;
    if (bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        getsockname(s, reinterpret_cast<sockaddr*>(&a), &length) == 0)
        port = ntohs(a.sin_port);
    close(s);
    return port;
}

inline bool Listening(int port)
{
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<uint16_t>(port));
    const bool ok = connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    close(s);
    return ok;
}

class Broker {
public:
    // `extra` goes into the configuration as it is (password file, ACL).
    bool Start(const std::string& folder, const std::string& extra = "allow_anonymous true\n")
    {
        if (port_ == 0)
            port_ = FreePort();
        const std::string conf = folder + "/mosquitto.conf";
        std::ofstream(conf) << "listener " << port_ << " 127.0.0.1\npersistence false\n" << extra;
        return process_.Start(kMosquitto, {"-c", conf}, folder + "/mosquitto.out") &&
               Eventually([this] { return Listening(port_); }, 10);
    }
    void Stop() { process_.Stop(); }
    int Port() const { return port_; }
    std::string Url() const { return "mqtt://127.0.0.1:" + std::to_string(port_); }

private:
    int port_ = 0;
    xtest::ChildProcess process_;
};

struct Heard {
    std::string topic;
    std::string payload;
    bool retained;
    std::chrono::steady_clock::time_point when;
};

// An MQTT 5 client on its own thread, as any tool of the plant would be.
class Client {
public:
    explicit Client(int port, const std::string& id = "")
    {
        mosquitto_lib_init();
        client_ = mosquitto_new(id.empty() ? nullptr : id.c_str(), true, this);
        mosquitto_int_option(client_, MOSQ_OPT_PROTOCOL_VERSION, MQTT_PROTOCOL_V5);
        // A broker that restarts forgets the subscriptions: they are made
        // again on every connection.
        mosquitto_connect_v5_callback_set(client_, [](mosquitto* m, void* self, int rc, int, const mosquitto_property*) {
            auto* c = static_cast<Client*>(self);
            c->connected_ = rc == 0;
            std::lock_guard<std::mutex> lock(c->mutex_);
            for (const std::string& pattern : c->subscriptions_)
                mosquitto_subscribe_v5(m, nullptr, pattern.c_str(), 0, 0, nullptr);
        });
        mosquitto_message_v5_callback_set(
            client_, [](mosquitto*, void* self, const mosquitto_message* m, const mosquitto_property*) {
                auto* c = static_cast<Client*>(self);
                brokertest::Heard heard{m->topic,
                                        std::string(static_cast<const char*>(m->payload),
                                                    static_cast<std::size_t>(m->payloadlen)),
                                        m->retain, std::chrono::steady_clock::now()};
                std::lock_guard<std::mutex> lock(c->mutex_);
                if (c->listener_)
                    c->listener_(heard);
                else
                    c->heard_.push_back(std::move(heard));
            });
        mosquitto_connect(client_, "127.0.0.1", port, 10);
        mosquitto_loop_start(client_);
        Eventually([this] { return connected_.load(); }, 10);
    }
    ~Client()
    {
        mosquitto_disconnect(client_);
        mosquitto_loop_stop(client_, true);
        mosquitto_destroy(client_);
        mosquitto_lib_cleanup();
    }
    bool Connected() const { return connected_; }
    // Hands each message to `listener` (on the client's thread) instead of
    // keeping it: for runs too long to keep everything.
    void Listen(std::function<void(const brokertest::Heard&)> listener)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        listener_ = std::move(listener);
    }

    void Subscribe(const std::string& pattern)
    {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            subscriptions_.push_back(pattern);
        }
        mosquitto_subscribe_v5(client_, nullptr, pattern.c_str(), 0, 0, nullptr);
    }
    void Publish(const std::string& topic, const std::string& payload, bool retain = false,
                 const std::string& responseTopic = "")
    {
        mosquitto_property* props = nullptr;
        if (!responseTopic.empty())
            mosquitto_property_add_string(&props, MQTT_PROP_RESPONSE_TOPIC, responseTopic.c_str());
        mosquitto_publish_v5(client_, nullptr, topic.c_str(), static_cast<int>(payload.size()), payload.data(), 1,
                             retain, props);
        mosquitto_property_free_all(&props);
    }

    std::vector<brokertest::Heard> All() const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return heard_;
    }
    // The payloads heard on `topic`, in order.
    std::vector<std::string> On(const std::string& topic) const
    {
        std::vector<std::string> out;
        for (const auto& h : All())
            if (h.topic == topic)
                out.push_back(h.payload);
        return out;
    }
    std::string Last(const std::string& topic) const
    {
        const auto all = On(topic);
        return all.empty() ? "" : all.back();
    }
    bool Awaits(const std::string& topic, const std::string& payload, double seconds = 20) const
    {
        return Eventually([&] { return Last(topic) == payload; }, seconds);
    }
    void Forget()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        heard_.clear();
    }

private:
    mosquitto* client_ = nullptr;
    std::atomic<bool> connected_{false};
    mutable std::mutex mutex_;
    std::vector<brokertest::Heard> heard_;
    std::function<void(const brokertest::Heard&)> listener_;
    std::vector<std::string> subscriptions_;
};

}  // namespace brokertest
