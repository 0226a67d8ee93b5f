#include "tools/gateway/set_request.h"

#include <gtest/gtest.h>

namespace gateway {
namespace {

const std::vector<RegisterRange> kWritable{{1, 300, 309}, {32, 31999, 31999}};

struct SetCase {
    const char* topic;
    const char* payload;
    bool retained;
    Refusal expected;
};

class SetRequests : public ::testing::TestWithParam<SetCase> {};

TEST_P(SetRequests, AreJudgedBeforeReachingTheLine)
{
    const SetCase& c = GetParam();
    EXPECT_EQ(JudgeSetRequest("nimbo/COM1", c.topic, c.payload, c.retained, kWritable).refusal, c.expected)
        << c.topic << " <- '" << c.payload << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SetRequests,
    ::testing::Values(SetCase{"nimbo/COM1/plc/1/reg/300/set", "42", false, Refusal::None},
                      SetCase{"nimbo/COM1/plc/32/reg/31999/set", " -2147483648\n", false, Refusal::None},
                      SetCase{"nimbo/COM1/plc/1/reg/300/set", "+7", false, Refusal::None},
                      SetCase{"nimbo/COM1/plc/1/reg/300/set", "42", true, Refusal::Retained},
                      SetCase{"nimbo/COM1/plc/1/reg/310/set", "42", false, Refusal::NotWritable},
                      SetCase{"nimbo/COM1/plc/2/reg/300/set", "42", false, Refusal::NotWritable},
                      SetCase{"nimbo/COM1/plc/0/reg/300/set", "42", false, Refusal::NoSuchPlc},
                      SetCase{"nimbo/COM1/plc/33/reg/300/set", "42", false, Refusal::NoSuchPlc},
                      SetCase{"nimbo/COM1/plc/01/reg/300/set", "42", false, Refusal::NoSuchPlc},
                      SetCase{"nimbo/COM1/plc/1/reg/32000/set", "42", false, Refusal::NoSuchRegister},
                      SetCase{"nimbo/COM1/plc/1/reg/-1/set", "42", false, Refusal::NoSuchRegister},
                      SetCase{"nimbo/COM1/plc/1/reg/99999999999/set", "42", false, Refusal::NoSuchRegister},
                      SetCase{"nimbo/COM1/plc/1/reg/300/set", "2147483648", false, Refusal::NotAValue},
                      SetCase{"nimbo/COM1/plc/1/reg/300/set", "0x10", false, Refusal::NotAValue},
                      SetCase{"nimbo/COM1/plc/1/reg/300/set", "4.5", false, Refusal::NotAValue},
                      SetCase{"nimbo/COM1/plc/1/reg/300/set", "", false, Refusal::NotAValue},
                      SetCase{"nimbo/COM1/plc/1/reg/300/set", "+-1", false, Refusal::NotAValue},
                      SetCase{"nimbo/COM1/plc/1/reg/300/set", "1 2", false, Refusal::NotAValue},
                      SetCase{"nimbo/COM1/plc/1/reg/300/set", "000000000000000000000000000000001", false,
                              Refusal::PayloadTooLong},
                      SetCase{"nimbo/COM1/plc/1/reg/300", "42", false, Refusal::NotASetTopic},
                      SetCase{"nimbo/COM1/plc/1/reg/300/set/x", "42", false, Refusal::NotASetTopic},
                      SetCase{"nimbo/COM2/plc/1/reg/300/set", "42", false, Refusal::NotASetTopic},
                      SetCase{"nimbo/COM1x/plc/1/reg/300/set", "42", false, Refusal::NotASetTopic},
                      SetCase{"nimbo/COM1/plc//reg/300/set", "42", false, Refusal::NoSuchPlc}));

TEST(SetRequest, CarriesWhatWasAsked)
{
    const SetVerdict v = JudgeSetRequest("a/b", "a/b/plc/1/reg/305/set", "-12", false, kWritable);
    ASSERT_EQ(v.refusal, Refusal::None);
    EXPECT_EQ(v.request.plc, 1);
    EXPECT_EQ(v.request.reg, 305);
    EXPECT_EQ(v.request.value, -12);
}

}  // namespace
}  // namespace gateway
