// The exact rate of a terminal, which tcgetattr cannot tell for a rate
// without a classic constant. Kept apart from <termios.h>, whose structures
// the kernel header behind it redefines.
#pragma once

struct LineSpeeds {
    unsigned in = 0;
    unsigned out = 0;
};

// Zeros when the descriptor is not a terminal.
LineSpeeds ProbeLineSpeeds(int fd);
