// The speed a master program set on its end of the pseudo-terminal, so the
// simulated line can run as fast as the port the master thinks it has.
#pragma once

#include <optional>

namespace plcsim {

// In bits per second; nothing when the terminal will not say, or says 0
// (a hang-up, not a speed). On Linux either end of a pty gives the settings
// of the slave, where the master program sets them.
std::optional<int> ReadLineSpeed(int fd);

}  // namespace plcsim
