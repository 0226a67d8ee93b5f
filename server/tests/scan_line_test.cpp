// The scan on its real timer, against simulated stations on a
// pseudo-terminal.
#include "server/tests/server_fixture.h"
#include "tools/plcsim/pty_server.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <filesystem>

namespace {

class LineScanTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/nimbo-scan-XXXXXX";
        folder = mkdtemp(pattern);
        setenv("NIMBO_DEVICES", folder.c_str(), 1);
        server = std::make_unique<CNimboCtrl>();
        server->ResetProperties();
        server->SetEventSink([this](DISPID, const std::string& name, const DispArgs& args) {
            if (name == "OnPlc")
                onPlc.push_back(args.at(0).AsLong());
        });
        ASSERT_TRUE(server->CreateControlWindow(0, 0, 0));
    }
    void TearDown() override
    {
        server.reset();
        if (line)
            line->Stop();
        unsetenv("NIMBO_DEVICES");
        std::filesystem::remove_all(folder);
    }
    void Start(int com, std::initializer_list<std::array<int, 3>> plcs)
    {
        line = std::make_unique<plcsim::PtyServer>(stations, com, folder);
        line->Start();
        server->PutProperty(DISPID_NIMBO_COM, {}, Variant::Long(com));
        server->PutProperty(DISPID_NIMBO_INTERNALTIMER, {}, Variant::Long(50));
        for (const auto& p : plcs) {
            server->PutProperty(DISPID_NIMBO_PLCENABLED1 + p[0] - 1, {}, Variant::Long(1));
            server->PutProperty(DISPID_NIMBO_PLCSTART1 + p[0] - 1, {}, Variant::Long(p[1]));
            server->PutProperty(DISPID_NIMBO_PLCSTOP1 + p[0] - 1, {}, Variant::Long(p[2]));
        }
        server->PutProperty(DISPID_NIMBO_GO, {}, Variant::Bool(true));
    }

    void GoesAwayAndComesBack(int com);

    std::string folder;
    plcsim::StationSet stations;
    std::unique_ptr<plcsim::PtyServer> line;
    std::unique_ptr<CNimboCtrl> server;
    std::vector<int> onPlc;
};

}  // namespace

TEST_F(LineScanTest, TwoPlcsAnswerInTurnOnTheTimer)
{
    stations.Add(1).Set(5, 55);
    stations.Add(3).Set(107, -107);
    Start(12, {{1, 0, 15}, {3, 100, 115}});
    RecordingClient one(1), three(3);
    server->AddClient(one.m_hWnd);
    server->AddClient(three.m_hWnd);
    for (int i = 0; i < 40 && onPlc.size() < 6; ++i)
        nimbo::RunEventLoop(50);
    ASSERT_GE(onPlc.size(), 4u);
    // Each PLC's pass is one block, so the two alternate (which one the
    // first report names depends on how the line's start-up went).
    for (std::size_t i = 0; i < onPlc.size(); ++i) {
        EXPECT_TRUE(onPlc[i] == 1 || onPlc[i] == 3) << i;
        if (i > 0) {
            EXPECT_NE(onPlc[i], onPlc[i - 1]) << i;
        }
    }
    EXPECT_EQ(server->comSer.registers[5], 55);
    EXPECT_EQ(server->comSer.registers[107], -107);
    EXPECT_EQ(one.data.size(), onPlc.size()) << "every client hears every pass";
    EXPECT_EQ(three.data, one.data);
}

TEST_F(LineScanTest, SilentPlcOnTheLineNeverNotifies)
{
    plcsim::Faults silent;
    silent.silent = true;
    stations.Add(2, silent);
    Start(13, {{2, 0, 15}});
    RecordingClient client(2);
    server->AddClient(client.m_hWnd);
    nimbo::RunEventLoop(400);
    EXPECT_TRUE(onPlc.empty());
    EXPECT_TRUE(client.data.empty());
    EXPECT_EQ(client.offline, 0) << "added after Go";
    EXPECT_GE(stations.Log().Entries().size(), 4u) << "asked again every tick";
}

// The station's end of the line goes away and comes back on the same COM:
// the scan finds it again by itself, without Go being touched, and the
// passes resume.
void LineScanTest::GoesAwayAndComesBack(int com)
{
    stations.Add(1).Set(5, 55);
    Start(com, {{1, 0, 15}});
    for (int i = 0; i < 40 && onPlc.empty(); ++i)
        nimbo::RunEventLoop(50);
    ASSERT_FALSE(onPlc.empty());

    line->Stop();
    line.reset();
    nimbo::RunEventLoop(600);
    onPlc.clear();
    nimbo::RunEventLoop(600);
    EXPECT_TRUE(onPlc.empty()) << "no passes while the line is gone";

    stations.Find(1)->Set(5, 56);
    line = std::make_unique<plcsim::PtyServer>(stations, com, folder);
    line->Start();
    for (int i = 0; i < 60 && onPlc.empty(); ++i)
        nimbo::RunEventLoop(50);
    EXPECT_FALSE(onPlc.empty()) << "polled again without touching Go";
    EXPECT_EQ(server->comSer.registers[5], 56);
}

TEST_F(LineScanTest, AStationThatGoesAwayAndComesBackIsPolledAgain)
{
    GoesAwayAndComesBack(14);
}

TEST_F(LineScanTest, AStationThatGoesAwayAndComesBackIsPolledAgainOnFastScan)
{
    server->PutProperty(DISPID_NIMBO_FASTSCAN, {}, Variant::Bool(true));
    GoesAwayAndComesBack(18);
}

namespace {

// The same line scanned by the timer and by the replies (FastScan).
class LineScanByModeTest : public LineScanTest, public ::testing::WithParamInterface<bool> {
protected:
    void StartIn(int com, std::initializer_list<std::array<int, 3>> plcs)
    {
        server->PutProperty(DISPID_NIMBO_FASTSCAN, {}, Variant::Bool(GetParam()));
        Start(com, plcs);
    }
    void SecondNeverAnswersInTime(int com, const plcsim::Faults& late);
    std::size_t Passes(int plc) const { return std::count(onPlc.begin(), onPlc.end(), plc); }
    void RunUntil(const std::function<bool()>& done)
    {
        for (int i = 0; i < 80 && !done(); ++i)
            nimbo::RunEventLoop(50);
    }
};

TEST_P(LineScanByModeTest, PassesApplyTheStationsValues)
{
    plcsim::Station& one = stations.Add(1);
    for (int r = 0; r < 48; ++r)
        one.Set(r, 7000 + r);
    stations.Add(3).Set(107, -107);
    StartIn(15, {{1, 0, 47}, {3, 100, 115}});
    RunUntil([&] { return Passes(1) >= 1 && Passes(3) >= 1; });
    ASSERT_GE(Passes(1), 1u);
    for (int r = 0; r < 48; ++r)
        EXPECT_EQ(server->comSer.registers[r], 7000 + r) << r;
    EXPECT_EQ(server->comSer.registers[107], -107);
    EXPECT_EQ(server->fastScanning, GetParam() ? TRUE : FALSE);
}

// A station that does not answer, or answers past its deadline (and past
// the tick), is given up on and the scan goes on to the next PLC. (A reply
// that comes that late may still be taken for a later request to the same
// station, on either scan: it holds what the station held.)
void LineScanByModeTest::SecondNeverAnswersInTime(int com, const plcsim::Faults& late)
{
    stations.Add(1).Set(5, 55);
    stations.Add(2, late).Set(20, 22);
    StartIn(com, {{1, 0, 15}, {2, 16, 31}});
    RunUntil([&] { return Passes(1) >= 3; });
    EXPECT_GE(Passes(1), 3u);
    EXPECT_EQ(server->comSer.registers[5], 55);
    std::size_t asked = 0;
    for (const auto& e : stations.Log().Entries())
        asked += e.station == 2 && e.kind == plcsim::RequestKind::ReadBlock;
    EXPECT_LT(Passes(2), asked) << "PLC 2 was given up on";
}

TEST_P(LineScanByModeTest, ASilentStationLetsTheNextAnswer)
{
    plcsim::Faults silent;
    silent.silent = true;
    SecondNeverAnswersInTime(16, silent);
    EXPECT_EQ(Passes(2), 0u);
    EXPECT_EQ(server->comSer.plcLastSeen[1], 0) << "no pass of PLC 2 closed";
    EXPECT_NE(server->comSer.plcStatus[1], PLC_OK);
}

TEST_P(LineScanByModeTest, AStationAnsweringTooLateLetsTheNextAnswer)
{
    plcsim::Faults late;
    late.delay_ms = 150;
    SecondNeverAnswersInTime(17, late);
}

INSTANTIATE_TEST_SUITE_P(Scans, LineScanByModeTest, ::testing::Values(false, true),
                         [](const auto& info) { return std::string(info.param ? "Fast" : "Timer"); });

}  // namespace
