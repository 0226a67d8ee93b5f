// The sending side of a serial line. Replies queue as they would on a wire
// and leave one byte at a time, 10 bits a byte (start, 8 data, stop), so a
// master sees them arrive no sooner than a real line would deliver them.
// No I/O and no clock of its own: the line thread asks what is due and
// writes it.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <span>
#include <vector>

#include "tools/plcsim/station_set.h"

namespace plcsim {

class LinePacer {
public:
    using Clock = std::chrono::steady_clock;

    explicit LinePacer(Clock::duration turnaround = {});

    // The reply to a request that ended at request_end, at bits_per_second
    // (0: all its bytes at once). It starts after the turnaround and its own
    // delay, and never before the reply ahead of it has left.
    void Queue(Clock::time_point request_end, Reply reply, int bits_per_second);

    bool Idle() const { return queue_.empty(); }
    // When the next byte may go out; only while not Idle.
    Clock::time_point NextDue() const;
    // The bytes of the reply in front that may have gone out by now.
    std::span<const std::uint8_t> Due(Clock::time_point now) const;
    // The first n of them went out.
    void Sent(std::size_t n);

private:
    struct Outgoing {
        Clock::time_point start;
        int bits_per_second;
        std::vector<std::uint8_t> bytes;
        std::size_t sent = 0;
    };

    const Clock::duration turnaround_;
    std::deque<Outgoing> queue_;
    Clock::time_point line_free_;
};

}  // namespace plcsim
