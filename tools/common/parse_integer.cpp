#include "tools/common/parse_integer.h"

#include <charconv>

namespace tools {

std::optional<long long> ParseInteger(std::string_view text, long long min, long long max)
{
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    // A second sign after the first would otherwise be accepted by from_chars.
    if (text.empty() || text[0] == '-' || text[0] == '+')
        return std::nullopt;
    unsigned long long magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    // Every range asked for is far inside long long; this only keeps the
    // negation below defined.
    if (magnitude > (1ULL << 62))
        return std::nullopt;
    const long long value = negative ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude);
    if (value < min || value > max)
        return std::nullopt;
    return value;
}

}  // namespace tools
