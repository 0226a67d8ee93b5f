// Sets a speed as a plain number, the way a master asks for a rate that has
// no classic termios code. Apart because its kernel header clashes with
// <termios.h>.
#pragma once

namespace plcsim::test {

bool SetArbitrarySpeed(int fd, int bits_per_second);

}  // namespace plcsim::test
