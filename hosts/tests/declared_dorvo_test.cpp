// The generator-set panel written as declaring forms, with no code: the
// same client lists as the dorvo program and the same main window.
#include "hosts/dorvo/dorvo_panel.h"
#include "hosts/tests/host_fixture.h"

#include <fstream>
#include <sstream>

namespace {

constexpr DISPID kEditValue = 9;

std::string Bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::unique_ptr<nimbo::Form> DeclaredMain()
{
    std::string error;
    auto form = nimbo::Form::Load(NIMBO_EXAMPLES "/dorvo/generale.frm", &error);
    EXPECT_TRUE(form && form->Create(&error)) << error;
    return form;
}

}  // namespace

TEST_F(HostTest, DeclaredDorvoRegistersAsDorvoDoes)
{
    Serve(3).Set(300, 200);
    auto g = DeclaredMain();
    ASSERT_TRUE(g);
    g->Show();
    CNimboCtrl* server = Server(*g);
    EXPECT_EQ(server->clientWindows.size(), 20u);
    Click(*g, "Command1");
    Click(*g, "Command1");
    EXPECT_EQ(server->clientWindows.size(), 22u) << "opened once";
    nimbo::Form* costanti = g->Opened("costanti");
    ASSERT_NE(costanti, nullptr);
    ASSERT_TRUE(RunUntil([&] { return Long(*costanti, "ZEMEDIT1", kEditValue) == 200; }));
    Click(*costanti, "Command1");  // Ok
    EXPECT_FALSE(costanti->IsOpen());
    EXPECT_EQ(server->clientWindows.size(), 20u);
    g->Close();
}

TEST_F(HostTest, DeclaredDorvoShowsTheSameMainWindowAsDorvo)
{
    plcsim::Station& st = Serve(3);
    st.Set(329, 1234);
    st.Set(327, 0x05);
    // The values are in; the server's face, which follows each tick of the
    // scan, is hidden so that the pictures hold only what the forms decide.
    const auto settled = [](nimbo::Form& f) {
        const bool in = RunUntil([&] { return Long(f, "ZEMEDIT10", kEditValue) == 1234; });
        ShowWindow(f.ControlWindow("Nimbo1"), SW_HIDE);
        nimbo::RunEventLoop(50);
        return in;
    };
    auto declared = DeclaredMain();
    ASSERT_TRUE(declared);
    declared->Show();
    ASSERT_TRUE(settled(*declared));
    ASSERT_TRUE(declared->SaveScreenshot(folder + "/declared.png"));
    declared->Close();

    DorvoPanel panel;
    panel.Main().Show();
    ASSERT_TRUE(settled(panel.Main()));
    ASSERT_TRUE(panel.Main().SaveScreenshot(folder + "/dorvo.png"));
    panel.Main().Close();
    EXPECT_EQ(Bytes(folder + "/declared.png"), Bytes(folder + "/dorvo.png")) << "pixel for pixel";
}
