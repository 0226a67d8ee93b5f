#include "tools/plcsim/random_faults.h"

namespace plcsim {

RandomFaultPicker::RandomFaultPicker(RandomFaultRate rate) : one_in_(rate.one_in), random_(rate.seed) {}

std::optional<RandomFault> RandomFaultPicker::Next()
{
    if (one_in_ <= 0)
        return std::nullopt;
    // Plain remainders rather than std distributions, whose output may differ
    // between standard libraries: a seed must replay the same run anywhere.
    if (random_() % static_cast<std::uint32_t>(one_in_) != 0)
        return std::nullopt;
    return static_cast<RandomFault>(random_() % kRandomFaultKinds);
}

Faults AsFaults(RandomFault fault)
{
    switch (fault) {
    case RandomFault::BadChecksum: return {.bad_checksum = true};
    case RandomFault::WrongStation: return {.wrong_station = true};
    case RandomFault::Truncated: return {.truncated = true};
    case RandomFault::Garbage: return {.garbage = true};
    case RandomFault::Silent: return {.silent = true};
    case RandomFault::Delay: return {.delay_ms = kRandomDelayMs};
    }
    return {};
}

}  // namespace plcsim
