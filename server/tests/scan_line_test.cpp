// The scan on its real timer, against simulated stations on a
// pseudo-terminal.
#include "server/tests/server_fixture.h"
#include "tools/plcsim/pty_server.h"

#include <cstdlib>
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
TEST_F(LineScanTest, AStationThatGoesAwayAndComesBackIsPolledAgain)
{
    stations.Add(1).Set(5, 55);
    Start(14, {{1, 0, 15}});
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
    line = std::make_unique<plcsim::PtyServer>(stations, 14, folder);
    line->Start();
    for (int i = 0; i < 60 && onPlc.empty(); ++i)
        nimbo::RunEventLoop(50);
    EXPECT_FALSE(onPlc.empty()) << "polled again without touching Go";
    EXPECT_EQ(server->comSer.registers[5], 56);
}
