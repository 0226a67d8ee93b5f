// nimbo-gateway's command line, and the configuration file a service
// instance reads it from.
#pragma once

#include "tools/gateway/set_request.h"

#include <optional>
#include <string>
#include <vector>

namespace gateway {

struct BrokerAddress {
    std::string host;
    int port = 1883;
    bool tls = false;  // mqtts://, or a CA file given
};

struct GatewayOptions {
    bool help = false;
    // The line: a form's declared server, or the options below.
    std::string form;
    std::optional<int> com;
    std::optional<int> speed;
    std::optional<int> timerMs;
    std::vector<RegisterRange> plcs;
    bool fast = false;

    BrokerAddress broker{"localhost", 1883, false};
    std::string prefix;  // nimbo/COMn unless given
    std::string user;
    std::string passwordFile;
    std::string cafile;

    std::vector<RegisterRange> writable;
    bool writableFromForm = false;
};

extern const char kGatewayUsage[];

// Nothing, with the reason, for anything wrong. `--config FILE` reads
// further options from FILE: one or more per line, blank lines and lines
// starting with # skipped.
std::optional<GatewayOptions> ParseGatewayOptions(const std::vector<std::string>& args, std::string* error);

// mqtt://HOST[:PORT] or mqtts://HOST[:PORT]; nothing when it is neither.
std::optional<BrokerAddress> ParseBrokerUrl(const std::string& url);

// N:FIRST-LAST, a PLC and a range of its registers; N alone is not enough.
std::optional<RegisterRange> ParseRange(const std::string& text);

}  // namespace gateway
