// Command line of the line poller.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct PollOptions {
    int com = 0;
    int speed = 115200;
    int timerMs = 100;
    int plc = 0;
    int rangeFirst = 0;
    int rangeLast = -1;
    int passes = 1;
    bool write = false;
    int writeRegister = 0;
    std::int32_t writeValue = 0;
    bool help = false;  // --help: print the usage, nothing else
};

// The highest PLC the port object writes to; reading goes one further.
constexpr int kLastWritablePlc = 31;

// Parses argv; on failure returns nothing and says why in *error.
std::optional<PollOptions> ParsePollOptions(int argc, char** argv, std::string* error);

extern const char* const kPollUsage;
