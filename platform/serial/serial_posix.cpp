// The real line: a termios device reached through the devices folder.
#include "platform/serial_device.h"
#include "platform/serial/serial_speed.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>

namespace {

// The rates termios names with a constant; any other goes through
// SetExactLineSpeed. B0 stands for "none of these".
speed_t ClassicSpeed(DWORD baud)
{
    switch (baud) {
    case 300: return B300;
    case 600: return B600;
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    case 230400: return B230400;
    default: return B0;
    }
}

// What a descriptor answers once its device is gone: a hung-up terminal gives
// EIO, a vanished USB adapter ENXIO or ENODEV.
bool IsGone(int err) { return err == EIO || err == ENXIO || err == ENODEV; }

class PosixSerialDevice final : public nimbo::SerialDevice {
public:
    explicit PosixSerialDevice(int fd) : fd_(fd) {}
    ~PosixSerialDevice() override
    {
        flock(fd_, LOCK_UN);
        ioctl(fd_, TIOCNXCL);
        close(fd_);
    }

    // Raw whatever the rate: a rate the driver refuses must not leave the
    // line in the terminal's cooked mode, where a 0x0A goes out as 0x0D 0x0A.
    bool Configure(const DCB& dcb) override
    {
        termios tio{};
        if (tcgetattr(fd_, &tio) != 0)
            return Failed();
        cfmakeraw(&tio);
        tio.c_iflag &= ~(IXOFF | IXANY);
        // Inert once OPOST is off; cleared so that stty shows no translation left.
        tio.c_oflag &= ~(ONLCR | OCRNL);
        tio.c_cflag |= CLOCAL | CREAD;
        tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS | CIBAUD);
        switch (dcb.ByteSize) {
        case 5: tio.c_cflag |= CS5; break;
        case 6: tio.c_cflag |= CS6; break;
        case 7: tio.c_cflag |= CS7; break;
        default: tio.c_cflag |= CS8; break;
        }
        if (dcb.Parity == ODDPARITY) tio.c_cflag |= PARENB | PARODD;
        if (dcb.Parity == EVENPARITY) tio.c_cflag |= PARENB;
        if (dcb.StopBits == TWOSTOPBITS) tio.c_cflag |= CSTOPB;
        // termios has one output handshake; it follows CTS, and DSR flow is
        // taken as asking for the same.
        if (dcb.fOutxCtsFlow || dcb.fOutxDsrFlow)
            tio.c_cflag |= CRTSCTS;
        if (dcb.fOutX) tio.c_iflag |= IXON;
        if (dcb.fInX) tio.c_iflag |= IXOFF;
        // The descriptor is non-blocking, so an empty line answers EAGAIN;
        // with VMIN 1 a read of nothing is end-of-file, a line that is gone.
        tio.c_cc[VMIN] = 1;
        tio.c_cc[VTIME] = 0;
        speed_t speed = ClassicSpeed(dcb.BaudRate);
        if (speed != B0) {
            cfsetispeed(&tio, speed);
            cfsetospeed(&tio, speed);
        }
        if (tcsetattr(fd_, TCSANOW, &tio) != 0)
            return Failed();
        SetModemLine(TIOCM_DTR, dcb.fDtrControl == DTR_CONTROL_ENABLE);
        SetModemLine(TIOCM_RTS, dcb.fRtsControl == RTS_CONTROL_ENABLE);
        if (speed != B0)
            return true;
        // Rate 0 would mean "hang up" to termios; the line keeps the rate it has.
        if (dcb.BaudRate == 0)
            return false;
        return nimbo::SetExactLineSpeed(fd_, dcb.BaudRate) || Failed();
    }

    void SetWriteTimeout(DWORD milliseconds) override { writeTimeout_ = milliseconds; }

    void Purge(DWORD flags) override
    {
        bool in = flags & (PURGE_RXABORT | PURGE_RXCLEAR);
        bool out = flags & (PURGE_TXABORT | PURGE_TXCLEAR);
        int done = 0;
        if (in && out) done = tcflush(fd_, TCIOFLUSH);
        else if (in) done = tcflush(fd_, TCIFLUSH);
        else if (out) done = tcflush(fd_, TCOFLUSH);
        if (done != 0)
            Failed();
    }

    // The port object asks this before every read, so this is where a line
    // that went quiet because it is gone is told apart from a silent one.
    DWORD Available() override
    {
        if (HungUp())
            return 0;
        int waiting = 0;
        if (ioctl(fd_, FIONREAD, &waiting) != 0) {
            Failed();
            return 0;
        }
        return waiting > 0 ? static_cast<DWORD>(waiting) : 0;
    }

    DWORD Read(void* data, DWORD count) override
    {
        DWORD total = 0;
        auto* bytes = static_cast<unsigned char*>(data);
        while (total < count) {
            ssize_t got = ::read(fd_, bytes + total, count - total);
            if (got > 0) {
                total += static_cast<DWORD>(got);
                continue;
            }
            if (got == 0)
                lost_ = true;
            else if (errno == EINTR)
                continue;
            else if (errno != EAGAIN)
                Failed();
            break;
        }
        return total;
    }

    DWORD Write(const void* data, DWORD count) override
    {
        using Clock = std::chrono::steady_clock;
        auto deadline = Clock::now() + std::chrono::milliseconds(writeTimeout_ ? writeTimeout_ : 1000);
        const auto* bytes = static_cast<const unsigned char*>(data);
        DWORD total = 0;
        while (total < count && !lost_) {
            ssize_t put = ::write(fd_, bytes + total, count - total);
            if (put > 0) {
                total += static_cast<DWORD>(put);
                continue;
            }
            if (put < 0 && errno != EAGAIN && errno != EINTR) {
                Failed();
                break;
            }
            auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
            if (left <= 0)
                break;
            pollfd p{fd_, POLLOUT, 0};
            if (poll(&p, 1, static_cast<int>(left)) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)))
                lost_ = true;
        }
        return total;
    }

    DWORD Unsent() override
    {
        int queued = 0;
        if (ioctl(fd_, TIOCOUTQ, &queued) != 0)
            return 0;
        return queued > 0 ? static_cast<DWORD>(queued) : 0;
    }

    bool Lost() const override { return lost_; }

    int Descriptor() const override { return lost_ ? -1 : fd_; }

private:
    // A pseudo-terminal has no modem lines (ENOTTY); the link works without them.
    void SetModemLine(int line, bool on)
    {
        ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &line);
    }

    // Notes a failed call whose errno says the device is gone; false for the caller to return.
    bool Failed()
    {
        if (IsGone(errno))
            lost_ = true;
        return false;
    }

    // A terminal whose device went away reports a hang-up to poll at once,
    // before any read or write has to fail.
    bool HungUp()
    {
        pollfd p{fd_, 0, 0};
        if (poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)))
            lost_ = true;
        return lost_;
    }

    int fd_;
    DWORD writeTimeout_ = 1000;
    bool lost_ = false;
};

bool IsPortName(const std::string& name, int* number)
{
    if (name.size() < 4 || name.compare(0, 3, "COM") != 0)
        return false;
    char* end = nullptr;
    long n = std::strtol(name.c_str() + 3, &end, 10);
    if (*end != '\0' || n < 1 || n > 9999)
        return false;
    *number = static_cast<int>(n);
    return true;
}

std::string Describe(const std::string& name, const std::string& path, int err)
{
    std::string where = name == path ? path : name + " (" + path + ")";
    switch (err) {
    case ENOENT:
    case ENXIO:
    case ENODEV:
        return where + ": no such device; map it with: ln -s /dev/ttyUSB0 " + nimbo::SerialDevicesFolder() + "/" + name;
    case EACCES:
    case EPERM:
        return where + ": permission denied; add the user to the dialout group (sudo adduser $USER dialout) and log in again";
    case EBUSY:
    case EWOULDBLOCK:
        return where + ": busy, another program holds the line";
    default:
        return where + ": " + std::strerror(err);
    }
}

DWORD ErrorCodeFor(int err)
{
    switch (err) {
    case ENOENT: case ENXIO: case ENODEV: return ERROR_FILE_NOT_FOUND;
    case EACCES: case EPERM: return ERROR_ACCESS_DENIED;
    case EBUSY: case EWOULDBLOCK: return ERROR_SHARING_VIOLATION;
    default: return ERROR_GEN_FAILURE;
    }
}

}  // namespace

std::string nimbo::SerialDevicesFolder()
{
    if (const char* env = std::getenv("NIMBO_DEVICES"); env && *env)
        return env;
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : "/tmp") + "/.config/nimbo/devices";
}

std::string nimbo::ResolveSerialDevicePath(const std::string& name)
{
    int number = 0;
    if (!IsPortName(name, &number))
        return name;
    std::string mapped = SerialDevicesFolder() + "/" + name;
    struct stat st {};
    if (lstat(mapped.c_str(), &st) == 0)
        return mapped;
    return "/dev/ttyS" + std::to_string(number - 1);
}

std::unique_ptr<nimbo::SerialDevice> nimbo::OpenPosixSerial(const std::string& name, DWORD* error,
                                                           std::string* reason)
{
    std::string path = ResolveSerialDevicePath(name);
    int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        int err = errno;
        *error = ErrorCodeFor(err);
        *reason = Describe(name, path, err);
        return nullptr;
    }
    if (!isatty(fd)) {
        close(fd);
        *error = ERROR_FILE_NOT_FOUND;
        *reason = Describe(name, path, ENOTTY);
        return nullptr;
    }
    // TIOCEXCL keeps other users out, but not root; the advisory lock keeps
    // two servers of ours off one line whoever runs them.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0 || ioctl(fd, TIOCEXCL) != 0) {
        int err = errno == EWOULDBLOCK ? EBUSY : errno;
        close(fd);
        *error = ErrorCodeFor(err);
        *reason = Describe(name, path, err);
        return nullptr;
    }
    return std::make_unique<PosixSerialDevice>(fd);
}
