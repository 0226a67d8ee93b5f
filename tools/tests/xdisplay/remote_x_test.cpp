// A panel on another PC, on a real display: a real click on a button of a
// form run with --remote is one write on the station's line, through
// nimbo-gateway and a real mosquitto.
#include "tools/gateway/tests/broker_fixture.h"
#include "tools/tests/xdisplay/x_display_fixture.h"

#include <fstream>

namespace {

using namespace xtest;

const char kForm[] = R"(Form Remote
    Caption = "Remote"
    ClientWidth = 3000
    ClientHeight = 1500
    Server = "Line"
    RegisterClients = true
    StartServer = true
    Begin Push ZEMBUTTONLib.ZemButton
        Left = 120
        Top = 120
        Width = 2520
        Height = 360
        Plc = 1
        Reg = 300
        Bit = 1
        Align = 0
    End
    Begin Line NIMBOLib.Nimbo
        Left = 2400
        Top = 960
        Width = 480
        Height = 480
        COM = 1
    End
End
)";

class RemoteOnX : public XDisplayTest {
protected:
    void TearDown() override
    {
        programs.clear();  // the panel and the gateway before their broker
        broker.Stop();
        XDisplayTest::TearDown();
    }
    brokertest::Broker broker;
};

TEST_F(RemoteOnX, ARealClickOnARemoteButtonIsOneWriteOnTheLine)
{
    StartSimulator({"--set", "1:300=1"});
    ASSERT_TRUE(broker.Start(folder));
    Run("nimbo-gateway", {"--com", "1", "--speed", "115200", "--timer", "20", "--plc", "1:300-303", "--broker",
                          broker.Url(), "--writable", "1:300-300"});
    const std::string form = folder + "/remote.frm";
    std::ofstream(form) << kForm;
    Run("nimbo-panel", {form, "--remote", broker.Url()});
    const Box window = AwaitWindow("^Remote$");
    // Until passes come through the broker the button is offline and takes
    // no click: the gateway publishes them, then the panel has a moment.
    brokertest::Client watcher(broker.Port());
    watcher.Subscribe("nimbo/COM1/plc/1/pass");
    ASSERT_TRUE(Eventually([&] { return watcher.On("nimbo/COM1/plc/1/pass").size() >= 3; }));
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const std::size_t mark = LogMark();
    ClickAt(window.x + 8 + 5, window.y + 8 + 5);
    EXPECT_TRUE(Logged("st=1 write reg=300 value=3", mark));
    std::this_thread::sleep_for(std::chrono::milliseconds(800));
    const std::string after = Read(folder + "/sim.log").substr(mark);
    std::size_t writes = 0;
    for (std::size_t at = after.find(" write "); at != std::string::npos; at = after.find(" write ", at + 1))
        ++writes;
    EXPECT_EQ(writes, 1u) << after;
}

}  // namespace
