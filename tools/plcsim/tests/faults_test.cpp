#include "tools/plcsim/faults.h"

#include <gtest/gtest.h>

#include "tools/plcsim/station_set.h"
#include "tools/plcsim/tests/request_frames.h"

namespace plcsim {
namespace {

using test::Bytes;
using test::FeedAll;

// What a station without faults answers, to compare the faulty ones with.
Bytes CleanReply(const Bytes& request)
{
    StationSet clean;
    clean.Add(request[1]).Set(300, 4242);
    return FeedAll(clean, request);
}

class FaultyStation : public ::testing::Test {
protected:
    Station& Make(Faults faults)
    {
        Station& station = set.Add(1, faults);
        station.Set(300, 4242);
        return station;
    }
    Bytes Read() { return FeedAll(set, test::ReadBlockRequest(1, 300)); }
    Bytes Write(std::int32_t value = 77) { return FeedAll(set, test::WriteRequest(1, 400, value)); }

    StationSet set;
    const Bytes clean_read = CleanReply(test::ReadBlockRequest(1, 300));
    const Bytes clean_write = CleanReply(test::WriteRequest(1, 400, 77));
};

TEST_F(FaultyStation, SilentNeitherAnswersNorStores)
{
    Station& station = Make({.silent = true});
    EXPECT_TRUE(set.Feed(test::ReadBlockRequest(1, 300).data(), 7).empty());
    EXPECT_TRUE(Write().empty());
    EXPECT_EQ(station.Get(400), 0);
    const auto log = set.Log().Entries();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_FALSE(log[0].answered);
    EXPECT_EQ(log[0].note, "silent");
}

TEST_F(FaultyStation, BadChecksumIsOffByOneOnEveryReply)
{
    Make({.bad_checksum = true});
    Bytes expected_read = clean_read;
    expected_read.back() += 1;
    Bytes expected_write = clean_write;
    expected_write.back() += 1;
    EXPECT_EQ(Read(), expected_read);
    EXPECT_EQ(Write(), expected_write);
}

TEST_F(FaultyStation, WrongStationCarriesNextNumberWithAConsistentChecksum)
{
    Make({.wrong_station = true});
    const Bytes reply = Read();
    ASSERT_EQ(reply.size(), clean_read.size());
    EXPECT_EQ(reply[2], 2);
    // Only the station byte differs, so the checksum moves by exactly one.
    EXPECT_EQ(reply.back(), static_cast<std::uint8_t>(clean_read.back() + 1));
    EXPECT_EQ(Bytes(reply.begin() + 3, reply.end() - 1), Bytes(clean_read.begin() + 3, clean_read.end() - 1));
}

TEST_F(FaultyStation, WrongStationAndBadChecksumTogether)
{
    Make({.bad_checksum = true, .wrong_station = true});
    const Bytes reply = Write();
    EXPECT_EQ(reply[1], 2);
    EXPECT_EQ(reply.back(), static_cast<std::uint8_t>(Checksum(reply.data(), reply.size() - 1) + 1));
}

TEST_F(FaultyStation, TruncatedSendsTheFirstHalf)
{
    Make({.truncated = true});
    EXPECT_EQ(Read(), Bytes(clean_read.begin(), clean_read.begin() + 36));
    EXPECT_EQ(Write(), Bytes(clean_write.begin(), clean_write.begin() + 5));
}

TEST_F(FaultyStation, DelayIsReportedAndLeavesTheBytesAlone)
{
    Make({.delay_ms = 150});
    const Bytes request = test::ReadBlockRequest(1, 300);
    const auto replies = set.Feed(request.data(), request.size());
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0].delay_ms, 150);
    EXPECT_EQ(replies[0].bytes, clean_read);
}

TEST_F(FaultyStation, NoZeroDropsTheLeadByteOfBlocksOnly)
{
    Make({.no_leading_zero = true});
    EXPECT_EQ(Read(), Bytes(clean_read.begin() + 1, clean_read.end()));
    EXPECT_EQ(Write(), clean_write);
}

TEST_F(FaultyStation, WriteZeroAddsALeadByteToWriteEchoesOnly)
{
    Make({.zero_before_write = true});
    EXPECT_EQ(Write(), test::Concat({{0x00}, clean_write}));
    EXPECT_EQ(Read(), clean_read);
}

TEST_F(FaultyStation, GarbageGoesBeforeTheLeadZero)
{
    Make({.garbage = true});
    EXPECT_EQ(Read(), test::Concat({{0x55, 0xAA, 0x13}, clean_read}));
    EXPECT_EQ(Write(), test::Concat({{0x55, 0xAA, 0x13}, clean_write}));
}

TEST_F(FaultyStation, TruncationCountsTheGarbageToo)
{
    Make({.truncated = true, .garbage = true});
    const Bytes whole = test::Concat({{0x55, 0xAA, 0x13}, clean_write});
    EXPECT_EQ(Write(), Bytes(whole.begin(), whole.begin() + whole.size() / 2));
}

TEST_F(FaultyStation, EndOfPassFollowsEveryKBlocksAndRestartsTheCount)
{
    Make({.end_of_pass_after = 3});
    const Bytes end_of_pass{0x00, 0xFF, 0x01, 0x05, 0x80, 0x85};
    for (int pass = 0; pass < 3; ++pass) {
        for (int block = 0; block < 3; ++block) {
            EXPECT_EQ(Read(), clean_read) << "pass " << pass << " block " << block;
            // Writes between reads are not blocks of the pass.
            EXPECT_EQ(Write(), clean_write);
        }
        EXPECT_EQ(Read(), end_of_pass) << "pass " << pass;
    }
    EXPECT_EQ(set.Log().Entries().back().note, "end of pass");
}

TEST_F(FaultyStation, EndOfPassFrameTakesTheOtherFaultsToo)
{
    Make({.bad_checksum = true, .no_leading_zero = true, .end_of_pass_after = 1});
    Read();
    EXPECT_EQ(Read(), (Bytes{0xFF, 0x01, 0x05, 0x80, 0x86}));
}

TEST_F(FaultyStation, FaultsAreKeptPerStation)
{
    Make({.silent = true});
    set.Add(2);
    EXPECT_TRUE(Read().empty());
    EXPECT_EQ(FeedAll(set, test::WriteRequest(2, 1, 1)).size(), 11u);
}

TEST(FaultWords, EveryWordTurnsItsFaultOnAndDescribesBack)
{
    Faults faults;
    for (const char* word : {"silent", "badsum", "wrongstation", "truncated", "nozero", "garbage",
                             "writezero", "delay=150", "endpass=3"})
        EXPECT_TRUE(ApplyFaultWord(word, faults)) << word;
    EXPECT_EQ(faults, (Faults{true, true, true, true, 150, true, true, true, 3}));
    EXPECT_EQ(DescribeFaults(faults), "silent,badsum,wrongstation,truncated,nozero,garbage,writezero,delay=150,endpass=3");
    EXPECT_EQ(DescribeFaults({}), "");
}

TEST(FaultWords, NonsenseIsRefused)
{
    Faults faults;
    for (const char* word : {"", "loud", "delay", "delay=", "delay=-5", "delay=abc", "endpass=0",
                             "silent=1", "Silent"})
        EXPECT_FALSE(ApplyFaultWord(word, faults)) << word;
    EXPECT_EQ(faults, Faults{});
}

}  // namespace
}  // namespace plcsim
