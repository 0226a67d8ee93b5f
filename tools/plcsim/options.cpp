#include "tools/plcsim/options.h"

#include <algorithm>
#include <iterator>
#include <cstdint>
#include <stdexcept>
#include <string_view>

#include "tools/common/parse_integer.h"

namespace plcsim {

namespace {

[[noreturn]] void Fail(const std::string& message)
{
    throw std::invalid_argument(message);
}

long long Number(std::string_view text, long long min, long long max, std::string_view what)
{
    const auto value = tools::ParseInteger(text, min, max);
    if (!value) {
        Fail(std::string(what) + " must be a number from " + std::to_string(min) + " to " +
             std::to_string(max) + ", not '" + std::string(text) + "'");
    }
    return *value;
}

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    for (;;) {
        const auto at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos)
            return parts;
        text.remove_prefix(at + 1);
    }
}

int StationNumber(std::string_view text)
{
    return static_cast<int>(Number(text, 1, 255, "station"));
}

int Register(std::string_view text)
{
    return static_cast<int>(Number(text, 0, 65535, "register"));
}

StationOption ParseStation(std::string_view text)
{
    const auto parts = Split(text, ',');
    StationOption station;
    station.number = StationNumber(parts[0]);
    for (std::size_t i = 1; i < parts.size(); ++i) {
        if (!ApplyFaultWord(parts[i], station.faults))
            Fail("unknown station fault '" + std::string(parts[i]) + "'");
    }
    return station;
}

// SPEED[,fault...]. The answers to a dial are alternatives, so only one
// of the faults that choose it may be given.
ModemOption ParseModem(std::string_view text)
{
    const auto parts = Split(text, ',');
    ModemOption modem;
    modem.speed = static_cast<int>(Number(parts[0], 50, 4000000, "modem speed"));
    for (std::size_t i = 1; i < parts.size(); ++i) {
        if (!ApplyModemFaultWord(parts[i], modem.faults))
            Fail("unknown modem fault '" + std::string(parts[i]) + "'");
    }
    const ModemFaults& f = modem.faults;
    if (int{f.silent} + int{f.bare_connect} + int{f.no_carrier} > 1)
        Fail("modem faults silent, bareconnect and nocarrier exclude each other");
    return modem;
}

// S:R=V
PresetOption ParsePreset(std::string_view text)
{
    const auto colon = text.find(':');
    const auto equals = text.find('=');
    if (colon == std::string_view::npos || equals == std::string_view::npos || equals < colon)
        Fail("--set wants STATION:REGISTER=VALUE, not '" + std::string(text) + "'");
    return {StationNumber(text.substr(0, colon)), Register(text.substr(colon + 1, equals - colon - 1)),
            static_cast<std::int32_t>(static_cast<std::uint32_t>(
                Number(text.substr(equals + 1), INT32_MIN, UINT32_MAX, "value")))};
}

// S:R:A:B, the shape shared by --counter and --blink.
std::vector<std::string_view> FourFields(std::string_view text, std::string_view option,
                                         std::string_view shape)
{
    auto fields = Split(text, ':');
    if (fields.size() != 4)
        Fail(std::string(option) + " wants " + std::string(shape) + ", not '" + std::string(text) + "'");
    return fields;
}

// Every option but the flags (--help, --no-pacing) takes a value; a name not
// here is refused before its would-be value is read.
constexpr std::string_view kValueOptions[] = {
    "--com", "--devices", "--station", "--set", "--counter", "--blink", "--modem",
    "--baud", "--turnaround", "--random-faults", "--live", "--log", "--duration",
};

constexpr long long kMaxPeriodMs = 24LL * 3600 * 1000;
constexpr long long kMaxTurnaroundMs = 10'000;

// N[,seed=S]
void ParseRandomFaults(std::string_view text, Options& options)
{
    const auto parts = Split(text, ',');
    options.random_one_in = static_cast<int>(Number(parts[0], 1, 1'000'000, "--random-faults"));
    for (std::size_t i = 1; i < parts.size(); ++i) {
        if (!parts[i].starts_with("seed="))
            Fail("--random-faults wants N[,seed=S], not '" + std::string(text) + "'");
        options.random_seed = static_cast<std::uint32_t>(Number(parts[i].substr(5), 0, UINT32_MAX, "seed"));
    }
}

}  // namespace

Options ParseCommandLine(const std::vector<std::string>& args)
{
    Options options;
    bool com_given = false;
    bool timing_given = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::string value;
        bool has_value = false;
        if (const auto equals = name.find('='); name.starts_with("--") && equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
            has_value = true;
        }
        if (name == "--help" || name == "-h") {
            options.help = true;
            return options;
        }
        if (name == "--no-pacing") {
            if (has_value)
                Fail("--no-pacing takes no value");
            options.timing.paced = false;
            continue;
        }
        if (std::find(std::begin(kValueOptions), std::end(kValueOptions), name) == std::end(kValueOptions))
            Fail(name.starts_with("-") ? "unknown option " + name : "unexpected '" + name + "'");
        if (!has_value) {
            if (i + 1 >= args.size())
                Fail(name + " needs a value");
            value = args[++i];
        }

        if (name == "--com") {
            options.com = static_cast<int>(Number(value, 1, 999, "--com"));
            com_given = true;
        } else if (name == "--devices") {
            options.devices_dir = value;
        } else if (name == "--station") {
            options.stations.push_back(ParseStation(value));
        } else if (name == "--set") {
            options.presets.push_back(ParsePreset(value));
        } else if (name == "--counter") {
            const auto f = FourFields(value, name, "STATION:REGISTER:STEP:PERIOD_MS");
            options.counters.push_back({StationNumber(f[0]), Register(f[1]),
                                        static_cast<std::int32_t>(Number(f[2], INT32_MIN, INT32_MAX, "step")),
                                        static_cast<int>(Number(f[3], 1, kMaxPeriodMs, "period"))});
        } else if (name == "--blink") {
            const auto f = FourFields(value, name, "STATION:REGISTER:BIT:PERIOD_MS");
            options.blinks.push_back({StationNumber(f[0]), Register(f[1]),
                                      static_cast<int>(Number(f[2], 0, 31, "bit")),
                                      static_cast<int>(Number(f[3], 1, kMaxPeriodMs, "period"))});
        } else if (name == "--modem") {
            if (options.modem)
                Fail("--modem given twice");
            options.modem = ParseModem(value);
        } else if (name == "--baud") {
            options.timing.baud = static_cast<int>(Number(value, 50, 4000000, "--baud"));
            timing_given = true;
        } else if (name == "--turnaround") {
            options.timing.turnaround_ms = static_cast<int>(Number(value, 0, kMaxTurnaroundMs, "--turnaround"));
            timing_given = true;
        } else if (name == "--random-faults") {
            ParseRandomFaults(value, options);
        } else if (name == "--live") {
            options.live = value;
        } else if (name == "--log") {
            options.log_file = value;
        } else if (name == "--duration") {
            options.duration_s = static_cast<double>(Number(value, 1, 7 * 24 * 3600, "--duration"));
        }
    }

    if (!com_given)
        Fail("--com N is required");
    if (!options.timing.paced && timing_given)
        Fail("--no-pacing leaves no line time for --baud or --turnaround");
    if (options.stations.empty())
        options.stations.push_back({});

    std::vector<int> numbers;
    for (const StationOption& station : options.stations) {
        if (std::find(numbers.begin(), numbers.end(), station.number) != numbers.end())
            Fail("station " + std::to_string(station.number) + " given twice");
        numbers.push_back(station.number);
    }
    const auto need = [&numbers](int station, const char* option) {
        if (std::find(numbers.begin(), numbers.end(), station) == numbers.end())
            Fail(std::string(option) + " names station " + std::to_string(station) + ", which is not simulated");
    };
    for (const auto& preset : options.presets)
        need(preset.station, "--set");
    for (const auto& counter : options.counters)
        need(counter.station, "--counter");
    for (const auto& blink : options.blinks)
        need(blink.station, "--blink");
    return options;
}

std::string UsageText()
{
    return "usage: plcsim --com N [--devices DIR] [--station S[,fault...]]... [--set S:R=V]...\n"
           "              [--counter S:R:STEP:PERIOD_MS]... [--blink S:R:BIT:PERIOD_MS]...\n"
           "              [--modem SPEED[,fault...]] [--live NAME] [--log FILE] [--duration SEC]\n"
           "              [--baud N] [--turnaround MS] [--no-pacing] [--random-faults N[,seed=S]]\n"
           "\n"
           "Simulates PLC stations on a pseudo-terminal linked as COM<N> in the devices\n"
           "folder ($NIMBO_DEVICES, else ~/.config/nimbo/devices). Without --station,\n"
           "station 1 is simulated. COM<N>.plcsim beside the link records the running\n"
           "plcsim; a COM another running plcsim serves is refused, and so is any entry\n"
           "other than a link a plcsim that died left behind, which is removed.\n"
           "SIGTERM, SIGINT and SIGHUP stop it and remove the link. SIGUSR1 makes every\nstation fall silent, as a pulled cable would; SIGUSR2 lets them answer again.\n"
           "\n"
           "station faults: silent badsum wrongstation truncated nozero garbage writezero\n"
           "                delay=MS endpass=BLOCKS\n"
           "values: decimal or 0x hex, may be negative\n"
           "--blink toggles the bit every PERIOD_MS; --counter adds STEP every PERIOD_MS\n"
           "\n"
           "Replies take the time a serial line would: 10 bits a byte at the speed the\n"
           "master set on its port (9600 when it cannot be read), or at --baud N; the\n"
           "first byte goes --turnaround MS (2) after the request, and a reply due while\n"
           "another is going out follows it. --no-pacing sends replies at once.\n"
           "--random-faults N puts one fault picked at random (badsum, wrongstation,\n"
           "truncated, garbage, silent or delay=150) into about one exchange in N, the\n"
           "same ones again with the same seed=S; the log names each.\n"
           "\n"
           "--modem puts a Hayes AT modem in front of the stations. The line starts in\n"
           "command mode: lines end in CR, LF or CR LF, no echo; AT... answers OK,\n"
           "ATD... answers CONNECT SPEED and passes later bytes to the stations; other\n"
           "lines answer ERROR, empty ones nothing. A read of +++ or AT++ alone, not\n"
           "inside a frame, answers OK and returns to command mode.\n"
           "modem faults: silent (answers nothing)  bareconnect (CONNECT without speed,\n"
           "              stays in command mode)  nocarrier (NO CARRIER to a dial)\n"
           "              split[=MS] (dial answer's first 4 characters, the rest MS\n"
           "              later; 1200 without MS)\n";
}

}  // namespace plcsim
