// The client list and the notifications sent to it.
#include "server/tests/server_fixture.h"

TEST_F(ServerTest, AddAndRemoveKeepOrderWithoutDuplicates)
{
    RecordingClient a(1), b(1), c(1);
    Put(DISPID_NIMBO_ADDCLIENT, Variant::Long(a.m_hWnd));
    Put(DISPID_NIMBO_ADDCLIENT, Variant::Long(a.m_hWnd));
    Put(DISPID_NIMBO_ADDCLIENT, Variant::Long(0));
    Put(DISPID_NIMBO_ADDCLIENT, Variant::Long(b.m_hWnd));
    Put(DISPID_NIMBO_ADDCLIENT, Variant::Long(c.m_hWnd));
    EXPECT_EQ(server->clientWindows, (std::vector<HWND>{a.m_hWnd, b.m_hWnd, c.m_hWnd}));
    Put(DISPID_NIMBO_REMOVECLIENT, Variant::Long(0x7777));
    Put(DISPID_NIMBO_REMOVECLIENT, Variant::Long(b.m_hWnd));
    EXPECT_EQ(server->clientWindows, (std::vector<HWND>{a.m_hWnd, c.m_hWnd}));
    Put(DISPID_NIMBO_ADDCLIENT, Variant::Long(0x12345));
    EXPECT_EQ(server->clientWindows.size(), 3u) << "liveness is not checked when adding";
}

TEST_F(ServerTest, EveryPutOfGoSendsEachLiveClientOneOffline)
{
    RecordingClient plain(1), noRecord(1, false);
    auto gone = std::make_unique<RecordingClient>(1);
    HWND goneHandle = gone->m_hWnd;
    for (HWND h : {plain.m_hWnd, noRecord.m_hWnd, goneHandle})
        Put(DISPID_NIMBO_ADDCLIENT, Variant::Long(h));
    gone.reset();

    Put(DISPID_NIMBO_GO, Variant::Bool(true));  // fails: no PLC enabled
    Put(DISPID_NIMBO_GO, Variant::Bool(false));
    EXPECT_EQ(plain.offline, 2);
    EXPECT_EQ(noRecord.offline, 2) << "the offline message needs no identity record";
    EXPECT_EQ(server->clientWindows.size(), 3u) << "a destroyed window stays registered";
}

TEST_F(ServerTest, DataGoesToEveryClientWithARecordAfterEachPass)
{
    stations.Add(1);
    stations.Add(2);
    Enable(1, 0, 15);
    Enable(2, 16, 31);
    RecordingClient one(1), two(2), noRecord(1, false);
    auto gone = std::make_unique<RecordingClient>(1);
    for (HWND h : {one.m_hWnd, two.m_hWnd, noRecord.m_hWnd, gone->m_hWnd})
        Put(DISPID_NIMBO_ADDCLIENT, Variant::Long(h));
    gone.reset();

    Put(DISPID_NIMBO_GO, Variant::Bool(true));
    Tick(3);
    EXPECT_EQ(one.data, (std::vector<int>{2, 1})) << "both hear both PLCs; each filters for itself";
    EXPECT_EQ(two.data, one.data);
    EXPECT_TRUE(noRecord.data.empty());
    EXPECT_EQ(one.port, &server->comSer);
}
