#include "server/remote_line.h"

#include <gtest/gtest.h>

namespace {

TEST(RemotePass, ReadsWhatTheGatewayPublishes)
{
    const auto pass = ParseRemotePass(R"( {"first":300,"values":[7,-2147483648, 2147483647],"ms":120,"seen":"14:02:11"} )");
    ASSERT_TRUE(pass);
    EXPECT_EQ(pass->first, 300);
    EXPECT_EQ(pass->values, (std::vector<std::int32_t>{7, INT32_MIN, INT32_MAX}));
    EXPECT_EQ(pass->ms, 120u);
    EXPECT_EQ(pass->seen, 14 * 65536 + 2 * 256 + 11);
    EXPECT_TRUE(ParseRemotePass(R"({"values":[],"first":255999})"));
}

class BadPass : public ::testing::TestWithParam<const char*> {};

TEST_P(BadPass, IsRefusedWhole)
{
    EXPECT_FALSE(ParseRemotePass(GetParam())) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BadPass,
    ::testing::Values("", "{}", "[]", R"({"first":300})", R"({"values":[1]})", R"({"first":-1,"values":[1]})",
                      R"({"first":256000,"values":[]})", R"({"first":255999,"values":[1,2]})",
                      R"({"first":0,"values":[2147483648]})", R"({"first":0,"values":[1,]})",
                      R"({"first":0,"values":[1] )", R"({"first":0,"values":[1]} x)", R"({"first":0,"values":[1],"other":1})",
                      R"({"first":0,"values":[1],"seen":"25:00:00"})", R"({"first":0,"values":[1],"seen":"1:2:3"})",
                      R"({"first":0,"values":["1"]})", R"({"first":0x10,"values":[1]})"));

TEST(RemoteAddress, TakesThePrefixFromTheUrlOrTheServersCom)
{
    const auto given = ParseRemote("mqtt://plant:1884/lines/boiler/", 1);
    ASSERT_TRUE(given);
    EXPECT_EQ(given->broker.host, "plant");
    EXPECT_EQ(given->broker.port, 1884);
    EXPECT_EQ(given->prefix, "lines/boiler");
    EXPECT_EQ(ParseRemote("mqtt://plant", 3)->prefix, "nimbo/COM3");
    EXPECT_FALSE(ParseRemote("mqtt://plant/nimbo/#", 1));
    EXPECT_FALSE(ParseRemote("tcp://plant", 1));
    EXPECT_FALSE(ParseRemote("mqtt://:1883", 1));
}

TEST(ServerPort, AskTheRemoteLineForWritesWhenThereIsOne)
{
    auto port = std::make_unique<CServerPort>();
    std::vector<std::tuple<int, int, std::int32_t>> asked;
    port->remoteWrite = [&](int plc, int reg, std::int32_t value) { asked.emplace_back(plc, reg, value); };
    CComSer& asClientsSeeIt = *port;
    asClientsSeeIt.SetRegister(2, 300, 5);
    const std::int32_t block[CComSer::kBlockSize] = {1, 2};
    asClientsSeeIt.SetRegisterBlock(2, 400, block);
    ASSERT_EQ(asked.size(), 1u + CComSer::kBlockSize);
    EXPECT_EQ(asked[0], std::make_tuple(2, 300, 5));
    EXPECT_EQ(asked[2], std::make_tuple(2, 401, 2));
    EXPECT_EQ(port->GetRegisters()[300], 5);  // shown at once, as on a local line
}

}  // namespace
