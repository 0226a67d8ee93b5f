#include "clients/edit/edit_value_text.h"

#include <cstdio>

bool DisplayMaskAt(std::int32_t index, DisplayMask* mask)
{
    if (static_cast<std::uint32_t>(index) >= static_cast<std::uint32_t>(kDisplayMaskCount))
        return false;
    // Four runs, one per number of decimals; the decimal runs start with no
    // integer digit at all, the plain run with two.
    if (index <= 8)
        *mask = DisplayMask{index + 2, 0};
    else if (index <= 17)
        *mask = DisplayMask{index - 8, 1};
    else if (index <= 26)
        *mask = DisplayMask{index - 18, 2};
    else
        *mask = DisplayMask{index - 27, 3};
    return true;
}

std::string DisplayMaskText(std::int32_t index)
{
    DisplayMask m{};
    if (!DisplayMaskAt(index, &m))
        return {};
    std::string text(static_cast<std::size_t>(m.integers), '9');
    if (m.decimals > 0)
        text += "." + std::string(static_cast<std::size_t>(m.decimals), '9');
    return text;
}

std::int64_t RegisterPart(std::int32_t raw, std::int32_t part)
{
    const auto bits = static_cast<std::uint32_t>(raw);
    switch (part) {
    case 0: return bits & 0xFFu;
    case 1: return (bits >> 8) & 0xFFu;
    case 2: return (bits >> 16) & 0xFFu;
    case 3: return bits >> 24;
    case 4: return bits & 0xFFFFu;
    case 5: return bits >> 16;
    default: return raw;
    }
}

std::string FormatDisplayNumber(std::int32_t raw, std::int32_t mask, std::int32_t part)
{
    DisplayMask m{};
    if (!DisplayMaskAt(mask, &m))
        return {};
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%010lld", static_cast<long long>(RegisterPart(raw, part)));
    std::string field = buffer;
    // A whole register of -1,000,000,000 or less needs eleven characters.
    // Its top digit gives way rather than its sign: read without the sign,
    // a large negative would pass for a large positive.
    constexpr std::size_t kPositions = 10;
    if (field.size() > kPositions)
        field.erase(1, field.size() - kPositions);
    // Digits are counted from the end of the field, so the narrower masks
    // drop the sign of any negative along with the digits above them.
    const std::size_t end = field.size();
    const std::size_t n = static_cast<std::size_t>(m.integers), d = static_cast<std::size_t>(m.decimals);
    const std::string integers = field.substr(end - d - n, n);
    const std::string decimals = field.substr(end - d, d);
    if (d == 0)
        return integers;
    return (n == 0 ? std::string("0") : integers) + "." + decimals;
}

std::string FormatDisplayText(std::int32_t raw, std::int32_t mask, std::int32_t part, const std::string& unit,
                              std::int32_t align)
{
    const std::string number = FormatDisplayNumber(raw, mask, part);
    return align == 0 ? number + unit : unit + number;
}
