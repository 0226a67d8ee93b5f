// Pseudo-terminals standing in for the device on the line, a devices folder
// that maps COMn to them, and the calls the port object makes to open a port.
#pragma once

#include "platform/serial.h"
#include "platform/serial_device.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

using Bytes = std::vector<unsigned char>;

// Bytes that cross the line never take longer than this, even on a loaded
// machine; tests wait this long only when something is already wrong.
constexpr auto kArrival = std::chrono::seconds(5);

// A pseudo-terminal as the kernel makes it: in cooked mode. The test keeps
// its own descriptor on the device side (slaveFd) to look at its settings.
class Pty {
public:
    Pty()
    {
        master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        char name[128];
        if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0 ||
            ptsname_r(master_, name, sizeof name) != 0)
            return;
        slave_ = name;
        slaveFd_ = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    }
    ~Pty()
    {
        if (slaveFd_ >= 0)
            close(slaveFd_);
        CloseMaster();
    }
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    bool Ok() const { return master_ >= 0 && slaveFd_ >= 0; }
    const std::string& Slave() const { return slave_; }
    int SlaveFd() const { return slaveFd_; }

    // The device goes away: the device side is hung up.
    void CloseMaster()
    {
        if (master_ >= 0)
            close(master_);
        master_ = -1;
    }

    // What the handle wrote: up to count bytes, as they arrived.
    Bytes Receive(std::size_t count)
    {
        Bytes got;
        auto deadline = std::chrono::steady_clock::now() + kArrival;
        while (got.size() < count) {
            auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline -
                                                                              std::chrono::steady_clock::now());
            pollfd p{master_, POLLIN, 0};
            if (left.count() <= 0 || poll(&p, 1, static_cast<int>(left.count())) <= 0)
                break;
            unsigned char buf[64];
            ssize_t n = read(master_, buf, std::min(sizeof buf, count - got.size()));
            if (n <= 0)
                break;
            got.insert(got.end(), buf, buf + n);
        }
        return got;
    }

    bool Send(const Bytes& bytes) { return write(master_, bytes.data(), bytes.size()) == ssize_t(bytes.size()); }

private:
    int master_ = -1;
    int slaveFd_ = -1;
    std::string slave_;
};

// A devices folder of the test's own, where COMn entries are symlinks.
class TempDevices {
public:
    TempDevices()
    {
        char pattern[] = "/tmp/nimbo-serial-XXXXXX";
        if (mkdtemp(pattern))
            folder_ = pattern;
        setenv("NIMBO_DEVICES", folder_.c_str(), 1);
    }
    ~TempDevices()
    {
        unsetenv("NIMBO_DEVICES");
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    TempDevices(const TempDevices&) = delete;
    TempDevices& operator=(const TempDevices&) = delete;

    const std::string& Folder() const { return folder_; }

    // Points COMn at target, replacing what it pointed at.
    void Map(int com, const std::string& target)
    {
        std::string link = folder_ + "/COM" + std::to_string(com);
        std::error_code ignored;
        std::filesystem::remove(link, ignored);
        std::filesystem::create_symlink(target, link);
    }

private:
    std::string folder_;
};

// The calls the port object makes to open its port, with its line settings.
inline HANDLE OpenLikeThePortObject(int com, DWORD baud)
{
    std::string name = "COM" + std::to_string(com);
    HANDLE port = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_FLAG_OVERLAPPED | FILE_ATTRIBUTE_NORMAL, nullptr);
    if (port == INVALID_HANDLE_VALUE)
        return port;
    SetCommMask(port, EV_RXCHAR);
    SetupComm(port, 4096, 4096);
    PurgeComm(port, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);
    COMMTIMEOUTS timeouts{0xFFFFFFFFu, 0, 1000, 0, 1000};
    SetCommTimeouts(port, &timeouts);
    DCB dcb{};
    std::string settings = name + " : baud=" + std::to_string(baud) + " parity=N data=8 stop=1 ";
    BuildCommDCBA(settings.c_str(), &dcb);
    dcb.fBinary = 1;
    dcb.fParity = 0;
    SetCommState(port, &dcb);
    return port;
}

// What the line delivered to the handle, taken as the port object takes it:
// once the waiting count covers it.
inline Bytes ReadFromHandle(HANDLE port, DWORD count)
{
    auto deadline = std::chrono::steady_clock::now() + kArrival;
    for (;;) {
        DWORD errors = 0;
        COMSTAT status{};
        ClearCommError(port, &errors, &status);
        if (status.cbInQue >= count || std::chrono::steady_clock::now() > deadline)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    Bytes got(count);
    DWORD read = 0;
    OVERLAPPED overlapped{};
    ReadFile(port, got.data(), count, &read, &overlapped);
    got.resize(read);
    return got;
}
