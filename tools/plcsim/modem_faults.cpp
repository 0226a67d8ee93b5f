#include "tools/plcsim/modem_faults.h"

#include "tools/common/parse_integer.h"

namespace plcsim {

namespace {

// Longer than any master would wait for a dial answer.
constexpr long long kMaxSplitMs = 60'000;

struct Flag {
    const char* word;
    bool ModemFaults::*member;
};

constexpr Flag kFlags[] = {
    {"silent", &ModemFaults::silent},
    {"bareconnect", &ModemFaults::bare_connect},
    {"nocarrier", &ModemFaults::no_carrier},
};

}  // namespace

bool ApplyModemFaultWord(std::string_view word, ModemFaults& faults)
{
    for (const Flag& flag : kFlags) {
        if (word == flag.word) {
            faults.*flag.member = true;
            return true;
        }
    }
    if (word == "split") {
        faults.split_ms = kDefaultSplitMs;
        return true;
    }
    if (!word.starts_with("split="))
        return false;
    const auto ms = tools::ParseInteger(word.substr(6), 1, kMaxSplitMs);
    if (!ms)
        return false;
    faults.split_ms = static_cast<int>(*ms);
    return true;
}

std::string DescribeModemFaults(const ModemFaults& faults)
{
    std::string text;
    for (const Flag& flag : kFlags) {
        if (faults.*flag.member)
            text += (text.empty() ? "" : ",") + std::string(flag.word);
    }
    if (faults.split_ms > 0)
        text += (text.empty() ? "split=" : ",split=") + std::to_string(faults.split_ms);
    return text;
}

}  // namespace plcsim
