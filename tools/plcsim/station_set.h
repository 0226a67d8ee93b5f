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

    RequestLog& Log() { return log_; }

private:
    std::optional<Reply> Answer(const ScannedFrame& frame);
    std::optional<Reply> AnswerRequest(Station& station, LogEntry& entry,
                                       const std::vector<std::uint8_t>& frame);

    std::array<std::unique_ptr<Station>, 256> stations_;
    FrameScanner scanner_;
    RequestLog log_;
};

}  // namespace plcsim
