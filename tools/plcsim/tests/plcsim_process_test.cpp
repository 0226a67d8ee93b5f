// plcsim as a process: what it leaves in the devices folder when it is
// stopped by a signal, or killed outright and started again.
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "tools/plcsim/com_claim.h"
#include "tools/plcsim/pty_server.h"

namespace plcsim {
namespace {

namespace fs = std::filesystem;

// plcsim serving COM5 in a folder, started and waited for as scripts do.
class Simulator {
public:
    explicit Simulator(const std::string& devices)
    {
        int out[2];
        if (pipe(out) != 0)
            return;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(out[1], STDOUT_FILENO);
            close(out[0]);
            close(out[1]);
            execl(PLCSIM, "plcsim", "--com", "5", "--devices", devices.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        close(out[1]);
        out_ = out[0];
    }
    ~Simulator()
    {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            Wait();
        }
        if (out_ >= 0)
            close(out_);
    }

    // True once the line scripts wait for is out.
    bool Ready()
    {
        std::string line;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (line.find('\n') == std::string::npos && std::chrono::steady_clock::now() < deadline) {
            pollfd pfd{out_, POLLIN, 0};
            char buffer[256];
            if (poll(&pfd, 1, 50) <= 0)
                continue;
            const ssize_t n = read(out_, buffer, sizeof buffer);
            if (n <= 0)
                return false;
            line.append(buffer, static_cast<std::size_t>(n));
        }
        return line.starts_with("plcsim: COM5 -> ");
    }

    // The raw wait status.
    int Signal(int sig)
    {
        kill(pid_, sig);
        return Wait();
    }

private:
    int Wait()
    {
        int status = -1;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        return status;
    }

    pid_t pid_ = -1;
    int out_ = -1;
};

class SimulatorProcess : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/plcsim_process_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        devices_ = pattern;
        link_ = devices_ + "/COM5";
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(devices_, ignored);
    }

    std::string devices_;
    std::string link_;
};

TEST_F(SimulatorProcess, LinkOfAKilledSimulatorIsClearedAtTheNextStart)
{
    {
        Simulator killed(devices_);
        ASSERT_TRUE(killed.Ready());
        killed.Signal(SIGKILL);
    }
    ASSERT_TRUE(fs::is_symlink(fs::symlink_status(link_))) << "kill -9 leaves the link";
    StationSet stations;
    stations.Add(1);
    PtyServer server(stations, 5, devices_);
    server.Start();
    EXPECT_EQ(fs::read_symlink(link_), fs::path(server.SlavePath()));
}

class StopSignal : public SimulatorProcess, public ::testing::WithParamInterface<int> {};

TEST_P(StopSignal, TakesTheLinkAndRecordAway)
{
    Simulator simulator(devices_);
    ASSERT_TRUE(simulator.Ready());
    ASSERT_TRUE(fs::is_symlink(fs::symlink_status(link_)));
    const int status = simulator.Signal(GetParam());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "wait status " << status;
    EXPECT_FALSE(fs::exists(fs::symlink_status(link_)));
    EXPECT_FALSE(fs::exists(fs::symlink_status(ComClaim::RecordPath(link_))));
}

INSTANTIATE_TEST_SUITE_P(Stop, StopSignal, ::testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return info.param == SIGTERM ? "TERM" : info.param == SIGINT ? "INT" : "HUP";
                         });

}  // namespace
}  // namespace plcsim
