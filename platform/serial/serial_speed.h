// Any line rate in bits per second, not only the ones the classic termios
// constants name (a stored form may ask for 14400 or 56000). The kernel
// interface for it redefines the termios structures, so it stays in a file
// of its own behind this one call.
#pragma once

namespace nimbo {

// Sets input and output rate of the terminal fd to baud exactly, leaving every
// other setting alone; false with errno set when the driver refuses.
bool SetExactLineSpeed(int fd, unsigned baud);

}  // namespace nimbo
