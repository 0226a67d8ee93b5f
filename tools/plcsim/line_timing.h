// How the simulated line keeps time, as the command line or an in-process
// user sets it.
#pragma once

namespace plcsim {

struct LineTiming {
    bool paced = true;      // false: replies go out at once, faster than any wire
    int baud = 0;           // 0: the speed the master set on the terminal
    int turnaround_ms = 2;  // from the end of a request to the first byte of its reply
};

}  // namespace plcsim
