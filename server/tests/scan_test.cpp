// The scan cycle, tick by tick.
#include "server/tests/server_fixture.h"
#include "platform/scripting.h"

using plcsim::RequestKind;

TEST_F(ServerTest, GoWithNoPlcEnabledSaysSoAndStillReadsTrue)
{
    int boxes = nimbo::MessageBoxCount();
    Put(DISPID_NIMBO_GO, Variant::Bool(true));
    EXPECT_EQ(nimbo::MessageBoxCount(), boxes + 1);
    EXPECT_EQ(nimbo::LastMessageBoxText(), "Non si Apre la porta di\n Comunicazione Seriale");
    EXPECT_TRUE(Get(DISPID_NIMBO_GO).AsBool());
    EXPECT_EQ(server->scanning, 0);
    Tick(3);
    EXPECT_TRUE(Received(RequestKind::ReadBlock).empty());
}

TEST_F(ServerTest, GoOnAMissingPortSaysSo)
{
    Enable(1, 0, 15);
    Put(DISPID_NIMBO_COM, Variant::Long(9));
    int boxes = nimbo::MessageBoxCount();
    Put(DISPID_NIMBO_GO, Variant::Bool(true));
    EXPECT_EQ(nimbo::MessageBoxCount(), boxes + 1);
    EXPECT_FALSE(line->isOpen);
}

TEST_F(ServerTest, StartStopAndRestart)
{
    stations.Add(1);
    Enable(1, 0, 15);
    Put(DISPID_NIMBO_GO, Variant::Bool(true));
    EXPECT_TRUE(line->isOpen);
    EXPECT_EQ(server->scanning, 1);
    int opens = line->opens;
    Put(DISPID_NIMBO_GO, Variant::Bool(true));
    EXPECT_EQ(line->opens, opens + 1) << "a second start closes and opens again";
    Put(DISPID_NIMBO_GO, Variant::Bool(false));
    EXPECT_FALSE(line->isOpen);
    EXPECT_EQ(server->scanning, 0);
    EXPECT_FALSE(Get(DISPID_NIMBO_GO).AsBool());
}

TEST_F(ServerTest, TwoPlcsAlternateStartingWithTheSecond)
{
    stations.Add(1);
    stations.Add(3);
    Enable(1, 0, 15);
    Enable(3, 100, 115);
    stations.Find(3)->Set(100, 33);
    Put(DISPID_NIMBO_GO, Variant::Bool(true));
    Tick();
    EXPECT_EQ(server->comSer.plcStatus[0], 0) << "the first tick finds nothing awaited";
    Tick(6);
    EXPECT_EQ(onPlc, (std::vector<int>{3, 1, 3, 1, 3, 1}));
    EXPECT_EQ(server->comSer.registers[100], 33);
    EXPECT_EQ(server->comSer.plcStatus[0], 1) << "PLC 1's pass closed last";
    EXPECT_EQ(server->comSer.plcStatus[2], 2) << "PLC 3's pass is under way again";
}

TEST_F(ServerTest, SilentPlcIsMarkedEveryTickAndAskedAgain)
{
    plcsim::Faults silent;
    silent.silent = true;
    stations.Add(1, silent);
    Enable(1, 0, 15);
    RecordingClient client(1);
    Put(DISPID_NIMBO_ADDCLIENT, Variant::Long(client.m_hWnd));
    Put(DISPID_NIMBO_GO, Variant::Bool(true));
    for (int i = 0; i < 6; ++i) {
        Tick();
        // Marked 0, then at once under way again with the next request.
        EXPECT_EQ(server->comSer.plcStatus[0], 2);
        EXPECT_EQ(server->comSer.plcLastSeen[0], 0) << "no pass ever closed";
    }
    EXPECT_EQ(Received(RequestKind::ReadBlock).size(), 6u);
    EXPECT_TRUE(client.data.empty());
    EXPECT_TRUE(onPlc.empty());
}

TEST_F(ServerTest, TickWithinAPassNotifiesNobody)
{
    stations.Add(1);
    Enable(1, 0, 47);
    RecordingClient client(1);
    Put(DISPID_NIMBO_ADDCLIENT, Variant::Long(client.m_hWnd));
    Put(DISPID_NIMBO_GO, Variant::Bool(true));
    Tick(2);  // nothing awaited, then the block at 0
    EXPECT_TRUE(client.data.empty());
    EXPECT_TRUE(onPlc.empty());
    std::int32_t time = server->iconTime;
    Tick();
    EXPECT_TRUE(onPlc.empty());
    EXPECT_NE(server->iconTime, time) << "the face still advances";
    Tick();
    EXPECT_EQ(onPlc, (std::vector<int>{1}));
    EXPECT_EQ(server->iconFrame, 10);
}

TEST_F(ServerTest, ScanGoesIdleWhenNoPlcIsEnabledAnyMore)
{
    stations.Add(1);
    Enable(1, 0, 15);
    Put(DISPID_NIMBO_GO, Variant::Bool(true));
    Tick(3);
    Put(DISPID_NIMBO_PLCENABLED1, Variant::Long(0));
    Tick(3);
    std::size_t asked = Received(RequestKind::ReadBlock).size();
    std::int32_t status[32];
    std::copy(std::begin(server->comSer.plcStatus), std::end(server->comSer.plcStatus), status);
    Tick(5);
    EXPECT_EQ(Received(RequestKind::ReadBlock).size(), asked);
    EXPECT_TRUE(std::equal(std::begin(status), std::end(status), server->comSer.plcStatus));
    for (const auto& e : stations.Log().Entries())
        EXPECT_NE(e.station, 0);

    Put(DISPID_NIMBO_PLCENABLED1, Variant::Long(1));
    Tick(3);
    EXPECT_GT(Received(RequestKind::ReadBlock).size(), asked) << "resumes once a PLC is enabled again";
}

TEST_F(ServerTest, InternalTimerChangeWhileRunningKeepsScanning)
{
    stations.Add(1);
    Enable(1, 0, 15);
    Put(DISPID_NIMBO_GO, Variant::Bool(true));
    Put(DISPID_NIMBO_INTERNALTIMER, Variant::Long(40));
    Tick(4);
    EXPECT_FALSE(onPlc.empty());
}

TEST_F(ServerTest, FaceShowsFreshDataOnceThenAnimates)
{
    auto dc = nimbo::CreateImageDC(32, 32, RGB(192, 192, 192));
    RECT r{0, 0, 32, 32};
    server->iconFrame = 10;
    server->OnDraw(dc.get(), r, r);
    EXPECT_EQ(server->iconFrame, 0);
    EXPECT_EQ(server->iconTime, 400);
    server->OnDraw(dc.get(), r, r);
    EXPECT_EQ(server->iconFrame, 1);
    server->iconFrame = 8;
    server->OnDraw(dc.get(), r, r);
    EXPECT_EQ(server->iconFrame, 0);
    server->iconTime = 0;
    server->AdvanceAnimation();
    EXPECT_EQ(server->iconTime, 100) << "100 is not more than 100";
    server->AdvanceAnimation();
    EXPECT_EQ(server->iconTime, 0);
}
