// A Hayes-style modem in front of the stations, so a master that dials
// before it polls can be run against the simulator. The line starts in
// command mode:
//   - bytes gather into lines ended by CR, LF or CR LF; echo is off;
//   - a line starting with AT (any case) answers "OK\r\n", one starting
//     with ATD dials: "CONNECT <speed>\r\n" and data mode;
//   - any other line answers "ERROR\r\n"; an empty line answers nothing,
//     as a modem ignores a bare line end.
// In data mode bytes go to the stations untouched. One read that is "+++" or
// "AT++" alone (a line end after it allowed) is the escape, unless a frame
// is half collected: "OK\r\n" and back to command mode.
// Every command line and answer goes to the stations' request log.
// No I/O and no clock of its own: the line thread feeds it.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/plcsim/modem_faults.h"
#include "tools/plcsim/station_set.h"

namespace plcsim {

class AtModem {
public:
    // speed is only what CONNECT reports; the line keeps the speed the
    // master set on its port.
    // The stations must outlive the modem.
    explicit AtModem(StationSet& stations, int speed = 9600, ModemFaults faults = {});

    // Takes one read from the line, as it arrived, and returns what goes
    // back, in order; an answer held back carries its delay.
    std::vector<Reply> Feed(const std::uint8_t* data, std::size_t n,
                            std::chrono::system_clock::time_point now = std::chrono::system_clock::now());

    bool InDataMode() const { return data_mode_; }

private:
    void EndLine(std::vector<Reply>& out, std::chrono::system_clock::time_point now);
    void Dial(LogEntry entry, std::vector<Reply>& out, std::chrono::system_clock::time_point now);
    void Escape(std::string text, std::vector<Reply>& out, std::chrono::system_clock::time_point now);
    void Answer(std::vector<Reply>& out, std::chrono::system_clock::time_point now, std::string text,
                int delay_ms = 0);

    StationSet& stations_;
    const int speed_;
    const ModemFaults faults_;
    bool data_mode_ = false;
    std::string line_;
    bool line_too_long_ = false;
    bool after_cr_ = false;  // so the LF of a CR LF does not end an empty line
};

}  // namespace plcsim
