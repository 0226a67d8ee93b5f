#include "tools/plcsim/tests/termios2_setter.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace plcsim::test {

bool SetArbitrarySpeed(int fd, int bits_per_second)
{
    termios2 tio{};
    if (ioctl(fd, TCGETS2, &tio) != 0)
        return false;
    tio.c_cflag = (tio.c_cflag & ~CBAUD) | BOTHER;
    tio.c_ospeed = tio.c_ispeed = static_cast<speed_t>(bits_per_second);
    return ioctl(fd, TCSETS2, &tio) == 0;
}

}  // namespace plcsim::test
