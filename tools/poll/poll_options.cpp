#include "tools/poll/poll_options.h"

#include "tools/common/parse_integer.h"

#include <algorithm>
#include <iterator>
#include <string_view>

const char* const kPollUsage =
    "usage: nimbo-poll --com N [--speed B] [--timer MS] --plc P --range A:B [--passes K]\n"
    "       nimbo-poll --com N [--speed B] --plc P --write R=V    (P up to 31)\n"
    "Reads registers A to B of PLC P after K complete passes (1) and prints\n"
    "\"register value\" lines, or writes one register and prints the echo.\n"
    "Exit status 0, 1 when the PLC does not answer, 2 for a bad port or arguments.\n";

namespace {

bool ParseLong(const std::string& text, long long low, long long high, long long* out)
{
    const auto v = tools::ParseInteger(text, low, high);
    if (v)
        *out = *v;
    return v.has_value();
}

bool ParsePair(const std::string& text, char sep, long long lowA, long long highA, long long lowB, long long highB,
               long long* a, long long* b)
{
    std::size_t at = text.find(sep);
    return at != std::string::npos && ParseLong(text.substr(0, at), lowA, highA, a) &&
           ParseLong(text.substr(at + 1), lowB, highB, b);
}

}  // namespace

std::optional<PollOptions> ParsePollOptions(int argc, char** argv, std::string* error)
{
    PollOptions o;
    bool haveRange = false;
    static constexpr std::string_view kOptions[] = {"--com",    "--speed", "--timer", "--plc",
                                                    "--passes", "--range", "--write"};
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            o.help = true;
            return o;
        }
        const bool known = std::find(std::begin(kOptions), std::end(kOptions), arg) != std::end(kOptions);
        if (!known && arg.size() > 1 && arg[0] == '-') {
            *error = "unknown option " + arg;
            return std::nullopt;
        }
        if (i + 1 >= argc) {
            *error = "missing value after " + arg;
            return std::nullopt;
        }
        std::string value = argv[++i];
        long long v = 0, w = 0;
        if (arg == "--com" && ParseLong(value, 1, 255, &v)) {
            o.com = static_cast<int>(v);
        } else if (arg == "--speed" && ParseLong(value, 50, 4000000, &v)) {
            o.speed = static_cast<int>(v);
        } else if (arg == "--timer" && ParseLong(value, 6, 99999, &v)) {
            o.timerMs = static_cast<int>(v);
        } else if (arg == "--plc" && ParseLong(value, 1, 32, &v)) {
            o.plc = static_cast<int>(v);
        } else if (arg == "--passes" && ParseLong(value, 1, 1000000, &v)) {
            o.passes = static_cast<int>(v);
        } else if (arg == "--range" && ParsePair(value, ':', 0, 65535, 0, 65535, &v, &w)) {
            o.rangeFirst = static_cast<int>(v < w ? v : w);
            o.rangeLast = static_cast<int>(v < w ? w : v);
            haveRange = true;
        } else if (arg == "--write" && ParsePair(value, '=', 0, 65535, INT32_MIN, UINT32_MAX, &v, &w)) {
            o.write = true;
            o.writeRegister = static_cast<int>(v);
            o.writeValue = static_cast<std::int32_t>(static_cast<std::uint32_t>(w));
        } else {
            *error = "bad argument: " + arg + " " + value;
            return std::nullopt;
        }
    }
    if (o.com == 0 || o.plc == 0) {
        *error = "--com and --plc are required";
        return std::nullopt;
    }
    if (haveRange == o.write) {
        *error = "give either --range A:B or --write R=V";
        return std::nullopt;
    }
    // The scan covers PLCs 1 to 32, but the port object's register writes
    // address 1 to 31 only: a write to 32 would send nothing at all.
    if (o.write && o.plc > kLastWritablePlc) {
        *error = "--write reaches PLCs 1 to " + std::to_string(kLastWritablePlc) +
                 " only: nothing would be sent to PLC " + std::to_string(o.plc) + " (--range can read it)";
        return std::nullopt;
    }
    return o;
}
