#include "tools/gateway/gateway_options.h"

#include "tools/common/parse_integer.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace gateway {

const char kGatewayUsage[] =
    "usage: nimbo-gateway FORM.frm [--com N] [broker options] [--writable N:FIRST-LAST]... [--writable-from-form]\n"
    "       nimbo-gateway --com N [--speed B] [--timer MS] --plc N:FIRST-LAST... [broker options] [--writable ...]\n"
    "       nimbo-gateway --config FILE\n"
    "Runs one line's server with no window and publishes it on an MQTT broker:\n"
    "  PREFIX/state            online, or offline (retained; the will)\n"
    "  PREFIX/plc/N/status     ok, dead or off (retained)\n"
    "  PREFIX/plc/N/reg/R      a register's value, decimal (retained)\n"
    "  PREFIX/plc/N/pass       each completed pass as JSON (retained)\n"
    "  PREFIX/stats            counters as JSON, every 5 s\n"
    "A decimal value published on PREFIX/plc/N/reg/R/set is written to the PLC\n"
    "only when the register is writable; a request with a response topic is\n"
    "answered there with 'done VALUE' or 'refused: REASON'.\n"
    "Line: the server FORM.frm declares (--com N overrides its COM), or\n"
    "  --com N --speed B --timer MS --plc N:FIRST-LAST (repeatable).\n"
    "  --fast scans driven by the replies instead of the timer.\n"
    "Broker:\n"
    "  --broker URL            mqtt://HOST[:PORT] (1883) or mqtts://HOST[:PORT] (8883);\n"
    "                          mqtt://localhost by default\n"
    "  --prefix TOPIC          nimbo/COMn by default\n"
    "  --user NAME --password-file FILE   FILE holds the password, readable by its owner only\n"
    "  --cafile FILE           TLS, trusting the certificates in FILE\n"
    "Writes: --writable N:FIRST-LAST (repeatable), --writable-from-form (the\n"
    "registers of the form's buttons); nothing else is writable.\n"
    "--config FILE reads these options from FILE, one or more a line, # comments.\n"
    "SIGTERM or SIGINT publishes offline, closes the port and ends.\n";

std::optional<RegisterRange> ParseRange(const std::string& text)
{
    const std::size_t colon = text.find(':');
    const std::size_t dash = text.find('-', colon == std::string::npos ? 0 : colon + 1);
    if (colon == std::string::npos || dash == std::string::npos)
        return std::nullopt;
    const auto plc = tools::ParseInteger(text.substr(0, colon), kFirstPlc, kLastPlc);
    const auto first = tools::ParseInteger(text.substr(colon + 1, dash - colon - 1), 0, kLastRegister);
    const auto last = tools::ParseInteger(text.substr(dash + 1), 0, kLastRegister);
    if (!plc || !first || !last || *first > *last)
        return std::nullopt;
    return RegisterRange{static_cast<int>(*plc), static_cast<int>(*first), static_cast<int>(*last)};
}

namespace {

bool ReadConfig(const std::string& path, std::vector<std::string>* into, std::string* error)
{
    std::ifstream file(path);
    if (!file) {
        *error = "cannot read " + path;
        return false;
    }
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream words(line);
        std::string word;
        while (words >> word) {
            if (word[0] == '#')
                break;
            into->push_back(word);
        }
    }
    return true;
}

}  // namespace

std::optional<GatewayOptions> ParseGatewayOptions(const std::vector<std::string>& given, std::string* error)
{
    GatewayOptions o;
    std::vector<std::string> args = given;
    auto fail = [error](const std::string& why) -> std::optional<GatewayOptions> {
        *error = why;
        return std::nullopt;
    };
    bool configRead = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string arg = args[i];
        const bool hasValue = i + 1 < args.size();
        auto value = [&]() { return args[++i]; };
        auto number = [&](long long min, long long max) -> std::optional<int> {
            const auto n = tools::ParseInteger(args[i], min, max);
            return n ? std::optional<int>(static_cast<int>(*n)) : std::nullopt;
        };
        if (arg == "--help" || arg == "-h") {
            o.help = true;
            return o;
        } else if (arg == "--writable-from-form") {
            o.writableFromForm = true;
        } else if (arg == "--fast") {
            o.fast = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            static const char* const kTakingValues[] = {"--config", "--com",  "--speed",         "--timer",
                                                        "--plc",    "--writable", "--broker",    "--prefix",
                                                        "--user",   "--password-file", "--cafile"};
            if (std::find(std::begin(kTakingValues), std::end(kTakingValues), arg) == std::end(kTakingValues))
                return fail("unknown option " + arg);
            if (!hasValue)
                return fail("missing value after " + arg);
            const std::string v = value();
            if (arg == "--config") {
                // One file: a file naming another would be a loop to guard.
                if (configRead)
                    return fail("one --config only");
                configRead = true;
                std::vector<std::string> more;
                if (!ReadConfig(v, &more, error))
                    return std::nullopt;
                args.insert(args.begin() + static_cast<long>(i) + 1, more.begin(), more.end());
            } else if (arg == "--com" || arg == "--speed" || arg == "--timer") {
                const auto n = arg == "--com" ? number(1, 255) : arg == "--speed" ? number(110, 4000000) : number(1, 60000);
                if (!n)
                    return fail("bad value for " + arg + ": " + v);
                (arg == "--com" ? o.com : arg == "--speed" ? o.speed : o.timerMs) = *n;
            } else if (arg == "--plc" || arg == "--writable") {
                const auto range = ParseRange(v);
                if (!range)
                    return fail("bad value for " + arg + ": " + v + " (N:FIRST-LAST, PLC 1 to 32, registers 0 to 31999)");
                (arg == "--plc" ? o.plcs : o.writable).push_back(*range);
            } else if (arg == "--broker") {
                const auto broker = nimbo::ParseMqttUrl(v);
                if (!broker)
                    return fail("bad broker address " + v + " (mqtt://HOST[:PORT] or mqtts://HOST[:PORT])");
                o.broker = *broker;
            } else if (arg == "--prefix") {
                if (v.empty() || v.find_first_of("#+") != std::string::npos || v.front() == '/' || v.back() == '/')
                    return fail("bad topic prefix " + v + " (no wildcards, no leading or trailing /)");
                o.prefix = v;
            } else if (arg == "--user") {
                o.user = v;
            } else if (arg == "--password-file") {
                o.passwordFile = v;
            } else {
                o.cafile = v;
            }
        } else if (o.form.empty()) {
            o.form = arg;
        } else {
            return fail("one form at a time: " + arg);
        }
    }
    if (!o.form.empty() && (o.speed || o.timerMs || !o.plcs.empty()))
        return fail("a form declares its line: only --com may be given with it");
    if (o.form.empty() && (!o.com || o.plcs.empty()))
        return fail("no line: give a form file, or --com N and at least one --plc N:FIRST-LAST");
    if (o.form.empty() && o.writableFromForm)
        return fail("--writable-from-form needs a form file");
    for (std::size_t a = 0; a < o.plcs.size(); ++a)
        for (std::size_t b = a + 1; b < o.plcs.size(); ++b)
            if (o.plcs[a].plc == o.plcs[b].plc)
                return fail("PLC " + std::to_string(o.plcs[a].plc) + " given twice with --plc");
    if (!o.passwordFile.empty() && o.user.empty())
        return fail("--password-file needs --user");
    // The broker address may come after --cafile; TLS stays asked for.
    if (!o.cafile.empty())
        o.broker.tls = true;
    return o;
}

}  // namespace gateway
