#include "tools/gateway/line_publisher.h"

#include <gtest/gtest.h>

#include <map>

namespace gateway {
namespace {

Pass PassOf(std::vector<std::int32_t> values, int first = 300)
{
    return Pass{first, std::move(values), 40, (13 << 16) | (5 << 8) | 9};
}

std::map<std::string, std::string> ByTopic(const std::vector<Message>& messages)
{
    std::map<std::string, std::string> out;
    for (const Message& m : messages)
        out[m.topic] = m.payload;
    return out;
}

TEST(LinePublisher, PublishesAChangedValueOnceWithEachPass)
{
    LinePublisher p("nimbo/COM1");
    auto first = ByTopic(p.PassClosed(1, PassOf({7, 8}), true));
    EXPECT_EQ(first.size(), 3u);
    EXPECT_EQ(first["nimbo/COM1/plc/1/reg/300"], "7");
    EXPECT_EQ(first["nimbo/COM1/plc/1/pass"], "{\"first\":300,\"values\":[7,8],\"ms\":40,\"seen\":\"13:05:09\"}");

    auto second = ByTopic(p.PassClosed(1, PassOf({7, 9}), true));
    EXPECT_EQ(second.size(), 2u);
    EXPECT_EQ(second["nimbo/COM1/plc/1/reg/301"], "9");
    EXPECT_EQ(second.count("nimbo/COM1/plc/1/reg/300"), 0u);

    // A moved range is a new set of registers: all of them go out.
    EXPECT_EQ(ByTopic(p.PassClosed(1, PassOf({7, 9}, 301), true)).size(), 3u);
}

TEST(LinePublisher, KeepsOnlyTheNewestPassWhileAwayAndPublishesItWholeOnReturn)
{
    LinePublisher p("l");
    p.Statuses({PlcStatus::Ok, PlcStatus::Dead}, true);
    p.PassClosed(1, PassOf({1, 2}), true);
    EXPECT_TRUE(p.PassClosed(1, PassOf({1, 3}), false).empty());
    EXPECT_TRUE(p.PassClosed(1, PassOf({1, 4}), false).empty());
    EXPECT_EQ(p.Count().dropped, 2u);

    const auto back = p.Reconnected();
    EXPECT_EQ(back.front().topic, "l/state");
    EXPECT_EQ(back.front().payload, "online");
    auto topics = ByTopic(back);
    EXPECT_EQ(topics["l/plc/1/reg/300"], "1");
    EXPECT_EQ(topics["l/plc/1/reg/301"], "4");
    EXPECT_EQ(topics["l/plc/1/status"], "ok");
    EXPECT_EQ(topics["l/plc/2/status"], "dead");
    EXPECT_EQ(topics.count("l/plc/3/status"), 0u);
    for (const Message& m : back)
        EXPECT_TRUE(m.retain) << m.topic;
    // What went out on return is what the broker holds now.
    EXPECT_EQ(p.PassClosed(1, PassOf({1, 4}), true).size(), 1u);
}

TEST(LinePublisher, TellsAStatusOnlyWhenItChanges)
{
    LinePublisher p("l");
    std::array<PlcStatus, kPlcs> now{};
    now[0] = PlcStatus::Ok;
    now[1] = PlcStatus::Off;
    EXPECT_EQ(p.Statuses(now, true).size(), 2u);
    EXPECT_TRUE(p.Statuses(now, true).empty());
    now[0] = PlcStatus::Unknown;  // a pass under way changes nothing
    EXPECT_TRUE(p.Statuses(now, true).empty());
    now[0] = PlcStatus::Dead;
    const auto changed = p.Statuses(now, true);
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0].topic, "l/plc/1/status");
    EXPECT_EQ(changed[0].payload, "dead");
}

TEST(LinePublisher, CountsReconnectionsAfterTheFirstConnection)
{
    LinePublisher p("l");
    p.Reconnected();
    p.Reconnected();
    p.Count().writes = 3;
    const Message stats = p.StatsMessage();
    EXPECT_EQ(stats.topic, "l/stats");
    EXPECT_FALSE(stats.retain);
    EXPECT_EQ(stats.payload, "{\"passes\":0,\"writes\":3,\"refused\":0,\"reconnections\":1,\"dropped\":0}");
}

}  // namespace
}  // namespace gateway
