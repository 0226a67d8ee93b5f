// Broker addresses as people write them, and the program's login.
#include "platform/mqtt.h"

#include <charconv>
#include <utility>

namespace nimbo {

namespace {
MqttLogin& Login()
{
    static MqttLogin login;
    return login;
}
}  // namespace

void SetDefaultMqttLogin(MqttLogin login)
{
    Login() = std::move(login);
}

const MqttLogin& DefaultMqttLogin()
{
    return Login();
}

std::optional<MqttAddress> ParseMqttUrl(const std::string& url, std::string* rest)
{
    MqttAddress a;
    std::string address;
    if (url.rfind("mqtt://", 0) == 0) {
        address = url.substr(7);
    } else if (url.rfind("mqtts://", 0) == 0) {
        address = url.substr(8);
        a.tls = true;
        a.port = 8883;
    } else {
        return std::nullopt;
    }
    const std::size_t slash = address.find('/');
    if (slash != std::string::npos) {
        std::string after = address.substr(slash + 1);
        address.resize(slash);
        if (rest)
            *rest = after;
        else if (!after.empty())
            return std::nullopt;
    } else if (rest) {
        rest->clear();
    }
    const std::size_t colon = address.rfind(':');
    // An IPv6 address is written in brackets; its colons are not a port's.
    if (colon != std::string::npos && address.find(']', colon) == std::string::npos) {
        const std::string digits = address.substr(colon + 1);
        int port = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), port);
        if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || port < 1 || port > 65535)
            return std::nullopt;
        a.port = port;
        address.resize(colon);
    }
    if (address.size() > 2 && address.front() == '[' && address.back() == ']')
        address = address.substr(1, address.size() - 2);
    if (address.empty() || address.find_first_of("/?#@ []") != std::string::npos)
        return std::nullopt;
    a.host = address;
    return a;
}

}  // namespace nimbo
