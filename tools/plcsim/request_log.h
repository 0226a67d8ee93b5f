// What the simulated line has heard, for the person debugging a master:
// every request frame, understood or not, and what became of it; behind a
// modem also every command line and answer.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace plcsim {

// Line: not a request but what the line itself has to say, e.g. its speed.
enum class RequestKind { Other, ReadBlock, WriteRegister, WriteBlock, ModemCommand, ModemAnswer, Line };

struct LogEntry {
    std::chrono::system_clock::time_point when;
    int station = -1;  // -1 when the frame was too broken to tell
    int command = -1;
    RequestKind kind = RequestKind::Other;
    int reg = -1;
    std::vector<std::int32_t> values;
    std::string text;  // a modem command line or answer, as on the line; a line note
    bool answered = false;
    // Why it was ignored, or what was special about the answer.
    std::string note;
    // The fault put into this exchange at random, as a station fault word
    // ("badsum", "delay=150"...); empty for none.
    std::string injected;
};

// One line, e.g. "12:03:04.567 st=1 write reg=301 value=50",
// "12:03:04.567 modem -> \"OK\\r\\n\"" or "12:03:04.567 line: 9600 bit/s",
// local time.
std::string FormatEntry(const LogEntry& entry);

class RequestLog {
public:
    // Old entries go once this many are kept, so long runs stay bounded.
    explicit RequestLog(std::size_t capacity = 10000);

    void Record(LogEntry entry);
    std::vector<LogEntry> Entries() const;
    void Clear();

    // Called on the recording thread for each new entry, under the log's
    // lock so lines come out in order; it must not call back into the log.
    void SetListener(std::function<void(const LogEntry&)> listener);

private:
    const std::size_t capacity_;
    mutable std::mutex mutex_;
    std::deque<LogEntry> entries_;
    std::function<void(const LogEntry&)> listener_;
};

}  // namespace plcsim
