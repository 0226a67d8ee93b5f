#include "tools/plcsim/faults.h"

#include "tools/common/parse_integer.h"

namespace plcsim {

namespace {

// Longer than any master would wait; anything above is a typing slip.
constexpr long long kMaxDelayMs = 60'000;
constexpr long long kMaxBlocksPerPass = 65536 / 16;

struct Flag {
    const char* word;
    bool Faults::*member;
};

constexpr Flag kFlags[] = {
    {"silent", &Faults::silent},
    {"badsum", &Faults::bad_checksum},
    {"wrongstation", &Faults::wrong_station},
    {"truncated", &Faults::truncated},
    {"nozero", &Faults::no_leading_zero},
    {"garbage", &Faults::garbage},
    {"writezero", &Faults::zero_before_write},
};

}  // namespace

bool ApplyFaultWord(std::string_view word, Faults& faults)
{
    for (const Flag& flag : kFlags) {
        if (word == flag.word) {
            faults.*flag.member = true;
            return true;
        }
    }
    const auto equals = word.find('=');
    if (equals == std::string_view::npos)
        return false;
    const std::string_view name = word.substr(0, equals);
    const std::string_view number = word.substr(equals + 1);
    if (name == "delay") {
        const auto ms = tools::ParseInteger(number, 0, kMaxDelayMs);
        if (!ms)
            return false;
        faults.delay_ms = static_cast<int>(*ms);
        return true;
    }
    if (name == "endpass") {
        const auto blocks = tools::ParseInteger(number, 1, kMaxBlocksPerPass);
        if (!blocks)
            return false;
        faults.end_of_pass_after = static_cast<int>(*blocks);
        return true;
    }
    return false;
}

std::string DescribeFaults(const Faults& faults)
{
    std::string text;
    const auto add = [&text](const std::string& word) {
        if (!text.empty())
            text += ',';
        text += word;
    };
    for (const Flag& flag : kFlags) {
        if (faults.*flag.member)
            add(flag.word);
    }
    if (faults.delay_ms > 0)
        add("delay=" + std::to_string(faults.delay_ms));
    if (faults.end_of_pass_after > 0)
        add("endpass=" + std::to_string(faults.end_of_pass_after));
    return text;
}

}  // namespace plcsim
