// Faults that strike now and then instead of on every reply, as noise on a
// real line does, so a master's recovery can be measured over long runs.
// The same seed gives the same faults on the same exchanges.
#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string_view>

#include "tools/plcsim/faults.h"

namespace plcsim {

enum class RandomFault { BadChecksum, WrongStation, Truncated, Garbage, Silent, Delay };
inline constexpr int kRandomFaultKinds = 6;

// Past the tick of a master polling every 100 ms or faster, so the reply
// comes when the master has already given up on it.
inline constexpr int kRandomDelayMs = 150;

struct RandomFaultRate {
    int one_in = 0;  // 0: never; else about one exchange in this many
    std::uint32_t seed = 0;
    std::optional<RandomFault> only = std::nullopt;  // every fault of this kind; else any kind
};

class RandomFaultPicker {
public:
    explicit RandomFaultPicker(RandomFaultRate rate = {});

    // Asked once per exchange: the fault to put into it, if any.
    std::optional<RandomFault> Next();

private:
    int one_in_;
    std::optional<RandomFault> only_;
    std::mt19937 random_;
};

// The fault as station faults, for the usual reply shaping to apply; its
// DescribeFaults form is the fault's name in the log.
Faults AsFaults(RandomFault fault);

// The kind whose DescribeFaults name is `name` ("badsum", "delay=150", ...).
std::optional<RandomFault> RandomFaultNamed(std::string_view name);

}  // namespace plcsim
