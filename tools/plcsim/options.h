// The plcsim command line, parsed and checked before anything is opened so
// a typing slip never leaves a half-made device link behind.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/plcsim/faults.h"
#include "tools/plcsim/line_timing.h"
#include "tools/plcsim/modem_faults.h"

namespace plcsim {

struct StationOption {
    int number = 1;
    Faults faults;
};

struct PresetOption {
    int station = 0;
    int reg = 0;
    std::int32_t value = 0;
};

struct CounterOption {
    int station = 0;
    int reg = 0;
    std::int32_t step = 1;
    int period_ms = 1000;
};

struct BlinkOption {
    int station = 0;
    int reg = 0;
    int bit = 0;
    int period_ms = 1000;
};

struct ModemOption {
    int speed = 9600;  // what CONNECT reports
    ModemFaults faults;
};

struct Options {
    int com = 0;
    std::string devices_dir;  // empty: the usual place
    std::vector<StationOption> stations;  // never empty once parsed
    std::vector<PresetOption> presets;
    std::vector<CounterOption> counters;
    std::vector<BlinkOption> blinks;
    std::optional<ModemOption> modem;  // set: the line starts in command mode
    LineTiming timing;
    int random_one_in = 0;  // 0: no faults at random
    std::optional<std::uint32_t> random_seed;  // none: a fresh one every run
    std::string live;
    std::string log_file;  // empty: stderr
    double duration_s = 0;  // 0: until a signal
    bool help = false;
};

// args without the program name. Throws std::invalid_argument with a
// message fit for the user.
Options ParseCommandLine(const std::vector<std::string>& args);

std::string UsageText();

}  // namespace plcsim
