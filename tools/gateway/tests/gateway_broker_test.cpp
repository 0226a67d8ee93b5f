// plcsim -> nimbo-gateway -> mosquitto -> a subscriber, all real processes.
#include "tools/gateway/tests/line_on_broker.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>

#include <filesystem>
#include <sstream>

using brokertest::Client;
using brokertest::Eventually;

namespace {

const std::string kPrefix = "nimbo/COM1";

class GatewayOnBroker : public brokertest::LineOnBroker {
protected:
    GatewayOnBroker() : LineOnBroker({"--set", "1:300=7", "--counter", "1:301:1:400"}) {}
};

TEST_F(GatewayOnBroker, PublishesTheRetainedImageThenEachChangeOnce)
{
    StartGateway();
    Client late(broker.Port());
    late.Subscribe(kPrefix + "/#");
    // A subscriber that comes late gets the whole image at once, retained.
    ASSERT_TRUE(late.Awaits(kPrefix + "/plc/1/reg/300", "7"));
    EXPECT_TRUE(late.Awaits(kPrefix + "/state", "online"));
    EXPECT_TRUE(late.Awaits(kPrefix + "/plc/1/status", "ok"));
    EXPECT_TRUE(late.Awaits(kPrefix + "/plc/2/status", "off"));
    EXPECT_NE(late.Last(kPrefix + "/plc/1/pass").find("\"first\":300,\"values\":[7,"), std::string::npos);

    // The counter moves every 400 ms while passes close every few tens of
    // ms: each of its values is published once, the constant never again.
    std::this_thread::sleep_for(std::chrono::seconds(3));
    const auto counter = late.On(kPrefix + "/plc/1/reg/301");
    ASSERT_GE(counter.size(), 5u);
    for (std::size_t i = 1; i < counter.size(); ++i)
        EXPECT_EQ(std::stoi(counter[i]), std::stoi(counter[i - 1]) + 1) << "at " << i;
    EXPECT_EQ(late.On(kPrefix + "/plc/1/reg/300").size(), 1u);
    EXPECT_EQ(late.On(kPrefix + "/plc/1/reg/302").size(), 1u);
}

class GatewayScans : public GatewayOnBroker, public ::testing::WithParamInterface<bool> {};

TEST_P(GatewayScans, TellAStationGoneSilentAndBack)
{
    StartGateway(GetParam() ? std::vector<std::string>{"--fast"} : std::vector<std::string>{});
    Client watcher(broker.Port());
    watcher.Subscribe(kPrefix + "/plc/1/status");
    ASSERT_TRUE(watcher.Awaits(kPrefix + "/plc/1/status", "ok"));
    kill(simulator.Pid(), SIGUSR1);
    EXPECT_TRUE(watcher.Awaits(kPrefix + "/plc/1/status", "dead"));
    kill(simulator.Pid(), SIGUSR2);
    EXPECT_TRUE(watcher.Awaits(kPrefix + "/plc/1/status", "ok"));
}

INSTANTIATE_TEST_SUITE_P(TimerAndFast, GatewayScans, ::testing::Bool());

TEST_F(GatewayOnBroker, WritesOnlyWhereAllowedAndAnswersEachRequest)
{
    StartGateway({"--writable", "1:300-300"});
    Client op(broker.Port());
    op.Subscribe("reply/#");
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    op.Publish(kPrefix + "/plc/1/reg/300/set", "42", false, "reply/a");
    EXPECT_TRUE(op.Awaits("reply/a", "done 42"));
    EXPECT_TRUE(Eventually([&] { return Logged("write reg=300 value=42") == 1; }));

    for (int i = 0; i < 3; ++i)
        op.Publish(kPrefix + "/plc/1/reg/301/set", "5", false, "reply/b");
    op.Publish(kPrefix + "/plc/40/reg/1/set", "5", false, "reply/c");
    EXPECT_TRUE(op.Awaits("reply/b", "refused: register not writable"));
    EXPECT_TRUE(op.Awaits("reply/c", "refused: no such PLC (1 to 32)"));
    EXPECT_EQ(Logged("write reg=301"), 0u);
    // Refusals are logged once per cause, not once per message.
    const std::string log = GatewayLog();
    const auto first = log.find("register not writable");
    ASSERT_NE(first, std::string::npos) << log;
    EXPECT_EQ(log.find("register not writable", first + 1), std::string::npos) << log;
}

TEST_F(GatewayOnBroker, AFormsButtonsNameTheWritableRegisters)
{
    const std::string form = folder + "/line.frm";
    std::ofstream(form) << "Form Line\n    Server = \"S\"\n"
                           "    Begin Push ZEMBUTTONLib.ZemButton\n        Plc = 1\n        Reg = 302\n    End\n"
                           "    Begin S NIMBOLib.Nimbo\n        COM = 1\n        Speed = 115200\n        InternalTimer = 20\n"
                           "        PlcEnabled1 = 1\n        PlcStart1 = 300\n        PlcStop1 = 303\n    End\nEnd\n";
    ASSERT_TRUE(gateway.Start(std::string(NIMBO_BIN) + "/nimbo-gateway",
                              {form, "--writable-from-form", "--broker", broker.Url()}, folder + "/gateway.out"));
    ASSERT_TRUE(Eventually([&] { return GatewayLog().find("connected to") != std::string::npos; })) << GatewayLog();
    Client op(broker.Port());
    op.Subscribe("reply/#");
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    op.Publish(kPrefix + "/plc/1/reg/302/set", "9", false, "reply/a");
    op.Publish(kPrefix + "/plc/1/reg/300/set", "9", false, "reply/b");
    EXPECT_TRUE(op.Awaits("reply/a", "done 9")) << op.Last("reply/a");
    EXPECT_TRUE(op.Awaits("reply/b", "refused: register not writable"));
    EXPECT_EQ(Logged("write reg=302 value=9"), 1u);
    EXPECT_EQ(Logged("write reg=300"), 0u);
}

TEST_F(GatewayOnBroker, NeverWritesARetainedRequestNotEvenAfterARestart)
{
    Client op(broker.Port());
    op.Publish(kPrefix + "/plc/1/reg/300/set", "99", true);  // left there before the gateway runs
    StartGateway({"--writable", "1:300-300"});
    op.Publish(kPrefix + "/plc/1/reg/300/set", "98", true);  // and while it runs
    std::this_thread::sleep_for(std::chrono::seconds(1));
    gateway.Stop();
    StartGateway({"--writable", "1:300-300"});
    std::this_thread::sleep_for(std::chrono::seconds(1));
    EXPECT_EQ(Logged("value=99"), 0u);
    EXPECT_EQ(Logged("value=98"), 0u);
    EXPECT_NE(GatewayLog().find("retained set message"), std::string::npos) << GatewayLog();
}

TEST_F(GatewayOnBroker, RidesOutTheBrokerGoingAwayAndComesBackWithTheImage)
{
    StartGateway();
    broker.Stop();
    const std::size_t before = SimLog().size();
    std::this_thread::sleep_for(std::chrono::seconds(10));
    // The line was scanned all the while.
    EXPECT_GT(SimLog().size(), before + 10000);

    ASSERT_TRUE(broker.Start(folder));
    const auto back = std::chrono::steady_clock::now();
    Client late(broker.Port());
    late.Subscribe(kPrefix + "/#");
    // The broker kept nothing: what the subscriber gets was published anew.
    EXPECT_TRUE(late.Awaits(kPrefix + "/state", "online", 6));
    EXPECT_LE(std::chrono::steady_clock::now() - back, std::chrono::seconds(6));
    EXPECT_TRUE(late.Awaits(kPrefix + "/plc/1/reg/300", "7", 2));
    EXPECT_TRUE(late.Awaits(kPrefix + "/plc/1/status", "ok", 2));
}

TEST_F(GatewayOnBroker, StartsWithoutABrokerScansAndPublishesOnceOneIsThere)
{
    broker.Stop();
    ASSERT_TRUE(gateway.Start(std::string(NIMBO_BIN) + "/nimbo-gateway",
                              {"--com", "1", "--speed", "115200", "--timer", "20", "--plc", "1:300-303", "--broker",
                               broker.Url()},
                              folder + "/gateway.out"));
    ASSERT_TRUE(Eventually([&] { return Logged("read reg=300") >= 10; })) << "the scan waits for no broker";
    EXPECT_TRUE(Eventually([&] { return GatewayLog().find("unreachable") != std::string::npos; })) << GatewayLog();
    ASSERT_TRUE(broker.Start(folder));
    Client late(broker.Port());
    late.Subscribe(kPrefix + "/plc/1/reg/300");
    EXPECT_TRUE(late.Awaits(kPrefix + "/plc/1/reg/300", "7", 8));
}

TEST_F(GatewayOnBroker, SigtermLeavesOfflineAndEndsWithinASecond)
{
    StartGateway();
    Client watcher(broker.Port());
    watcher.Subscribe(kPrefix + "/state");
    ASSERT_TRUE(watcher.Awaits(kPrefix + "/state", "online"));
    const auto asked = std::chrono::steady_clock::now();
    kill(gateway.Pid(), SIGTERM);
    int status = -1;
    ASSERT_TRUE(Eventually([&] { return gateway.Ended(&status); }, 5));
    EXPECT_LE(std::chrono::steady_clock::now() - asked, std::chrono::seconds(1));
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(watcher.Awaits(kPrefix + "/state", "offline", 2));
    Client late(broker.Port());
    late.Subscribe(kPrefix + "/state");
    EXPECT_TRUE(late.Awaits(kPrefix + "/state", "offline", 5));
}

TEST_F(GatewayOnBroker, RefusesAPasswordFileOthersMayRead)
{
    const std::string secret = folder + "/secret";
    std::ofstream(secret) << "hunter2\n";
    chmod(secret.c_str(), 0644);
    ASSERT_TRUE(gateway.Start(std::string(NIMBO_BIN) + "/nimbo-gateway",
                              {"--com", "1", "--plc", "1:300-303", "--broker", broker.Url(), "--user", "op",
                               "--password-file", secret},
                              folder + "/gateway.out"));
    int status = -1;
    ASSERT_TRUE(Eventually([&] { return gateway.Ended(&status); }, 10));
    EXPECT_EQ(status, 2);
    EXPECT_NE(GatewayLog().find(secret + " may be read by others (mode 0644)"), std::string::npos) << GatewayLog();
    EXPECT_EQ(GatewayLog().find("hunter2"), std::string::npos);
}

}  // namespace
