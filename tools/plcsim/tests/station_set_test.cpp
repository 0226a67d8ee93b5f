#include "tools/plcsim/station_set.h"

#include <gtest/gtest.h>

#include "tools/plcsim/tests/request_frames.h"

namespace plcsim {
namespace {

using test::Bytes;
using test::FeedAll;

Bytes BlockReply(std::uint8_t station, std::uint16_t reg, const std::vector<std::int32_t>& values)
{
    Bytes data;
    PutRegister(data, reg);
    for (int i = 0; i < kBlockRegisters; ++i)
        PutValue(data, i < static_cast<int>(values.size()) ? values[i] : 0);
    return test::Concat({{0x00}, BuildFrame(station, kBlockReply, data)});
}

class StationSetTest : public ::testing::Test {
protected:
    StationSet set;
};

TEST_F(StationSetTest, ReadBlockReplyIsExact)
{
    Station& station = set.Add(2);
    station.Set(300, 0x12345678);
    station.Set(301, -1);
    station.Set(316, 99);  // just past the block: must not show up

    const Bytes reply = FeedAll(set, {0xFF, 0x02, 0x07, 0x3B, 0x01, 0x2C, 0x70});

    ASSERT_EQ(reply.size(), 72u);
    const Bytes head{0x00, 0xFF, 0x02, 0x47, 0xBB, 0x01, 0x2C, 0x12, 0x34, 0x56, 0x78, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(Bytes(reply.begin(), reply.begin() + head.size()), head);
    for (std::size_t i = head.size(); i < 71; ++i)
        EXPECT_EQ(reply[i], 0x00) << "byte " << i;
    EXPECT_EQ(reply[71], 0x40);
}

TEST_F(StationSetTest, ReadBlockNearTheTopReadsZeroPastTheLastRegister)
{
    Station& station = set.Add(1);
    station.Set(65534, 7);
    station.Set(65535, 8);
    station.Set(0, 55);  // a wrap-around bug would bring this in
    EXPECT_EQ(FeedAll(set, test::ReadBlockRequest(1, 65534)), BlockReply(1, 65534, {7, 8}));
}

TEST_F(StationSetTest, WriteStoresAndEchoesWithoutLeadingZero)
{
    Station& station = set.Add(1);
    const Bytes reply = FeedAll(set, {0xFF, 0x01, 0x0B, 0x1D, 0x00, 0x05, 0x12, 0x34, 0x56, 0x78, 0x41});
    EXPECT_EQ(reply, (Bytes{0xFF, 0x01, 0x0B, 0x9D, 0x00, 0x05, 0x12, 0x34, 0x56, 0x78, 0xC1}));
    EXPECT_EQ(station.Get(5), 0x12345678);
}

TEST_F(StationSetTest, WrittenValueIsReadBack)
{
    set.Add(1);
    FeedAll(set, test::WriteRequest(1, 301, -50));
    EXPECT_EQ(FeedAll(set, test::ReadBlockRequest(1, 300)), BlockReply(1, 300, {0, -50}));
}

TEST_F(StationSetTest, WriteBlockStoresSixteenAndEchoesTheFirst)
{
    Station& station = set.Add(4);
    std::vector<std::int32_t> values;
    for (int i = 0; i < 16; ++i)
        values.push_back(1000 + i);
    const Bytes reply = FeedAll(set, test::WriteBlockRequest(4, 200, values));
    EXPECT_EQ(reply, (Bytes{0xFF, 0x04, 0x0B, 0x9D, 0x00, 0xC8, 0x00, 0x00, 0x03, 0xE8, 0x5E}));
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(station.Get(static_cast<std::uint16_t>(200 + i)), 1000 + i);
    EXPECT_EQ(station.Get(216), 0);
}

TEST_F(StationSetTest, WriteBlockAtTheTopDoesNotWrapToRegisterZero)
{
    Station& station = set.Add(1);
    FeedAll(set, test::WriteBlockRequest(1, 65530, std::vector<std::int32_t>(16, 9)));
    EXPECT_EQ(station.Get(65535), 9);
    EXPECT_EQ(station.Get(0), 0);
}

TEST_F(StationSetTest, StationsKeepSeparateRegisters)
{
    Station& one = set.Add(1);
    Station& two = set.Add(2);
    FeedAll(set, test::WriteRequest(2, 10, 22));
    EXPECT_EQ(one.Get(10), 0);
    EXPECT_EQ(two.Get(10), 22);
}

TEST_F(StationSetTest, OtherStationIsIgnoredButLogged)
{
    set.Add(1);
    EXPECT_TRUE(FeedAll(set, test::ReadBlockRequest(9, 300)).empty());
    const auto log = set.Log().Entries();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].station, 9);
    EXPECT_FALSE(log[0].answered);
    EXPECT_EQ(log[0].note, "other station");
}

TEST_F(StationSetTest, BadChecksumIsIgnoredAndTheNextRequestAnswered)
{
    set.Add(1);
    Bytes broken = test::WriteRequest(1, 5, 1);
    broken.back() += 1;
    const Bytes reply = FeedAll(set, test::Concat({broken, test::WriteRequest(1, 6, 2)}));
    EXPECT_EQ(reply, BuildFrame(1, kWriteEcho, Bytes{0x00, 0x06, 0, 0, 0, 2}));
    EXPECT_EQ(set.Find(1)->Get(5), 0);
    const auto log = set.Log().Entries();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].note, "bad checksum");
    EXPECT_TRUE(log[1].answered);
}

TEST_F(StationSetTest, UnknownCommandAndWrongLengthAreIgnored)
{
    set.Add(1);
    EXPECT_TRUE(FeedAll(set, BuildFrame(1, 0x42, Bytes{0x00, 0x01})).empty());
    // A read-block command with a write's length: not to be trusted.
    EXPECT_TRUE(FeedAll(set, BuildFrame(1, kReadBlock, Bytes{0x00, 0x05, 0, 0, 0, 1})).empty());
    EXPECT_EQ(set.Find(1)->Get(5), 0);
    const auto log = set.Log().Entries();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].note, "unknown command");
    EXPECT_EQ(log[0].command, 0x42);
    EXPECT_NE(log[1].note.find("malformed"), std::string::npos);
}

TEST_F(StationSetTest, RequestFedByteByByteIsAnsweredOnceOnItsLastByte)
{
    set.Add(2);
    const Bytes request = test::ReadBlockRequest(2, 300);
    for (std::size_t i = 0; i + 1 < request.size(); ++i)
        EXPECT_TRUE(set.Feed(&request[i], 1).empty());
    EXPECT_EQ(set.Feed(&request.back(), 1).size(), 1u);
}

TEST_F(StationSetTest, SeveralRequestsInOneReadGetRepliesInOrder)
{
    set.Add(1);
    set.Add(2);
    const Bytes stream = test::Concat({test::WriteRequest(2, 1, 5), test::ReadBlockRequest(1, 0)});
    const auto replies = set.Feed(stream.data(), stream.size());
    ASSERT_EQ(replies.size(), 2u);
    EXPECT_EQ(replies[0].bytes.size(), 11u);
    EXPECT_EQ(replies[1].bytes.size(), 72u);
}

TEST_F(StationSetTest, LogRecordsWhatWasAsked)
{
    set.Add(1);
    FeedAll(set, test::ReadBlockRequest(1, 300));
    FeedAll(set, test::WriteRequest(1, 301, 50));
    const auto log = set.Log().Entries();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].kind, RequestKind::ReadBlock);
    EXPECT_EQ(log[0].reg, 300);
    EXPECT_TRUE(log[0].answered);
    EXPECT_EQ(log[1].kind, RequestKind::WriteRegister);
    EXPECT_EQ(log[1].reg, 301);
    EXPECT_EQ(log[1].values, std::vector<std::int32_t>{50});
}

TEST_F(StationSetTest, AddingAStationTwiceOrStationZeroIsRefused)
{
    set.Add(3);
    EXPECT_THROW(set.Add(3), std::invalid_argument);
    EXPECT_THROW(set.Add(0), std::invalid_argument);
    EXPECT_EQ(set.Numbers(), std::vector<int>{3});
}

}  // namespace
}  // namespace plcsim
