// A panel on another PC: plcsim -> nimbo-gateway -> mosquitto -> a form
// run here whose server takes its line from the broker.
#include "platform/form.h"
#include "platform/form_editor.h"
#include "platform/olectl.h"
#include "platform/scripting.h"
#include "platform/winuser.h"
#include "tools/gateway/tests/line_on_broker.h"
#include "tools/gateway/tests/listening_client.h"

#include <gtest/gtest.h>

#include <signal.h>

#include <filesystem>
#include <memory>
#include <sstream>

using brokertest::Eventually;

namespace {

// The same form on either line: a lamp on register 300 bit 0, a button on
// bit 1, a numeric display of register 301; the server at the bottom right.
std::string PanelForm(const std::string& remote)
{
    return R"(Form Remote
    Caption = "Remote"
    ClientWidth = 4800
    ClientHeight = 2400
    Server = "Line"
    RegisterClients = true
    StartServer = true
    Begin Lamp LEDLib.Led
        Left = 120
        Top = 120
        Width = 2520
        Height = 360
        Plc = 1
        Reg = 300
        Bit = 0
    End
    Begin Push ZEMBUTTONLib.ZemButton
        Left = 120
        Top = 720
        Width = 2520
        Height = 360
        Plc = 1
        Reg = 300
        Bit = 1
        Align = 0
    End
    Begin Number ZEMEDITLib.ZEMEDIT
        Left = 120
        Top = 1320
        Width = 2520
        Height = 600
        Plc = 1
        Reg = 301
    End
    Begin Line NIMBOLib.Nimbo
        Left = 4200
        Top = 1800
        Width = 480
        Height = 480
        COM = 1
        Speed = 115200
        InternalTimer = 20
        PlcEnabled1 = 1
        PlcStart1 = 300
        PlcStop1 = 303
)" + (remote.empty() ? "" : "        Remote = \"" + remote + "\"\n") +
           "    End\nEnd\n";
}

class RemotePanel : public brokertest::LineOnBroker {
protected:
    RemotePanel() : LineOnBroker({"--set", "1:300=1", "--set", "1:301=4321"}) {}

    void TearDown() override
    {
        listener.reset();
        if (panel)
            panel->Close();
        panel.reset();
        LineOnBroker::TearDown();
    }

    // Runs the event loop until `done`, for at most `seconds`.
    static bool RunUntil(const std::function<bool()>& done, double seconds = 20)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        while (!done()) {
            if (std::chrono::steady_clock::now() > end)
                return false;
            nimbo::RunEventLoop(10);
        }
        return true;
    }

    void OpenPanel(const std::string& remote)
    {
        std::string error;
        panel = nimbo::Form::Parse(PanelForm(remote), "remote.frm", &error);
        ASSERT_TRUE(panel && panel->Create(&error)) << error;
        listener = std::make_unique<brokertest::ListeningClient>();
        ASSERT_TRUE(listener->Create(panel->Window()));
        COleControl* server = panel->Control("Line");
        const DispEntry* add = server->Dispatch().Find("AddClient");
        ASSERT_EQ(server->PutProperty(add->id, {}, Variant::Long(static_cast<std::int32_t>(listener->m_hWnd))), S_OK);
        panel->Show();
    }

    // The panel once a few passes have come in and nothing moves any more.
    nimbo::Pixels Settled()
    {
        EXPECT_TRUE(RunUntil([&] { return listener->data >= 3; }));
        nimbo::RunEventLoop(300);
        return nimbo::GrabWindowPixels(panel->Window());
    }

    void Click(const std::string& name) { Click(*panel, name); }
    static void Click(nimbo::Form& form, const std::string& name)
    {
        const HWND button = form.ControlWindow(name);
        SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    }

    std::unique_ptr<nimbo::Form> panel;
    std::unique_ptr<brokertest::ListeningClient> listener;
};

TEST_F(RemotePanel, ShowsTheSamePictureAsTheSameFormOnTheLocalLine)
{
    StartGateway();
    OpenPanel(broker.Url());
    const nimbo::Pixels remote = Settled();
    listener.reset();
    panel->Close();
    gateway.Stop();  // the line is the local panel's now

    OpenPanel("");
    const nimbo::Pixels local = Settled();
    ASSERT_EQ(remote.width, local.width);
    ASSERT_EQ(remote.height, local.height);
    // Everything but the server's own face, which turns on its own.
    const HWND face = panel->ControlWindow("Line");
    RECT r{};
    GetWindowRect(face, &r);
    POINT corner{r.left, r.top};
    ScreenToClient(panel->Window(), &corner);
    int differing = 0;
    for (int y = 0; y < local.height; ++y)
        for (int x = 0; x < local.width; ++x) {
            const bool onFace = x >= corner.x && x < corner.x + (r.right - r.left) && y >= corner.y &&
                                y < corner.y + (r.bottom - r.top);
            if (!onFace && remote.At(x, y) != local.At(x, y))
                ++differing;
        }
    EXPECT_EQ(differing, 0);
}

TEST_F(RemotePanel, AButtonWritesOnceThroughTheGatewayAndARefusalIsShown)
{
    StartGateway({"--writable", "1:300-300"});
    OpenPanel(broker.Url());
    ASSERT_TRUE(RunUntil([&] { return listener->data >= 2; }));
    Click("Push");
    ASSERT_TRUE(Eventually([&] { return Logged("write reg=300 value=3") == 1; }, 10)) << SimLog();
    nimbo::RunEventLoop(500);
    EXPECT_EQ(Logged("write reg=300"), 1u);

    // The same button on a gateway that does not let it write.
    gateway.Stop();
    StartGateway();
    ASSERT_TRUE(RunUntil([&] { return listener->data >= 6; }));
    const int boxes = nimbo::MessageBoxCount();
    Click("Push");
    EXPECT_TRUE(RunUntil([&] { return nimbo::MessageBoxCount() > boxes; }, 10));
    EXPECT_EQ(nimbo::LastMessageBoxText(), "refused: register not writable");
    EXPECT_EQ(Logged("write reg=300"), 1u);
}

TEST_F(RemotePanel, GoesOfflineWhenTheGatewayOrTheBrokerGoesAndLiveWhenBack)
{
    StartGateway({"--writable", "1:300-300"});
    OpenPanel(broker.Url());
    ASSERT_TRUE(RunUntil([&] { return listener->data >= 2; }));

    const int offline = listener->offline;
    gateway.Stop();
    auto asked = std::chrono::steady_clock::now();
    ASSERT_TRUE(RunUntil([&] { return listener->offline > offline; }, 5));
    EXPECT_LE(std::chrono::steady_clock::now() - asked, std::chrono::seconds(2));
    // A write while the gateway is away is never carried out later.
    Click("Push");
    nimbo::RunEventLoop(200);
    StartGateway({"--writable", "1:300-300"});
    int data = listener->data;
    EXPECT_TRUE(RunUntil([&] { return listener->data > data; }));

    broker.Stop();
    asked = std::chrono::steady_clock::now();
    const int before = listener->offline;
    ASSERT_TRUE(RunUntil([&] { return listener->offline > before; }, 5));
    EXPECT_LE(std::chrono::steady_clock::now() - asked, std::chrono::seconds(2));
    ASSERT_TRUE(broker.Start(folder));
    data = listener->data;
    EXPECT_TRUE(RunUntil([&] { return listener->data > data; }, 20));
    EXPECT_EQ(Logged("write reg=300"), 0u) << SimLog();
}

}  // namespace

namespace {

TEST_F(RemotePanel, ManyPanelsShowTheSameValuesAndAWriteFromAnyIsDoneOnce)
{
    StartGateway({"--writable", "1:300-300"});
    std::vector<std::unique_ptr<nimbo::Form>> others;
    for (int i = 0; i < 4; ++i) {
        std::string error;
        others.push_back(nimbo::Form::Parse(PanelForm(broker.Url()), "remote.frm", &error));
        ASSERT_TRUE(others.back()->Create(&error)) << error;
        others.back()->Show();
    }
    OpenPanel(broker.Url());
    const DISPID reg = panel->Control("Line")->Dispatch().Find("Reg")->id;
    const DispArgs at301{Variant::Long(1), Variant::Long(301)};
    EXPECT_TRUE(RunUntil([&] {
        for (auto& f : others)
            if (f->Get("Line", reg, at301).AsLong() != 4321)
                return false;
        return panel->Get("Line", reg, at301).AsLong() == 4321;
    }));
    Click(*others[2], "Push");
    EXPECT_TRUE(RunUntil([&] { return Logged("write reg=300") >= 1; }, 10));
    nimbo::RunEventLoop(500);
    EXPECT_EQ(Logged("write reg=300"), 1u);
    for (auto& f : others)
        f->Close();
}

TEST_F(RemotePanel, TheStaleImageOfAGatewayThatIsOfflineIsNotShownAsLive)
{
    StartGateway();
    nimbo::RunEventLoop(1000);  // the broker keeps its passes, retained
    gateway.Stop();
    OpenPanel(broker.Url());
    nimbo::RunEventLoop(1500);
    EXPECT_EQ(listener->data, 0);
    StartGateway();
    EXPECT_TRUE(RunUntil([&] { return listener->data > 0; }));
}

TEST_F(RemotePanel, InDesignModeF5RunsTheFormOnItsRemoteLineAndBack)
{
    StartGateway();
    std::string error;
    auto form = nimbo::Form::Parse(PanelForm(broker.Url()), "remote.frm", &error);
    ASSERT_TRUE(form) << error;
    nimbo::FormEditor editor(*form);
    ASSERT_TRUE(editor.Ready(&error)) << error;
    const DISPID reg = form->Control("Line")->Dispatch().Find("Reg")->id;
    const DispArgs at301{Variant::Long(1), Variant::Long(301)};
    nimbo::RunEventLoop(500);
    EXPECT_NE(form->Get("Line", reg, at301).AsLong(), 4321) << "no line while designing";
    editor.StartPanel();
    EXPECT_TRUE(RunUntil([&] { return form->Get("Line", reg, at301).AsLong() == 4321; }));
    editor.StopPanel();
    EXPECT_FALSE(editor.Running());
    form->Close();
}

TEST_F(RemotePanel, AContainerScriptCreatesAServerOnARemoteLine)
{
    StartGateway();
    const std::string script = folder + "/remote.script";
    std::ofstream(script) << "create S NIMBOLib.Nimbo\nput S Remote \"" << broker.Url()
                          << "\"\nput S Go true\nwait 1500\nget S Reg 1 301\nquit\n";
    EXPECT_EQ(xtest::Capture(std::string(NIMBO_BIN) + "/nimbo-container", {script}), "4321\n");
}

}  // namespace
