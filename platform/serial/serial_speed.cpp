// Linux takes an arbitrary rate through termios2 with BOTHER. Its header
// clashes with <termios.h>, which is why nothing else is included here.
#include "platform/serial/serial_speed.h"

#include <cerrno>

#if defined(__linux__)
#include <asm/termbits.h>
#include <sys/ioctl.h>
#endif

bool nimbo::SetExactLineSpeed(int fd, unsigned baud)
{
#if defined(__linux__)
    termios2 tio{};
    if (ioctl(fd, TCGETS2, &tio) != 0)
        return false;
    // No input rate of its own (CIBAUD zero): input follows output, so a later
    // classic rate set through <termios.h> moves both again.
    tio.c_cflag &= ~(CBAUD | CIBAUD);
    tio.c_cflag |= BOTHER;
    tio.c_ispeed = baud;
    tio.c_ospeed = baud;
    return ioctl(fd, TCSETS2, &tio) == 0;
#else
    (void)fd;
    (void)baud;
    errno = EINVAL;
    return false;
#endif
}
