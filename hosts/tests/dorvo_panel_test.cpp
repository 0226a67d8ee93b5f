// The generator-set panel against station 1 on COM3.
#include "hosts/dorvo/dorvo_panel.h"
#include "hosts/tests/host_fixture.h"

namespace {
constexpr DISPID kLedValue = 7;
constexpr DISPID kEditValue = 9;
}

TEST_F(HostTest, DorvoShowsPowerAndAlarms)
{
    plcsim::Station& st = Serve(3);
    st.Set(329, 1234);
    st.Set(327, 0x05);
    DorvoPanel panel;
    nimbo::Form& g = panel.Main();
    g.Show();
    EXPECT_EQ(Server(g)->clientWindows.size(), 20u);
    ASSERT_TRUE(RunUntil([&] { return g.Get("ZEMEDIT10", DISPID_READYSTATE).AsLong() == READYSTATE_LOADING; }));
    EXPECT_EQ(Long(g, "ZEMEDIT10", kEditValue), 1234);
    std::vector<int> lit;
    for (int k = 1; k <= 8; ++k)
        if (Long(g, "Led" + std::to_string(k), kLedValue) == 1)
            lit.push_back(k);
    EXPECT_EQ(lit, (std::vector<int>{1, 3}));
    g.Close();
}

TEST_F(HostTest, SecondaryWindowsRegisterOnceAndRemoveTheirDisplays)
{
    plcsim::Station& st = Serve(3);
    st.Set(300, 200);
    DorvoPanel panel;
    nimbo::Form& g = panel.Main();
    g.Show();
    CNimboCtrl* server = Server(g);

    Click(g, "Command1");
    Click(g, "Command1");
    EXPECT_EQ(server->clientWindows.size(), 22u) << "opening Costanti twice registers its displays once";
    nimbo::Form* costanti = panel.Costanti().Form();
    ASSERT_NE(costanti, nullptr);
    EXPECT_EQ(costanti->Get("ZEMEDIT1", DISPID_READYSTATE).AsLong(), READYSTATE_LOADING)
        << "a window opened later shows its normal look, not the offline one";
    EXPECT_EQ(Long(*costanti, "ZEMEDIT1", kEditValue), 0);
    ASSERT_TRUE(RunUntil([&] { return Long(*costanti, "ZEMEDIT1", kEditValue) == 200; }));

    Click(g, "Command2");
    EXPECT_EQ(server->clientWindows.size(), 30u);
    Click(*costanti, "Command1");  // Ok
    EXPECT_FALSE(panel.Costanti().IsOpen());
    EXPECT_EQ(server->clientWindows.size(), 28u);
    SendMessageA(panel.Storico().Form()->Window(), WM_CLOSE, 0, 0);  // the close box
    EXPECT_EQ(server->clientWindows.size(), 20u);

    Click(g, "Command1");
    EXPECT_EQ(server->clientWindows.size(), 22u) << "reopening registers again";
    panel.Costanti().Close();
    g.Close();
}

TEST_F(HostTest, SecondaryClosedAfterTheMainWindowTouchesNothing)
{
    Serve(3);
    DorvoPanel panel;
    nimbo::Form& g = panel.Main();
    g.Show();
    Click(g, "Command1");
    ASSERT_TRUE(panel.Costanti().IsOpen());
    g.Close();
    EXPECT_EQ(g.Control("Nimbo1"), nullptr);
    panel.Costanti().Close();  // must not reach the destroyed server
    EXPECT_FALSE(panel.Costanti().IsOpen());
}
