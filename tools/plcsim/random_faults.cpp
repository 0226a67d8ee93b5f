#include "tools/plcsim/random_faults.h"

namespace plcsim {

RandomFaultPicker::RandomFaultPicker(RandomFaultRate rate) : one_in_(rate.one_in), only_(rate.only), random_(rate.seed) {}

std::optional<RandomFault> RandomFaultPicker::Next()
{
    if (one_in_ <= 0)
        return std::nullopt;
    // Plain remainders rather than std distributions, whose output may differ
    // between standard libraries: a seed must replay the same run anywhere.
    if (random_() % static_cast<std::uint32_t>(one_in_) != 0)
        return std::nullopt;
    const auto kind = static_cast<RandomFault>(random_() % kRandomFaultKinds);
    return only_ ? *only_ : kind;
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

std::optional<RandomFault> RandomFaultNamed(std::string_view name)
{
    for (int k = 0; k < kRandomFaultKinds; ++k) {
        const auto kind = static_cast<RandomFault>(k);
        if (DescribeFaults(AsFaults(kind)) == name)
            return kind;
    }
    return std::nullopt;
}

}  // namespace plcsim
