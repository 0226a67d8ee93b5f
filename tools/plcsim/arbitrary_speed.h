// Speeds set as plain numbers (Linux BOTHER with termios2) rather than as
// one of the classic termios codes. Its own file: the kernel header that
// declares termios2 cannot be included together with <termios.h>.
#pragma once

#include <optional>

namespace plcsim {

// The output speed in bits per second; nothing where the interface is
// missing or the terminal will not say.
std::optional<int> ReadArbitrarySpeed(int fd);

}  // namespace plcsim
