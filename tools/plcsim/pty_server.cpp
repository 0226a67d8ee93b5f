#include "tools/plcsim/pty_server.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <deque>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "tools/plcsim/devices_dir.h"

namespace plcsim {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

// Short enough that Stop is prompt, long enough that an idle line costs nothing.
constexpr int kIdlePollMs = 50;

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

struct Outgoing {
    Clock::time_point due;
    std::vector<std::uint8_t> bytes;
    std::size_t sent = 0;
};

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
    if (linked_) {
        linked_ = false;
        // Another simulator may have taken the name over since; leave its link be.
        std::error_code error;
        if (fs::is_symlink(fs::symlink_status(link_path_, error)) &&
            fs::read_symlink(link_path_, error) == fs::path(slave_path_)) {
            fs::remove(link_path_, error);
        }
    }
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
    const fs::file_status status = fs::symlink_status(link_path_);
    if (fs::is_symlink(status))
        fs::remove(link_path_);
    else if (fs::exists(status))
        throw std::runtime_error(link_path_ + " exists and is not a symlink; not replacing it");
    fs::create_symlink(slave_path_, link_path_);
    linked_ = true;
}

void PtyServer::CloseTerminal()
{
    if (slave_fd_ >= 0)
        close(slave_fd_);
    if (master_fd_ >= 0)
        close(master_fd_);
    slave_fd_ = master_fd_ = -1;
}

void PtyServer::Serve()
{
    std::deque<Outgoing> outgoing;
    bool write_blocked = false;
    std::uint8_t buffer[4096];
    while (!stopping_) {
        pollfd pfd{master_fd_, POLLIN, 0};
        int timeout = kIdlePollMs;
        if (write_blocked) {
            pfd.events |= POLLOUT;
        } else if (!outgoing.empty()) {
            const auto wait = std::chrono::ceil<std::chrono::milliseconds>(outgoing.front().due - Clock::now());
            timeout = static_cast<int>(std::clamp<std::int64_t>(wait.count(), 0, kIdlePollMs));
        }
        if (poll(&pfd, 1, timeout) > 0) {
            if (pfd.revents & POLLOUT)
                write_blocked = false;
            const ssize_t n = (pfd.revents & POLLIN) ? read(master_fd_, buffer, sizeof buffer) : 0;
            if (n > 0) {
                const auto now = Clock::now();
                const auto length = static_cast<std::size_t>(n);
                auto replies = modem_ ? modem_->Feed(buffer, length) : stations_.Feed(buffer, length);
                for (Reply& reply : replies) {
                    // Replies leave in the order their requests came, even
                    // when an earlier one is held back longer.
                    auto due = now + std::chrono::milliseconds(reply.delay_ms);
                    if (!outgoing.empty())
                        due = std::max(due, outgoing.back().due);
                    outgoing.push_back({due, std::move(reply.bytes)});
                }
            } else if ((n < 0 && errno != EAGAIN && errno != EINTR) || (pfd.revents & (POLLHUP | POLLERR))) {
                // Hang-up or error without data: do not spin on it.
                poll(nullptr, 0, 10);
            }
        }

        while (!write_blocked && !outgoing.empty() && outgoing.front().due <= Clock::now()) {
            Outgoing& out = outgoing.front();
            const ssize_t n = write(master_fd_, out.bytes.data() + out.sent, out.bytes.size() - out.sent);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 && errno == EAGAIN) {
                write_blocked = true;  // the client is not reading; wait until it does
                break;
            }
            out.sent = n < 0 ? out.bytes.size() : out.sent + static_cast<std::size_t>(n);
            if (out.sent == out.bytes.size())
                outgoing.pop_front();
        }
    }
}

}  // namespace plcsim
