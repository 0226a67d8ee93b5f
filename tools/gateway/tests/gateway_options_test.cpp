#include "tools/gateway/gateway_options.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace gateway {
namespace {

std::optional<GatewayOptions> Parse(std::vector<std::string> args, std::string* error = nullptr)
{
    std::string ignored;
    return ParseGatewayOptions(args, error ? error : &ignored);
}

TEST(GatewayOptions, TakeALineFromOptionsWithTheBrokerAndWrites)
{
    const auto o = Parse({"--com", "3", "--speed", "19200", "--plc", "1:300-347", "--plc", "2:0-15", "--broker",
                          "mqtt://[::1]:1884", "--writable", "1:300-300", "--fast"});
    ASSERT_TRUE(o);
    EXPECT_EQ(*o->com, 3);
    EXPECT_EQ(*o->speed, 19200);
    ASSERT_EQ(o->plcs.size(), 2u);
    EXPECT_EQ(o->plcs[0].last, 347);
    EXPECT_EQ(o->broker.host, "::1");
    EXPECT_EQ(o->broker.port, 1884);
    EXPECT_FALSE(o->broker.tls);
    EXPECT_TRUE(o->fast);
    ASSERT_EQ(o->writable.size(), 1u);
}

TEST(GatewayOptions, ReadAServiceInstancesFile)
{
    const std::string path = ::testing::TempDir() + "/gateway.conf";
    std::ofstream(path) << "# line 1 of the plant\n--com 2\n--plc 4:10-20   # the boiler\n\n--prefix plant/boiler\n";
    const auto o = Parse({"--config", path, "--cafile", "/etc/ca.pem"});
    ASSERT_TRUE(o);
    EXPECT_EQ(*o->com, 2);
    EXPECT_EQ(o->plcs.at(0).plc, 4);
    EXPECT_EQ(o->prefix, "plant/boiler");
    EXPECT_TRUE(o->broker.tls);
    std::remove(path.c_str());
}

struct Wrong {
    std::vector<std::string> args;
    const char* says;
};

class WrongOptions : public ::testing::TestWithParam<Wrong> {};

TEST_P(WrongOptions, AreRefusedWithTheReason)
{
    std::string error;
    EXPECT_FALSE(Parse(GetParam().args, &error));
    EXPECT_NE(error.find(GetParam().says), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WrongOptions,
    ::testing::Values(Wrong{{}, "no line"}, Wrong{{"--com", "1"}, "no line"},
                      Wrong{{"--com", "1", "--plc", "0:1-2"}, "bad value for --plc"},
                      Wrong{{"--com", "1", "--plc", "1:20-10"}, "bad value for --plc"},
                      Wrong{{"--com", "1", "--plc", "1:0-32000"}, "bad value for --plc"},
                      Wrong{{"--com", "1", "--plc", "1:0-2", "--plc", "1:5-6"}, "given twice"},
                      Wrong{{"f.frm", "--plc", "1:0-2"}, "only --com"},
                      Wrong{{"--com", "1", "--plc", "1:0-2", "--writable-from-form"}, "needs a form"},
                      Wrong{{"f.frm", "--broker", "tcp://host"}, "bad broker address"},
                      Wrong{{"f.frm", "--broker", "mqtt://host:0"}, "bad broker address"},
                      Wrong{{"f.frm", "--broker", "mqtt://user@host"}, "bad broker address"},
                      Wrong{{"f.frm", "--prefix", "nimbo/#"}, "bad topic prefix"},
                      Wrong{{"f.frm", "--password-file", "p"}, "needs --user"},
                      Wrong{{"f.frm", "--config", "/nonexistent/x.conf"}, "cannot read"},
                      Wrong{{"f.frm", "--broker"}, "missing value"}, Wrong{{"a.frm", "b.frm"}, "one form"}));

}  // namespace
}  // namespace gateway
