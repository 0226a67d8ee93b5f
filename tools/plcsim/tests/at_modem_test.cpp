#include "tools/plcsim/at_modem.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tools/plcsim/tests/request_frames.h"

namespace plcsim {
namespace {

using test::Bytes;
using SystemClock = std::chrono::system_clock;

// What the master of the server sends before it polls.
constexpr const char* kDialing = "AT\r\nAT&W1\r\nATDT123\r\n";

Bytes AsBytes(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

std::string AsText(const Bytes& bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

class ModemLine : public ::testing::Test {
protected:
    void SetUp() override { stations.Add(1).Set(300, 4242); }

    AtModem& Make(ModemFaults faults = {}, int speed = 9600)
    {
        modem.emplace(stations, speed, faults);
        return *modem;
    }
    std::vector<Reply> Feed(const Bytes& bytes) { return modem->Feed(bytes.data(), bytes.size(), now); }
    // Everything that goes back on the line, delays aside.
    Bytes Send(const Bytes& bytes)
    {
        Bytes out;
        for (const Reply& reply : Feed(bytes))
            out.insert(out.end(), reply.bytes.begin(), reply.bytes.end());
        return out;
    }
    std::string Say(const std::string& text) { return AsText(Send(AsBytes(text))); }
    void Connect()
    {
        ASSERT_EQ(Say(kDialing), "OK\r\nOK\r\nCONNECT 9600\r\n");
        ASSERT_TRUE(modem->InDataMode());
    }
    // The log as the person debugging reads it, without the time of day.
    std::vector<std::string> LogLines()
    {
        std::vector<std::string> lines;
        for (const LogEntry& entry : stations.Log().Entries())
            lines.push_back(FormatEntry(entry).substr(13));
        return lines;
    }

    StationSet stations;
    std::optional<AtModem> modem;
    const SystemClock::time_point now = SystemClock::now();
};

struct CommandRow {
    std::string sent;
    std::string answer;
};

class CommandLines : public ModemLine, public ::testing::WithParamInterface<CommandRow> {};

TEST_P(CommandLines, AnswerWithoutEchoAndStayInCommandMode)
{
    Make();
    EXPECT_EQ(Say(GetParam().sent), GetParam().answer);
    EXPECT_FALSE(modem->InDataMode());
}

INSTANTIATE_TEST_SUITE_P(AtModem, CommandLines,
                         ::testing::Values(CommandRow{"AT\r", "OK\r\n"}, CommandRow{"at&w1\n", "OK\r\n"},
                                           CommandRow{"AT\r\nATZ\r\n", "OK\r\nOK\r\n"},
                                           CommandRow{"AT", ""},  // no line end yet
                                           CommandRow{"\r\n", ""},  // what an empty number dials
                                           CommandRow{"HELLO\r\n", "ERROR\r\n"},
                                           CommandRow{"AT" + std::string(300, 'Z') + "\r", "ERROR\r\n"}));

struct DialRow {
    ModemFaults faults;
    std::string answers;
    bool connected;
};

class Dialing : public ModemLine, public ::testing::WithParamInterface<DialRow> {};

TEST_P(Dialing, AnswersAndConnectsOnlyWhenItSaysConnectWithASpeed)
{
    Make(GetParam().faults, 2400);
    EXPECT_EQ(Say(kDialing), GetParam().answers);
    EXPECT_EQ(modem->InDataMode(), GetParam().connected);
}

INSTANTIATE_TEST_SUITE_P(AtModem, Dialing,
                         ::testing::Values(DialRow{{}, "OK\r\nOK\r\nCONNECT 2400\r\n", true},
                                           DialRow{{.silent = true}, "", false},
                                           DialRow{{.bare_connect = true}, "OK\r\nOK\r\nCONNECT\r\n", false},
                                           DialRow{{.no_carrier = true}, "OK\r\nOK\r\nNO CARRIER\r\n", false},
                                           DialRow{{.split_ms = 1200}, "OK\r\nOK\r\nCONNECT 2400\r\n", true}));

TEST_F(ModemLine, SplitAnswerHoldsItsTailBackAndLogsItWhenDue)
{
    Make({.split_ms = 1200});
    const auto replies = Feed(AsBytes("ATD5\r"));
    ASSERT_EQ(replies.size(), 2u);
    EXPECT_EQ(replies[0].delay_ms, 0);
    EXPECT_EQ(AsText(replies[0].bytes), "CONN");
    EXPECT_EQ(replies[1].delay_ms, 1200);
    EXPECT_EQ(AsText(replies[1].bytes), "ECT 9600\r\n");
    const auto entries = stations.Log().Entries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[1].when, now);
    EXPECT_EQ(entries[2].when, now + std::chrono::milliseconds(1200));
}

TEST_F(ModemLine, FramesReachTheStationsOnlyOnceConnected)
{
    Make();
    const Bytes write = test::WriteRequest(1, 400, 77);
    EXPECT_EQ(Send(test::Concat({write, AsBytes("\r")})), AsBytes("ERROR\r\n"));
    EXPECT_EQ(stations.Find(1)->Get(400), 0);

    // A frame in the same read as the dial is already the stations'.
    StationSet clean;
    clean.Add(1);
    EXPECT_EQ(Send(test::Concat({AsBytes("ATDT1\r\n"), write})),
              test::Concat({AsBytes("CONNECT 9600\r\n"), test::FeedAll(clean, write)}));
    EXPECT_EQ(stations.Find(1)->Get(400), 77);
}

class Escapes : public ModemLine, public ::testing::WithParamInterface<std::string> {};

TEST_P(Escapes, AloneTheyReturnToCommandMode)
{
    Make();
    Connect();
    EXPECT_EQ(Say(GetParam()), "OK\r\n");
    EXPECT_FALSE(modem->InDataMode());
    EXPECT_EQ(Say("ATDT1\r"), "CONNECT 9600\r\n") << "and the next dial connects again";
}

INSTANTIATE_TEST_SUITE_P(AtModem, Escapes, ::testing::Values("AT++", "+++", "at++\r\n"));

TEST_F(ModemLine, EscapeBytesInsideAFrameAreFrameBytes)
{
    Make();
    Connect();
    // The value's four bytes spell AT++ and arrive as a read of their own.
    const std::int32_t value = 0x41542B2B;
    const Bytes write = test::WriteRequest(1, 400, value);
    EXPECT_TRUE(Send(Bytes(write.begin(), write.begin() + 6)).empty());
    EXPECT_TRUE(Send(Bytes(write.begin() + 6, write.begin() + 10)).empty());
    EXPECT_EQ(Send(Bytes(write.begin() + 10, write.end())).size(), 11u);
    EXPECT_TRUE(modem->InDataMode());
    EXPECT_EQ(stations.Find(1)->Get(400), value);
}

TEST_F(ModemLine, LogHasEveryLineAndAnswerBesideTheRequests)
{
    Make();
    Say("AT\r\n");
    Say("\r\n");
    Say("NO\x07\r");
    Connect();
    Send(test::ReadBlockRequest(1, 300));
    Say("AT++");
    const std::vector<std::string> expected = {
        R"(modem <- "AT")",
        R"(modem -> "OK\r\n")",
        R"(modem <- "" ignored: empty line)",
        R"(modem <- "NO\x07")",
        R"(modem -> "ERROR\r\n")",
        R"(modem <- "AT")",
        R"(modem -> "OK\r\n")",
        R"(modem <- "AT&W1")",
        R"(modem -> "OK\r\n")",
        R"(modem <- "ATDT123" (data mode))",
        R"(modem -> "CONNECT 9600\r\n")",
        "st=1 read reg=300",
        R"(modem <- "AT++" (escape, command mode))",
        R"(modem -> "OK\r\n")",
    };
    EXPECT_EQ(LogLines(), expected);
}

TEST(ModemFaultWords, EveryWordTurnsItsFaultOnAndDescribesBack)
{
    ModemFaults faults;
    for (const char* word : {"silent", "bareconnect", "nocarrier", "split=300"})
        EXPECT_TRUE(ApplyModemFaultWord(word, faults)) << word;
    EXPECT_EQ(faults, (ModemFaults{true, true, true, 300}));
    EXPECT_EQ(DescribeModemFaults(faults), "silent,bareconnect,nocarrier,split=300");
    ASSERT_TRUE(ApplyModemFaultWord("split", faults));
    EXPECT_EQ(faults.split_ms, 1200);
    EXPECT_EQ(DescribeModemFaults({}), "");
}

TEST(ModemFaultWords, NonsenseIsRefused)
{
    ModemFaults faults;
    for (const char* word : {"", "busy", "split=", "split=0", "split=x", "silent=1", "Split"})
        EXPECT_FALSE(ApplyModemFaultWord(word, faults)) << word;
    EXPECT_EQ(faults, ModemFaults{});
}

}  // namespace
}  // namespace plcsim
