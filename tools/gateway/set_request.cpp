#include "tools/gateway/set_request.h"

#include <charconv>

namespace gateway {
namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A topic level of plain digits, no sign and no leading zero (so that one
// register has one topic), small enough to be a PLC or register number.
std::optional<int> Number(std::string_view level)
{
    if (level.empty() || level.size() > 6 || (level.size() > 1 && level[0] == '0'))
        return std::nullopt;
    int n = 0;
    for (char c : level) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

// Takes the next level off `rest`; false when `rest` is empty.
bool NextLevel(std::string_view& rest, std::string_view* level)
{
    if (rest.empty())
        return false;
    const std::size_t slash = rest.find('/');
    *level = rest.substr(0, slash);
    rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
    return true;
}

}  // namespace

const char* RefusalText(Refusal why)
{
    switch (why) {
    case Refusal::None:
        return "";
    case Refusal::NotASetTopic:
        return "not a set topic";
    case Refusal::NoSuchPlc:
        return "no such PLC (1 to 32)";
    case Refusal::NoSuchRegister:
        return "no such register (0 to 31999)";
    case Refusal::NotWritable:
        return "register not writable";
    case Refusal::NotAValue:
        return "not a 32-bit decimal integer";
    case Refusal::PayloadTooLong:
        return "payload too long";
    case Refusal::Retained:
        return "retained set message";
    }
    return "refused";
}

std::optional<std::int32_t> ParseDecimal32(std::string_view text)
{
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty() || text.front() == '-' || text.front() == '+')
            return std::nullopt;
    }
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

SetVerdict JudgeSetRequest(std::string_view prefix, std::string_view topic, std::string_view payload, bool retained,
                           const std::vector<RegisterRange>& writable)
{
    SetVerdict v;
    auto refuse = [&v](Refusal why) {
        v.refusal = why;
        return v;
    };
    if (prefix.empty() || topic.size() <= prefix.size() || topic.substr(0, prefix.size()) != prefix ||
        topic[prefix.size()] != '/')
        return refuse(Refusal::NotASetTopic);
    std::string_view rest = topic.substr(prefix.size() + 1);
    std::string_view plcWord, plcLevel, regWord, regLevel, setWord;
    if (!NextLevel(rest, &plcWord) || !NextLevel(rest, &plcLevel) || !NextLevel(rest, &regWord) ||
        !NextLevel(rest, &regLevel) || !NextLevel(rest, &setWord) || !rest.empty() || plcWord != "plc" ||
        regWord != "reg" || setWord != "set")
        return refuse(Refusal::NotASetTopic);
    // A retained request would fire again at every reconnection: it is
    // refused whatever it asks.
    if (retained)
        return refuse(Refusal::Retained);
    const auto plc = Number(plcLevel);
    if (!plc || *plc < kFirstPlc || *plc > kLastPlc)
        return refuse(Refusal::NoSuchPlc);
    const auto reg = Number(regLevel);
    if (!reg || *reg > kLastRegister)
        return refuse(Refusal::NoSuchRegister);
    if (payload.size() > kLongestPayload)
        return refuse(Refusal::PayloadTooLong);
    const auto value = ParseDecimal32(payload);
    if (!value)
        return refuse(Refusal::NotAValue);
    bool allowed = false;
    for (const RegisterRange& range : writable)
        allowed = allowed || range.Holds(*plc, *reg);
    if (!allowed)
        return refuse(Refusal::NotWritable);
    v.request = {*plc, *reg, *value};
    return v;
}

}  // namespace gateway
