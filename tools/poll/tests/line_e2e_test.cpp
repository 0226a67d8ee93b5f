// The port object and the poller against simulated stations on a real
// pseudo-terminal: bytes really cross a line here, with real waits.
#include "link/com_ser.h"
#include "tools/plcsim/pty_server.h"
#include "tools/plcsim/station_set.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <thread>

namespace {

struct RunResult {
    int status = -1;
    std::string out;
};

// with_errors: stderr is captured into out as well.
RunResult RunCommand(const std::string& command, bool with_errors = false)
{
    RunResult r;
    FILE* pipe = popen((command + (with_errors ? " 2>&1" : " 2>/dev/null")).c_str(), "r");
    if (!pipe)
        return r;
    char buf[256];
    while (std::fgets(buf, sizeof buf, pipe))
        r.out += buf;
    int raw = pclose(pipe);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return r;
}

class LineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/nimbo-line-XXXXXX";
        folder = mkdtemp(pattern);
        setenv("NIMBO_DEVICES", folder.c_str(), 1);
    }
    void TearDown() override
    {
        if (server)
            server->Stop();
        unsetenv("NIMBO_DEVICES");
        std::filesystem::remove_all(folder);
    }
    void Serve(int com)
    {
        server = std::make_unique<plcsim::PtyServer>(stations, com, folder);
        server->Start();
    }
    std::string Poll(const std::string& args) const { return std::string(NIMBO_POLL) + " " + args; }

    std::string folder;
    plcsim::StationSet stations;
    std::unique_ptr<plcsim::PtyServer> server;
};

}  // namespace

TEST_F(LineTest, PassOverARangeFillsTheImageAsTheScanWould)
{
    plcsim::Station& st = stations.Add(2);
    for (int r = 100; r < 150; ++r)
        st.Set(r, r * 1000 - 7);
    Serve(4);

    auto port = std::make_unique<CComSer>();
    port->portNumber = 4;
    port->plcEnabled[1] = 1;
    port->plcStart[1] = 100;
    port->plcStop[1] = 140;
    ASSERT_EQ(port->Open(4096, 4096, 0), 1);

    int passes = 0;
    for (int tick = 0; tick < 60 && passes < 2; ++tick) {
        std::this_thread::sleep_for(std::chrono::milliseconds(60));
        int r = port->ReceiveStep();
        if (r == 1)
            ++passes;
        if (r == 1 || r == 2)
            port->NextPlc();
    }
    EXPECT_EQ(passes, 2);
    EXPECT_EQ(port->plcStatus[1], 2) << "a new pass is under way";
    for (int r = 100; r <= 140; ++r)
        ASSERT_EQ(port->registers[r], r * 1000 - 7) << r;
}

TEST_F(LineTest, OneLineHasOneMaster)
{
    stations.Add(1);
    Serve(5);
    CComSer first, second;
    first.portNumber = second.portNumber = 5;
    first.plcEnabled[0] = second.plcEnabled[0] = 1;
    ASSERT_EQ(first.Open(4096, 4096, 0), 1);
    EXPECT_EQ(second.Open(4096, 4096, 0), 0);
    EXPECT_EQ(second.portHandle, INVALID_HANDLE_VALUE);
    first.Close();
    EXPECT_EQ(second.Open(4096, 4096, 0), 1) << "free again once the first has closed it";
}

TEST_F(LineTest, PollerPrintsTheRangeAndWritesWithEcho)
{
    plcsim::Station& st = stations.Add(1);
    st.Set(300, 5);
    st.Set(301, -2);
    Serve(6);

    RunResult read = RunCommand(Poll("--com 6 --plc 1 --range 300:302 --passes 2 --timer 60"));
    EXPECT_EQ(read.status, 0);
    EXPECT_EQ(read.out, "300 5\n301 -2\n302 0\n");

    RunResult write = RunCommand(Poll("--com 6 --plc 1 --write 302=0x7fffffff --timer 60"));
    EXPECT_EQ(write.status, 0);
    EXPECT_EQ(write.out, "302 2147483647\n");
    EXPECT_EQ(st.Get(302), 0x7fffffff);
}

TEST_F(LineTest, PollerExitStatusSaysWhatWentWrong)
{
    plcsim::Faults silent;
    silent.silent = true;
    stations.Add(3, silent);
    Serve(7);

    EXPECT_EQ(RunCommand(Poll("--com 7 --plc 3 --range 0:15 --timer 30")).status, 1);
    EXPECT_EQ(RunCommand(Poll("--com 7 --plc 3 --write 1=1 --timer 30")).status, 1);
    EXPECT_EQ(RunCommand(Poll("--com 8 --plc 3 --range 0:15")).status, 2) << "no COM8 in the folder";
    EXPECT_EQ(RunCommand(Poll("--com 7 --plc 33 --range 0:15")).status, 2);
    EXPECT_EQ(RunCommand(Poll("--com 7 --plc 1")).status, 2);
    EXPECT_EQ(RunCommand(Poll("--com 7 --plc 1 --range 5")).status, 2);
}

TEST_F(LineTest, PollerNamesALinkLeftByAKilledSimulator)
{
    const std::string target = folder + "/pts-gone";
    std::filesystem::create_symlink(target, folder + "/COM9");
    RunResult r = RunCommand(Poll("--com 9 --plc 1 --range 0:15"), true);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "nimbo-poll: COM9: the link in " + folder + " points at " + target +
                         ", which does not exist (a simulator that was killed?)\n");
}

TEST_F(LineTest, PlcThirtyTwoIsReadButNeverWritten)
{
    plcsim::Station& st = stations.Add(32);
    st.Set(10, 42);
    Serve(9);

    RunResult read = RunCommand(Poll("--com 9 --plc 32 --range 10:11 --timer 60"));
    EXPECT_EQ(read.status, 0);
    EXPECT_EQ(read.out, "10 42\n11 0\n");

    // The port object would send nothing, so the poller refuses as for a bad argument.
    EXPECT_EQ(RunCommand(Poll("--com 9 --plc 32 --write 10=1 --timer 60")).status, 2);
    EXPECT_EQ(st.Get(10), 42);
}
