// The ways a simulated station can misbehave, so the master's error paths
// can be exercised without broken hardware. Faults combine freely.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace plcsim {

struct Faults {
    // Behaves as if unplugged: no answer, and writes are not stored either.
    bool silent = false;
    bool bad_checksum = false;       // reply checksum off by one
    bool wrong_station = false;      // replies carry station + 1
    bool truncated = false;          // only the first half of each reply goes out
    int delay_ms = 0;                // wait before a reply goes out
    bool no_leading_zero = false;    // read-block replies lack the 0x00 lead byte
    bool garbage = false;            // noise bytes ahead of every reply
    bool zero_before_write = false;  // write echoes get a 0x00 lead byte too
    int end_of_pass_after = 0;       // 0 = never; else K blocks then end-of-pass

    bool operator==(const Faults&) const = default;
};

// The noise sent ahead of a reply when Faults::garbage is set.
inline constexpr std::uint8_t kGarbageBytes[] = {0x55, 0xAA, 0x13};

// One fault in its command-line form ("silent", "delay=150", "endpass=3"...)
// switched on in faults; false when the word is not a fault we know.
bool ApplyFaultWord(std::string_view word, Faults& faults);

// All faults switched on, in the same form joined by commas; "" for none.
std::string DescribeFaults(const Faults& faults);

}  // namespace plcsim
