// nimbo-gateway's command line, and the configuration file a service
// instance reads it from.
#pragma once

#include "platform/mqtt.h"
#include "tools/gateway/set_request.h"

#include <optional>
#include <string>
#include <vector>

namespace gateway {

struct GatewayOptions {
    bool help = false;
    // The line: a form's declared server, or the options below.
    std::string form;
    std::optional<int> com;
    std::optional<int> speed;
    std::optional<int> timerMs;
    std::vector<RegisterRange> plcs;
    bool fast = false;

    nimbo::MqttAddress broker{"localhost", 1883, false};  // tls: mqtts://, or a CA file given
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

// N:FIRST-LAST, a PLC and a range of its registers; N alone is not enough.
std::optional<RegisterRange> ParseRange(const std::string& text);

}  // namespace gateway
