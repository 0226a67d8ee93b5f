#include "tools/plcsim/pty_server.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <thread>

#include "tools/plcsim/devices_dir.h"
#include "tools/plcsim/tests/request_frames.h"

namespace plcsim {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using Clock = std::chrono::steady_clock;

// Far beyond what a reply takes; only a lost reply should ever hit it.
constexpr auto kReplyBound = std::chrono::seconds(2);

// The master's end of the line, opened the way the kit's server opens a port.
class LineClient {
public:
    explicit LineClient(const std::string& path, speed_t speed = B115200)
        : fd_(open(path.c_str(), O_RDWR | O_NOCTTY))
    {
        if (fd_ >= 0)
            SetSpeed(speed);
    }
    ~LineClient()
    {
        if (fd_ >= 0)
            close(fd_);
    }
    bool IsOpen() const { return fd_ >= 0; }

    void SetSpeed(speed_t speed)
    {
        termios tio{};
        tcgetattr(fd_, &tio);
        cfmakeraw(&tio);
        cfsetspeed(&tio, speed);
        tcsetattr(fd_, TCSANOW, &tio);
    }

    void Send(const Bytes& bytes) { ASSERT_EQ(write(fd_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size())); }

    // Bytes arrive when they arrive: keep polling until n are in or the bound passes.
    Bytes Receive(std::size_t n)
    {
        Bytes got;
        const auto deadline = Clock::now() + kReplyBound;
        while (got.size() < n && Clock::now() < deadline) {
            pollfd pfd{fd_, POLLIN, 0};
            if (poll(&pfd, 1, 20) <= 0 || !(pfd.revents & POLLIN))
                continue;
            std::uint8_t buffer[256];
            const ssize_t r = read(fd_, buffer, std::min(sizeof buffer, n - got.size()));
            if (r > 0)
                got.insert(got.end(), buffer, buffer + r);
        }
        return got;
    }

private:
    int fd_;
};

class PtyServing : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/plcsim_test_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        temp_ = pattern;
        devices_ = temp_ + "/devices";
    }
    void TearDown() override
    {
        server_.reset();
        std::error_code ignored;
        fs::remove_all(temp_, ignored);
    }
    PtyServer& Serve(int com = 5, AtModem* modem = nullptr, LineTiming timing = {})
    {
        server_.emplace(stations_, com, devices_, modem);
        server_->SetTiming(timing);
        server_->Start();
        return *server_;
    }

    std::string temp_;
    std::string devices_;
    StationSet stations_;
    std::optional<AtModem> modem_;  // outlives the server that feeds it
    std::optional<PtyServer> server_;
};

TEST_F(PtyServing, ReadBlockRoundTripThroughTheLink)
{
    stations_.Add(2).Set(300, 0x12345678);
    PtyServer& server = Serve();
    EXPECT_EQ(server.LinkPath(), devices_ + "/COM5");
    ASSERT_TRUE(fs::is_symlink(fs::symlink_status(server.LinkPath())));
    EXPECT_EQ(fs::read_symlink(server.LinkPath()), fs::path(server.SlavePath()));

    LineClient client(server.LinkPath());
    ASSERT_TRUE(client.IsOpen());
    client.Send({0xFF, 0x02, 0x07, 0x3B, 0x01, 0x2C, 0x70});
    const Bytes reply = client.Receive(72);
    ASSERT_EQ(reply.size(), 72u);
    EXPECT_EQ(Bytes(reply.begin(), reply.begin() + 11),
              (Bytes{0x00, 0xFF, 0x02, 0x47, 0xBB, 0x01, 0x2C, 0x12, 0x34, 0x56, 0x78}));
    EXPECT_EQ(reply.back(), Checksum(reply.data() + 1, 70));
}

TEST_F(PtyServing, WriteThenReadBackWithTheRequestSplitInTwo)
{
    stations_.Add(1);
    PtyServer& server = Serve();
    LineClient client(server.LinkPath());
    const Bytes write = test::WriteRequest(1, 301, 50);
    client.Send(Bytes(write.begin(), write.begin() + 4));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));  // let the halves arrive apart
    client.Send(Bytes(write.begin() + 4, write.end()));
    EXPECT_EQ(client.Receive(11).size(), 11u);

    client.Send(test::ReadBlockRequest(1, 301));
    const Bytes reply = client.Receive(72);
    ASSERT_EQ(reply.size(), 72u);
    EXPECT_EQ(GetValue(&reply[7]), 50);
    EXPECT_EQ(stations_.Find(1)->Get(301), 50);
}

TEST_F(PtyServing, ClientMayCloseAndComeBack)
{
    stations_.Add(1);
    PtyServer& server = Serve();
    for (int visit = 0; visit < 3; ++visit) {
        LineClient client(server.LinkPath());
        ASSERT_TRUE(client.IsOpen());
        client.Send(test::WriteRequest(1, 7, visit));
        EXPECT_EQ(client.Receive(11).size(), 11u) << "visit " << visit;
    }
    EXPECT_EQ(stations_.Find(1)->Get(7), 2);
}

TEST_F(PtyServing, DelayedReplyIsNeverEarly)
{
    stations_.Add(1, {.delay_ms = 150});
    PtyServer& server = Serve();
    LineClient client(server.LinkPath());
    const auto sent = Clock::now();
    client.Send(test::WriteRequest(1, 1, 1));
    EXPECT_EQ(client.Receive(11).size(), 11u);
    EXPECT_GE(Clock::now() - sent, std::chrono::milliseconds(150));
}

// From the request to the last byte of its reply. The clock starts before
// the request goes: started after it, a test descheduled in between would
// see the reply's wire time cut short.
Clock::duration TimeExchange(LineClient& client, const Bytes& request, std::size_t reply_length)
{
    const auto sent = Clock::now();
    client.Send(request);
    EXPECT_EQ(client.Receive(reply_length).size(), reply_length);
    return Clock::now() - sent;
}

using std::chrono::milliseconds;

struct PacingCase {
    const char* name;
    speed_t master_speed;
    LineTiming timing;
    milliseconds at_least;
    milliseconds below;  // several times the wire time, or what a wrong speed would give
};
void PrintTo(const PacingCase& c, std::ostream* os) { *os << c.name; }

class ReplyPacing : public PtyServing, public ::testing::WithParamInterface<PacingCase> {};

// A 72-byte block reply is 720 bits on the wire.
TEST_P(ReplyPacing, BlockReplyTakesItsWireTime)
{
    const PacingCase& c = GetParam();
    stations_.Add(1);
    LineClient client(Serve(5, nullptr, c.timing).LinkPath(), c.master_speed);
    const auto took = TimeExchange(client, test::ReadBlockRequest(1, 300), 72);
    EXPECT_GE(took, c.at_least);
    EXPECT_LT(took, c.below);
}

INSTANTIATE_TEST_SUITE_P(
    Line, ReplyPacing,
    ::testing::Values(PacingCase{"9600 as the master set it", B9600, {}, milliseconds(70), kReplyBound},
                      PacingCase{"115200 as the master set it", B115200, {}, milliseconds(6), milliseconds(50)},
                      PacingCase{"turnaround", B115200, {.turnaround_ms = 100}, milliseconds(100), kReplyBound},
                      PacingCase{"baud over the master's 1200", B1200, {.baud = 19200}, milliseconds(35),
                                 milliseconds(300)},
                      PacingCase{"no pacing at 1200", B1200, {.paced = false}, milliseconds(0), milliseconds(300)}));

TEST_F(PtyServing, RepliesQueueOnTheLineOneAfterTheOther)
{
    Station& station = stations_.Add(1);
    station.Set(300, 1);
    station.Set(316, 2);
    LineClient client(Serve().LinkPath(), B9600);
    const auto sent = Clock::now();
    client.Send(test::Concat({test::ReadBlockRequest(1, 300), test::ReadBlockRequest(1, 316)}));
    const Bytes first = client.Receive(72);
    const auto first_done = Clock::now() - sent;
    const Bytes second = client.Receive(72);
    const auto second_done = Clock::now() - sent;
    ASSERT_EQ(first.size(), 72u);
    ASSERT_EQ(second.size(), 72u);
    EXPECT_EQ(GetValue(&first[7]), 1);
    EXPECT_EQ(GetValue(&second[7]), 2);
    EXPECT_GE(first_done, milliseconds(70));
    EXPECT_GE(second_done, milliseconds(145));
}

TEST_F(PtyServing, PacingFollowsTheSpeedTheMasterChanges)
{
    stations_.Add(1);
    LineClient client(Serve().LinkPath(), B115200);
    TimeExchange(client, test::WriteRequest(1, 1, 1), 11);
    client.SetSpeed(B19200);
    EXPECT_GE(TimeExchange(client, test::ReadBlockRequest(1, 300), 72), milliseconds(35));
    std::vector<std::string> notes;
    for (const LogEntry& entry : stations_.Log().Entries()) {
        if (entry.kind == RequestKind::Line)
            notes.push_back(entry.text);
    }
    EXPECT_EQ(notes, (std::vector<std::string>{"115200 bit/s", "19200 bit/s"}));
}

TEST_F(PtyServing, ModemAnswersThenPassesFramesOnceConnected)
{
    stations_.Add(1).Set(300, 5);
    PtyServer& server = Serve(5, &modem_.emplace(stations_));
    LineClient client(server.LinkPath());
    const auto say = [&client](const std::string& text, std::size_t answer_length) {
        client.Send(Bytes(text.begin(), text.end()));
        const Bytes answer = client.Receive(answer_length);
        return std::string(answer.begin(), answer.end());
    };
    EXPECT_EQ(say("AT\r\n", 4), "OK\r\n");
    EXPECT_EQ(say("ATDT123\r\n", 14), "CONNECT 9600\r\n");
    client.Send(test::ReadBlockRequest(1, 300));
    const Bytes reply = client.Receive(72);
    ASSERT_EQ(reply.size(), 72u);
    EXPECT_EQ(GetValue(&reply[7]), 5);
}

TEST_F(PtyServing, LinkFolderIsCreatedAndTheLinkRemovedOnStop)
{
    devices_ = temp_ + "/a/b/devices";
    stations_.Add(1);
    PtyServer& server = Serve(7);
    const std::string link = server.LinkPath();
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
    server.Stop();
    EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
    server.Stop();  // twice is harmless
}

TEST_F(PtyServing, DestructionAloneRemovesTheLink)
{
    stations_.Add(1);
    const std::string link = Serve().LinkPath();
    server_.reset();
    EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
}

TEST_F(PtyServing, ComOfARunningSimulatorIsRefused)
{
    stations_.Add(1);
    PtyServer& first = Serve();
    PtyServer second(stations_, 5, devices_);
    try {
        second.Start();
        ADD_FAILURE() << "second simulator took COM5";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("running plcsim (pid " + std::to_string(getpid()) + ")"),
                  std::string::npos)
            << error.what();
    }
    second.Stop();
    EXPECT_EQ(fs::read_symlink(first.LinkPath()), fs::path(first.SlavePath()));
}

// A link plcsim did not leave is someone's mapping, even one into /dev/pts.
TEST_F(PtyServing, LinkNotLeftBySimulatorIsNeverReplaced)
{
    fs::create_directories(devices_);
    stations_.Add(1);
    for (const char* target : {"/dev/ttyUSB0", "/dev/pts/4242"}) {
        SCOPED_TRACE(target);
        fs::create_symlink(target, devices_ + "/COM5");
        server_.emplace(stations_, 5, devices_);
        try {
            server_->Start();
            ADD_FAILURE() << "the link was replaced";
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find(std::string("COM5 -> ") + target), std::string::npos)
                << error.what();
        }
        server_.reset();
        EXPECT_EQ(fs::read_symlink(devices_ + "/COM5"), fs::path(target));
        fs::remove(devices_ + "/COM5");
    }
}

TEST_F(PtyServing, RegularFileInTheWayIsLeftAloneAndStartFails)
{
    fs::create_directories(devices_);
    std::ofstream(devices_ + "/COM5") << "not a link";
    stations_.Add(1);
    server_.emplace(stations_, 5, devices_);
    EXPECT_THROW(server_->Start(), std::runtime_error);
    EXPECT_TRUE(fs::is_regular_file(devices_ + "/COM5"));
    server_.reset();
    EXPECT_TRUE(fs::is_regular_file(devices_ + "/COM5"));
}

TEST_F(PtyServing, LinkTakenOverBySomeoneElseIsNotRemoved)
{
    stations_.Add(1);
    PtyServer& server = Serve();
    fs::remove(server.LinkPath());
    fs::create_symlink("/dev/null", server.LinkPath());
    server.Stop();
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(server.LinkPath())));
}

// Restores an environment variable however the test ends.
class EnvGuard {
public:
    explicit EnvGuard(const char* name) : name_(name)
    {
        if (const char* value = std::getenv(name))
            old_ = value;
    }
    ~EnvGuard()
    {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(DevicesFolder, EnvironmentVariableWinsElseHome)
{
    EnvGuard devices("NIMBO_DEVICES");
    EnvGuard home("HOME");
    setenv("HOME", "/nowhere/home", 1);
    setenv("NIMBO_DEVICES", "/nowhere/devices", 1);
    EXPECT_EQ(DefaultDevicesDir(), "/nowhere/devices");
    unsetenv("NIMBO_DEVICES");
    EXPECT_EQ(DefaultDevicesDir(), "/nowhere/home/.config/nimbo/devices");
    // Given a folder, the server does not look at the environment at all.
    StationSet stations;
    EXPECT_EQ(PtyServer(stations, 3, "/elsewhere").LinkPath(), "/elsewhere/COM3");
}

}  // namespace
}  // namespace plcsim
