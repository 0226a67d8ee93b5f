// The demonstration panel against station 1 on COM1.
#include "hosts/common/host_program.h"
#include "hosts/test/demo_panel.h"
#include "hosts/tests/host_fixture.h"
#include "platform/olectl.h"
#include "platform/registry.h"

namespace {
constexpr DISPID kReadyState = DISPID_READYSTATE;
constexpr DISPID kValue = 7;

bool HasPixel(const nimbo::Pixels& p, std::uint32_t colour)
{
    for (std::uint32_t v : p.argb)
        if (v == colour)
            return true;
    return false;
}
}  // namespace

TEST_F(HostTest, DemoPanelGoesFromOfflineToItsValues)
{
    plcsim::Station& st = Serve(1);
    st.Set(300, 1);
    st.Set(301, 123);
    st.Set(302, 77);
    auto g = LoadHostForm("test", "Generale");
    AttachDemoHandlers(*g);
    g->Show();
    for (const char* client : {"Led1", "ZemLed81", "ZemButton1", "ZemText1", "ZemBar1", "ZEMEDIT1"})
        EXPECT_EQ(Long(*g, client, kReadyState), READYSTATE_COMPLETE) << client << " shows its offline look";
    ASSERT_EQ(Server(*g)->clientWindows.size(), 6u);

    ASSERT_TRUE(RunUntil([&] { return Long(*g, "Led1", kReadyState) == READYSTATE_LOADING; }));
    for (const char* client : {"ZemLed81", "ZemButton1", "ZemText1", "ZemBar1", "ZEMEDIT1"})
        EXPECT_EQ(Long(*g, client, kReadyState), READYSTATE_LOADING) << client << " is online";
    EXPECT_EQ(Long(*g, "Led1", kValue), 1);

    // The text control shows the caption for the bit set: the same picture
    // as a control showing "BIT 0 R(300)=ON" for a clear bit.
    std::string error;
    std::unique_ptr<COleControl> reference(nimbo::CreateControl("ZEMTEXTLib.ZemText", &error));
    ASSERT_NE(reference, nullptr) << error;
    reference->ResetProperties();
    reference->PutProperty(7, {}, Variant::Long(1));
    reference->PutProperty(5, {}, Variant::String("BIT 0 R(300)=ON"));
    reference->CreateControlWindow(g->Window(), 0, 0);
    nimbo::RunEventLoop(50);
    nimbo::Pixels shown = nimbo::GrabWindowPixels(g->ControlWindow("ZemText1"));
    nimbo::Pixels expected = nimbo::GrabWindowPixels(reference->m_hWnd);
    EXPECT_EQ(shown.argb, expected.argb);

    nimbo::Pixels edit = nimbo::GrabWindowPixels(g->ControlWindow("ZEMEDIT1"));
    EXPECT_TRUE(HasPixel(edit, 0xFF00FF00u)) << "green digits";
    EXPECT_TRUE(HasPixel(edit, 0xFF000000u)) << "on black";
}

TEST_F(HostTest, DemoButtonWritesRegister301AndShowsRegister302)
{
    plcsim::Station& st = Serve(1);
    st.Set(302, 4321);
    auto g = LoadHostForm("test", "Generale");
    AttachDemoHandlers(*g);
    g->Show();
    ASSERT_TRUE(RunUntil([&] { return Long(*g, "Led1", kReadyState) == READYSTATE_LOADING; }));
    Click(*g, "Command1");
    EXPECT_EQ(g->Text("Text1"), "4321");
    ASSERT_TRUE(RunUntil([&] { return st.Get(301) == 50; }));
    bool written = false;
    for (const auto& e : stations.Log().Entries())
        written |= e.kind == plcsim::RequestKind::WriteRegister && e.reg == 301 && e.values == std::vector<std::int32_t>{50};
    EXPECT_TRUE(written);
    g->Close();
}
