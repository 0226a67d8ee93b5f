#include "tools/plcsim/pty_server.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "tools/plcsim/devices_dir.h"
#include "tools/plcsim/line_pacer.h"
#include "tools/plcsim/line_speed.h"

namespace plcsim {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

// Short enough that Stop is prompt, long enough that an idle line costs nothing.
constexpr auto kIdlePoll = std::chrono::milliseconds(50);

// The commonest speed of such lines, for a terminal that will not tell its own.
constexpr int kUnknownSpeedBaud = 9600;

[[noreturn]] void ThrowErrno(const std::string& what)
{
    throw std::system_error(errno, std::generic_category(), what);
}

void MakeRaw(int fd, const std::string& what)
{
    termios tio{};
    if (tcgetattr(fd, &tio) != 0)
        ThrowErrno("tcgetattr " + what);
    cfmakeraw(&tio);
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    if (tcsetattr(fd, TCSANOW, &tio) != 0)
        ThrowErrno("tcsetattr " + what);
}

timespec ToTimespec(Clock::duration wait)
{
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(wait).count();
    return {static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
}

}  // namespace

PtyServer::PtyServer(StationSet& stations, int com, std::string devices_dir, AtModem* modem)
    : stations_(stations),
      modem_(modem),
      devices_dir_(devices_dir.empty() ? DefaultDevicesDir() : std::move(devices_dir))
{
    link_path_ = (fs::path(devices_dir_) / ("COM" + std::to_string(com))).string();
}

PtyServer::~PtyServer()
{
    try {
        Stop();
    } catch (...) {
        // A link we cannot remove must not take the process down on exit.
    }
}

void PtyServer::Start()
{
    if (thread_.joinable())
        throw std::logic_error("PtyServer already started");
    try {
        OpenTerminal();
        MakeLink();
    } catch (...) {
        CloseTerminal();
        throw;
    }
    stopping_ = false;
    thread_ = std::thread([this] { Serve(); });
}

void PtyServer::Stop()
{
    stopping_ = true;
    if (thread_.joinable())
        thread_.join();
    claim_.Release();
    CloseTerminal();
}

void PtyServer::OpenTerminal()
{
    master_fd_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_fd_ < 0)
        ThrowErrno("posix_openpt");
    if (grantpt(master_fd_) != 0 || unlockpt(master_fd_) != 0)
        ThrowErrno("grantpt/unlockpt");
    char name[256];
    if (ptsname_r(master_fd_, name, sizeof name) != 0)
        ThrowErrno("ptsname");
    slave_path_ = name;
    MakeRaw(master_fd_, "pty master");

    slave_fd_ = open(slave_path_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_fd_ < 0)
        ThrowErrno("open " + slave_path_);
    MakeRaw(slave_fd_, slave_path_);

    const int flags = fcntl(master_fd_, F_GETFL);
    if (flags < 0 || fcntl(master_fd_, F_SETFL, flags | O_NONBLOCK) != 0)
        ThrowErrno("fcntl pty master");
}

void PtyServer::MakeLink()
{
    fs::create_directories(devices_dir_);
    claim_.Take(link_path_, slave_path_);
}

void PtyServer::CloseTerminal()
{
    if (slave_fd_ >= 0)
        close(slave_fd_);
    if (master_fd_ >= 0)
        close(master_fd_);
    slave_fd_ = master_fd_ = -1;
}

// Read before every batch of replies: the master may change its port's
// speed at any time, and the call costs one ioctl.
int PtyServer::PacingSpeed()
{
    if (!timing_.paced)
        return 0;
    int speed = timing_.baud;
    std::string note;
    if (speed == 0) {
        const auto read = ReadLineSpeed(slave_fd_);
        speed = read.value_or(kUnknownSpeedBaud);
        if (!read)
            note = ", the terminal's speed could not be read";
    }
    note = std::to_string(speed) + " bit/s" + note;
    if (note != speed_note_) {
        LogEntry entry;
        entry.when = std::chrono::system_clock::now();
        entry.kind = RequestKind::Line;
        entry.text = note;
        entry.answered = true;
        stations_.Log().Record(std::move(entry));
        speed_note_ = std::move(note);
    }
    return speed;
}

void PtyServer::Serve()
{
    LinePacer line(timing_.paced ? std::chrono::milliseconds(timing_.turnaround_ms) : Clock::duration{});
    bool write_blocked = false;
    std::uint8_t buffer[4096];
    while (!stopping_) {
        pollfd pfd{master_fd_, POLLIN, 0};
        Clock::duration wait = kIdlePoll;
        if (write_blocked)
            pfd.events |= POLLOUT;
        else if (!line.Idle())
            wait = std::clamp<Clock::duration>(line.NextDue() - Clock::now(), Clock::duration{}, kIdlePoll);
        // Finer than poll's milliseconds: at 115200 bit/s a byte takes 87 us.
        const timespec timeout = ToTimespec(wait);
        if (ppoll(&pfd, 1, &timeout, nullptr) > 0) {
            if (pfd.revents & POLLOUT)
                write_blocked = false;
            const ssize_t n = (pfd.revents & POLLIN) ? read(master_fd_, buffer, sizeof buffer) : 0;
            if (n > 0) {
                const auto now = Clock::now();
                const auto length = static_cast<std::size_t>(n);
                auto replies = modem_ ? modem_->Feed(buffer, length) : stations_.Feed(buffer, length);
                const int speed = replies.empty() ? 0 : PacingSpeed();
                for (Reply& reply : replies)
                    line.Queue(now, std::move(reply), speed);
            } else if ((n < 0 && errno != EAGAIN && errno != EINTR) || (pfd.revents & (POLLHUP | POLLERR))) {
                // Hang-up or error without data: do not spin on it.
                poll(nullptr, 0, 10);
            }
        }

        while (!write_blocked) {
            const auto due = line.Due(Clock::now());
            if (due.empty())
                break;
            const ssize_t n = write(master_fd_, due.data(), due.size());
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 && errno == EAGAIN) {
                write_blocked = true;  // the client is not reading; wait until it does
                break;
            }
            line.Sent(n < 0 ? due.size() : static_cast<std::size_t>(n));
        }
    }
}

}  // namespace plcsim
