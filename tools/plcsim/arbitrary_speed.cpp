#include "tools/plcsim/arbitrary_speed.h"

#if defined(__linux__)
#include <asm/termbits.h>
#include <sys/ioctl.h>
#endif

namespace plcsim {

std::optional<int> ReadArbitrarySpeed(int fd)
{
#if defined(__linux__) && defined(TCGETS2)
    termios2 tio{};
    if (ioctl(fd, TCGETS2, &tio) != 0 || tio.c_ospeed == 0)
        return std::nullopt;
    return static_cast<int>(tio.c_ospeed);
#else
    return std::nullopt;
#endif
}

}  // namespace plcsim
