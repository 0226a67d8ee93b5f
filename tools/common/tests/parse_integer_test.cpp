#include "tools/common/parse_integer.h"

#include <gtest/gtest.h>

namespace {

struct Reading {
    const char* text;
    std::optional<long long> value;
};

class ParseIntegerTest : public ::testing::TestWithParam<Reading> {};

TEST_P(ParseIntegerTest, ReadsAsEveryToolDoes)
{
    EXPECT_EQ(tools::ParseInteger(GetParam().text, -100000, 100000), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseIntegerTest,
                         ::testing::Values(Reading{"010", 10}, Reading{"0x10", 16}, Reading{"-0x10", -16},
                                           Reading{"+7", 7}, Reading{"", std::nullopt}, Reading{" 5", std::nullopt},
                                           Reading{"5 ", std::nullopt}, Reading{"--5", std::nullopt},
                                           Reading{"0x", std::nullopt}, Reading{"100001", std::nullopt},
                                           Reading{"99999999999999999999", std::nullopt}));

}  // namespace
