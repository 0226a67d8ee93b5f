// Dialing through an AT modem before the scan takes over.
#include "server/server_dialogs.h"
#include "platform/test_support.h"
#include "server/tests/server_fixture.h"

#include <string>

namespace {

// A modem on the memory line: answers each command line at once, and
// passes bytes to the stations once it has connected.
class ModemTest : public ServerTest {
protected:
    void SetUp() override
    {
        ServerTest::SetUp();
        line->responder = [this](const BYTE* bytes, DWORD count) {
            const std::string text(reinterpret_cast<const char*>(bytes), count);
            sent.push_back(text);
            std::vector<BYTE> out;
            if (connected) {
                for (const auto& reply : stations.Feed(bytes, count))
                    out.insert(out.end(), reply.bytes.begin(), reply.bytes.end());
                return out;
            }
            std::string answer = text.rfind("ATD", 0) == 0 ? dialAnswer
                                 : text.rfind("AT", 0) == 0 ? (echoOnly ? text : okAnswer)
                                                            : "";
            connected = answer.find("CONNECT ") != std::string::npos;
            return std::vector<BYTE>(answer.begin(), answer.end());
        };
        stations.Add(1).Set(5, 55);
        Enable(1, 0, 15);
        Put(DISPID_NIMBO_MODEM, Variant::Bool(true));
        Put(DISPID_NIMBO_MODEMNUMBER, Variant::String("ATDT0521"));
    }
    // One dialing tick (the timer runs at a second while dialing).
    void DialTick() { SendMessageA(server->m_hWnd, WM_TIMER, kScanTimer, 0); }
    std::string Log() const { return server->modemDialog.Text(); }

    std::vector<std::string> sent;
    std::string dialAnswer = "CONNECT 9600\r\n";
    std::string okAnswer = "OK\r\n";
    bool echoOnly = false;  // the modem echoes a command and answers nothing
    bool connected = false;
};

TEST_F(ModemTest, DialsStepByStepThenScans)
{
    Put(DISPID_NIMBO_GO, Variant::Bool(true));
    EXPECT_EQ(sent, (std::vector<std::string>{"AT\r\n"}));
    EXPECT_EQ(server->scanning, 0);
    ASSERT_TRUE(server->modemDialog.Exists());
    EXPECT_TRUE(IsWindowVisible(server->modemDialog.m_hWnd));
    EXPECT_EQ(Log(), "AT\r\n");

    DialTick();
    EXPECT_EQ(server->modemStage, 2);
    EXPECT_EQ(Log(), "OK\r\nAT\r\nAT&W1\r\n") << "the newest answer on top, the newest command below";
    DialTick();
    EXPECT_EQ(sent.back(), "ATDT0521\r\n");
    DialTick();
    EXPECT_EQ(server->scanning, 1);
    EXPECT_EQ(Received(plcsim::RequestKind::ReadBlock).size(), 1u) << "the first request goes out at the connection";
    EXPECT_TRUE(IsWindowVisible(server->modemDialog.m_hWnd)) << "until the first scan tick";
    Tick();
    EXPECT_FALSE(IsWindowVisible(server->modemDialog.m_hWnd));
    EXPECT_EQ(onPlc, (std::vector<int>{1}));
    EXPECT_EQ(server->comSer.registers[5], 55);
}

struct ConnectCase {
    const char* answer;
    bool connects;
};
void PrintTo(const ConnectCase& c, std::ostream* os) { *os << ::testing::PrintToString(std::string(c.answer)); }

class ConnectTest : public ModemTest, public ::testing::WithParamInterface<ConnectCase> {};

TEST_P(ConnectTest, OnlyConnectWithABlankCompletesDialing)
{
    dialAnswer = GetParam().answer;
    Put(DISPID_NIMBO_GO, Variant::Bool(true));
    DialTick();
    DialTick();
    DialTick();
    EXPECT_EQ(server->scanning, GetParam().connects ? 1 : 0);
    EXPECT_EQ(server->modemStage, 3);
}

INSTANTIATE_TEST_SUITE_P(Answers, ConnectTest,
                         ::testing::Values(ConnectCase{"CONNECT 9600\r\n", true}, ConnectCase{"CONNECT\r\n", false},
                                           ConnectCase{"NO CARRIER\r\n", false}, ConnectCase{"", false}));

// The answer is searched for in what arrived, whatever it is: an echoed
// command holding "OK" counts.
TEST_F(ModemTest, OkInsideAnEchoedCommandCountsAsTheAnswer)
{
    echoOnly = true;
    Put(DISPID_NIMBO_MODEMTEST, Variant::String("AT+COOKIE"));
    Put(DISPID_NIMBO_GO, Variant::Bool(true));
    DialTick();
    EXPECT_EQ(server->modemStage, 2);
    DialTick();
    EXPECT_EQ(server->modemStage, 2) << "the init string's echo holds no OK";
}

// Each tick searches what arrived during it alone.
TEST_F(ModemTest, AnAnswerSplitAcrossTwoTicksIsNotRecognised)
{
    okAnswer = "O";
    Put(DISPID_NIMBO_GO, Variant::Bool(true));
    DialTick();
    line->Deliver({'K', '\r', '\n'});
    DialTick();
    EXPECT_EQ(server->modemStage, 1);
    EXPECT_EQ(sent.size(), 1u);
}

// The log keeps the newest answer and at most 254 characters before it.
TEST_F(ModemTest, TheLogKeepsAtMost254CharactersUnderTheNewestAnswer)
{
    okAnswer = "";
    Put(DISPID_NIMBO_GO, Variant::Bool(true));
    const std::string noise(100, 'x');
    for (int tick = 0; tick < 5; ++tick) {
        line->Deliver(std::vector<BYTE>(noise.begin(), noise.end()));
        DialTick();
    }
    EXPECT_EQ(Log().size(), noise.size() + 254);
    EXPECT_EQ(Log().substr(0, noise.size()), noise);
}

// The timer's period set while dialing takes the dialing ticks at once.
TEST_F(ModemTest, InternalTimerSetWhileDialingRestartsTheTickAtThatPeriod)
{
    Put(DISPID_NIMBO_GO, Variant::Bool(true));
    EXPECT_EQ(nimbo::TimerPeriod(server->m_hWnd, kScanTimer), 1000u);
    Put(DISPID_NIMBO_INTERNALTIMER, Variant::Long(40));
    EXPECT_EQ(nimbo::TimerPeriod(server->m_hWnd, kScanTimer), 40u);
    EXPECT_EQ(server->scanning, 0) << "still dialing";
}

TEST_F(ModemTest, AnEmptyNumberSendsOnlyTheLineEnd)
{
    Put(DISPID_NIMBO_MODEMNUMBER, Variant::String(""));
    Put(DISPID_NIMBO_GO, Variant::Bool(true));
    DialTick();
    DialTick();
    EXPECT_EQ(sent.back(), "\r\n");
}

TEST_F(ModemTest, StoppingWhileDialingSendsOnlyTheDisconnectTextAndLeavesTheLogShown)
{
    Put(DISPID_NIMBO_GO, Variant::Bool(true));
    DialTick();
    sent.clear();
    Put(DISPID_NIMBO_GO, Variant::Bool(false));
    EXPECT_EQ(sent, (std::vector<std::string>{"AT++"})) << "the second disconnect meets a closed port";
    EXPECT_TRUE(IsWindowVisible(server->modemDialog.m_hWnd));
    EXPECT_FALSE(KillTimer(server->m_hWnd, kScanTimer));
}

TEST_F(ModemTest, DialingAgainShowsOneWindowWithTheNewExchangeOnly)
{
    Put(DISPID_NIMBO_GO, Variant::Bool(true));
    DialTick();
    DialTick();
    DialTick();
    Tick();
    const HWND first = server->modemDialog.m_hWnd;
    connected = false;
    Put(DISPID_NIMBO_GO, Variant::Bool(true));
    EXPECT_EQ(server->modemDialog.m_hWnd, first);
    EXPECT_TRUE(IsWindowVisible(first));
    EXPECT_EQ(Log(), "AT\r\n");
}

}  // namespace
