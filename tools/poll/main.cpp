// nimbo-poll: checks a line without a panel. It drives the port object the
// way the server's scan timer does, one receive check per tick, and prints
// the registers once the asked number of passes has completed; or it writes
// one register and prints the station's echo.
#include "link/com_ser.h"
#include "platform/clock.h"
#include "platform/serial_device.h"
#include "tools/poll/poll_options.h"

#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

namespace {

enum Exit { kOk = 0, kNoAnswer = 1, kBadPortOrArguments = 2 };

// Sleeps until the next tick of a timer with the given period; a tick that
// ran late starts the next period from now, as a window timer would.
class TickTimer {
public:
    explicit TickTimer(DWORD period) : period_(period), next_(GetTickCount() + period) {}
    void Wait()
    {
        DWORD now = GetTickCount();
        if (static_cast<std::int32_t>(next_ - now) > 0)
            Sleep(next_ - now);
        now = GetTickCount();
        next_ = (static_cast<std::int32_t>(now - next_) > static_cast<std::int32_t>(period_) ? now : next_) + period_;
    }

private:
    DWORD period_;
    DWORD next_;
};

int ReadRange(CComSer& port, const PollOptions& o)
{
    int blocks = (o.rangeLast - o.rangeFirst) / CComSer::kBlockSize + 1;
    // A PLC gets three full chances at a pass before we call it silent.
    int patience = 3 * (blocks + 1) + 10;
    int idleTicks = 0;
    int passes = 0;
    TickTimer timer(static_cast<DWORD>(o.timerMs));
    while (passes < o.passes) {
        timer.Wait();
        int r = port.ReceiveStep();
        if (r == RECEIVE_PASS_CLOSED) {
            ++passes;
            idleTicks = 0;
            if (passes < o.passes)
                port.NextPlc();
            continue;
        }
        if (r == RECEIVE_NO_COMPLETE_REPLY) {
            port.plcStatus[port.currentPlc - 1] = PLC_DEAD;
            port.NextPlc();
        }
        if (++idleTicks > patience) {
            std::fprintf(stderr, "nimbo-poll: PLC %d does not answer on COM%d (no complete pass in %d ticks of %d ms)\n",
                         o.plc, o.com, patience, o.timerMs);
            return kNoAnswer;
        }
    }
    const std::int32_t* image = port.GetRegisters();
    for (int reg = o.rangeFirst; reg <= o.rangeLast; ++reg)
        std::printf("%d %d\n", reg, image[reg]);
    return kOk;
}

int WriteOne(CComSer& port, const PollOptions& o)
{
    port.SetRegister(o.plc, o.writeRegister, o.writeValue);
    TickTimer timer(static_cast<DWORD>(o.timerMs));
    for (int tick = 0; tick < 10; ++tick) {
        timer.Wait();
        // The pass over the one written register closes only when the
        // station's echo for it has been checked and applied.
        if (port.ReceiveStep() == RECEIVE_PASS_CLOSED) {
            std::printf("%d %d\n", o.writeRegister, port.GetRegisters()[o.writeRegister]);
            return kOk;
        }
    }
    std::fprintf(stderr, "nimbo-poll: PLC %d did not echo the write of register %d on COM%d\n", o.plc,
                 o.writeRegister, o.com);
    return kNoAnswer;
}

// Where COM<n> in the folder links to, when that is nowhere: a simulator
// killed outright leaves its link behind, and "no such file" would not say so.
std::optional<std::string> DanglingTarget(const std::string& link)
{
    struct stat st {};
    if (lstat(link.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
        return std::nullopt;
    if (stat(link.c_str(), &st) == 0 || (errno != ENOENT && errno != ENOTDIR))
        return std::nullopt;
    char target[PATH_MAX];
    const ssize_t n = readlink(link.c_str(), target, sizeof target);
    if (n < 0)
        return std::nullopt;
    return std::string(target, static_cast<std::size_t>(n));
}

}  // namespace

int main(int argc, char** argv)
{
    std::string error;
    auto options = ParsePollOptions(argc, argv, &error);
    if (!options) {
        std::fprintf(stderr, "nimbo-poll: %s\n%s", error.c_str(), kPollUsage);
        return kBadPortOrArguments;
    }
    if (options->help) {
        std::fputs(kPollUsage, stdout);
        return kOk;
    }
    const PollOptions& o = *options;
    auto port = std::make_unique<CComSer>();
    port->portNumber = o.com;
    port->baudRate = o.speed;
    port->timerInterval = o.timerMs;
    int first = o.write ? o.writeRegister : o.rangeFirst;
    int last = o.write ? o.writeRegister : o.rangeLast;
    port->plcEnabled[o.plc - 1] = 1;
    port->plcStart[o.plc - 1] = first;
    port->plcStop[o.plc - 1] = last;
    const std::string folder = nimbo::SerialDevicesFolder();
    if (auto target = DanglingTarget(folder + "/COM" + std::to_string(o.com))) {
        std::fprintf(stderr,
                     "nimbo-poll: COM%d: the link in %s points at %s, which does not exist (a simulator that was "
                     "killed?)\n",
                     o.com, folder.c_str(), target->c_str());
        return kBadPortOrArguments;
    }
    if (!port->Open(4096, 4096, 0)) {
        std::fprintf(stderr, "nimbo-poll: cannot open COM%d: %s\n", o.com, nimbo::LastSerialOpenFailure().c_str());
        return kBadPortOrArguments;
    }
    int status = o.write ? WriteOne(*port, o) : ReadRange(*port, o);
    port->Close();
    return status;
}
