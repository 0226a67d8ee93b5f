#include "platform/serial/tests/serial_pty_speed.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

LineSpeeds ProbeLineSpeeds(int fd)
{
    termios2 tio{};
    if (ioctl(fd, TCGETS2, &tio) != 0)
        return {};
    return {tio.c_ispeed, tio.c_ospeed};
}
