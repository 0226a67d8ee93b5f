// The ways the simulated modem can misbehave, so a master's dialing can be
// tried against the answers that should not count as a connection.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace plcsim {

struct ModemFaults {
    bool silent = false;        // answers nothing at all, so nothing ever connects
    bool bare_connect = false;  // dialing answers "CONNECT" without a speed
    bool no_carrier = false;    // dialing answers "NO CARRIER"
    int split_ms = 0;           // 0 = off; else the dial answer's tail comes this much later

    bool operator==(const ModemFaults&) const = default;
};

// The dial answer's first this many characters go at once when it is split:
// "CONN", then "ECT 9600\r\n".
inline constexpr std::size_t kSplitHead = 4;

// How long a bare "split" holds the tail back: past the one second in which
// a master polling once a second looks for its answer.
inline constexpr int kDefaultSplitMs = 1200;

// One fault in its command-line form ("silent", "split", "split=300"...)
// switched on in faults; false when the word is not a modem fault we know.
bool ApplyModemFaultWord(std::string_view word, ModemFaults& faults);

// All faults switched on, in the same form joined by commas; "" for none.
std::string DescribeModemFaults(const ModemFaults& faults);

}  // namespace plcsim
