// Dialing through an AT modem before the scan takes over.
#include "server/server_dialogs.h"
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
            std::string answer = text.rfind("ATD", 0) == 0 ? dialAnswer : text.rfind("AT", 0) == 0 ? "OK\r\n" : "";
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
