// What the numeric display shows: one part of a register as a decimal
// number of a fixed shape, with the unit of measure glued to it. Pure
// functions, so the shape of every mask can be checked without drawing.
#pragma once

#include <cstdint>
#include <string>

constexpr std::int32_t kDisplayMaskCount = 35;
// The part selector's last entry: the whole register, signed.
constexpr std::int32_t kWholeRegister = 6;

struct DisplayMask {
    int integers;
    int decimals;
};

// False for an index outside the table, negative ones included.
bool DisplayMaskAt(std::int32_t index, DisplayMask* mask);
// The mask as the property page lists it, "9999.99"; empty outside the table.
std::string DisplayMaskText(std::int32_t index);
// The part of the raw register the selector picks: bytes and words are
// unsigned, the whole register (6 and every unknown selector) signed.
std::int64_t RegisterPart(std::int32_t raw, std::int32_t part);
// The number alone, exactly the mask's shape; empty outside the table.
std::string FormatDisplayNumber(std::int32_t raw, std::int32_t mask, std::int32_t part);
// The number with the unit after it (align 0) or before it (any other).
std::string FormatDisplayText(std::int32_t raw, std::int32_t mask, std::int32_t part, const std::string& unit,
                              std::int32_t align);
