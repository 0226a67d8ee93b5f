// The stations sharing one simulated line. Bytes the master sends go in,
// the stations' answers come out, with each station's faults applied.
// Feed belongs to one thread (the line's); stations and the log may be
// used from any thread.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "tools/plcsim/frame_scanner.h"
#include "tools/plcsim/random_faults.h"
#include "tools/plcsim/request_log.h"
#include "tools/plcsim/station.h"

namespace plcsim {

struct Reply {
    int delay_ms = 0;  // how long to hold the bytes before they go out
    std::vector<std::uint8_t> bytes;
};

class StationSet {
public:
    // Station numbers are 1..255; adding one twice throws std::invalid_argument.
    Station& Add(std::uint8_t number, Faults faults = {});
    Station* Find(int number);
    std::vector<int> Numbers() const;

    // Takes whatever the line delivered, however split, and returns the
    // replies owed for every request it completed, in order.
    std::vector<Reply> Feed(const std::uint8_t* data, std::size_t n);

    // True while the start of a request frame waits for the rest of it.
    bool CollectingFrame() const { return scanner_.Buffered() > 0; }

    // About one exchange in rate.one_in (0: none) gets a fault picked at
    // random on top of its station's own, named in the log entry. A silent
    // one is a request lost on the line: nothing stored, nothing answered.
    // Set it before the line is served.
    void SetRandomFaults(RandomFaultRate rate) { random_faults_ = RandomFaultPicker(rate); }

    RequestLog& Log() { return log_; }

private:
    std::optional<Reply> Answer(const ScannedFrame& frame);
    std::optional<Reply> AnswerRequest(Station& station, const Faults& faults, LogEntry& entry,
                                       const std::vector<std::uint8_t>& frame);

    std::array<std::unique_ptr<Station>, 256> stations_;
    FrameScanner scanner_;
    RequestLog log_;
    RandomFaultPicker random_faults_;
};

}  // namespace plcsim
