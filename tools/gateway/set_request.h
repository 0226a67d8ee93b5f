// Writes asked by the plant: PREFIX/plc/N/reg/R/set with a decimal value.
// Everything here is checked before anything reaches the line, and a
// refusal says why in words a person reads in the gateway's log or on the
// asker's response topic.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gateway {

// Registers of one PLC, both ends included.
struct RegisterRange {
    int plc = 0;
    int first = 0;
    int last = 0;
    bool Holds(int p, int reg) const { return p == plc && reg >= first && reg <= last; }
};

// The PLCs and registers a write may name at all; the line carries 16-bit
// register numbers, and the station's registers end below that.
constexpr int kFirstPlc = 1;
constexpr int kLastPlc = 32;
constexpr int kLastRegister = 31999;
// A value is at most "-2147483648" with some blank around it.
constexpr std::size_t kLongestPayload = 32;

enum class Refusal {
    None,
    NotASetTopic,  // not PREFIX/plc/N/reg/R/set at all
    NoSuchPlc,
    NoSuchRegister,
    NotWritable,
    NotAValue,
    PayloadTooLong,
    Retained,
};

// The words a refusal is answered and logged with.
const char* RefusalText(Refusal why);

struct SetRequest {
    int plc = 0;
    int reg = 0;
    std::int32_t value = 0;
};

struct SetVerdict {
    Refusal refusal = Refusal::None;
    SetRequest request;  // meaningful when refusal is None
};

// Reads a message that arrived on a set topic under `prefix` and decides.
SetVerdict JudgeSetRequest(std::string_view prefix, std::string_view topic, std::string_view payload, bool retained,
                           const std::vector<RegisterRange>& writable);

// A 32-bit decimal integer with an optional sign, blanks around it allowed;
// nothing for anything else (hex, fractions, out of range, stray text).
std::optional<std::int32_t> ParseDecimal32(std::string_view text);

}  // namespace gateway
