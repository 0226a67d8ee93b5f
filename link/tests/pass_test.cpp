// One PLC's pass over its range, and moving from PLC to PLC.
#include "link/tests/link_fixture.h"

TEST_F(LinkTest, RangeZeroToFortyIsReadInThreeBlocksThenTheRequestStartsOver)
{
    OpenWith(1, 0, 40);
    EXPECT_EQ(port->NextPlc(), 0);
    EXPECT_EQ(port->plcStatus[0], 2);
    std::vector<int> asked{LastRequestedRegister()};
    int closed = 0;
    for (int i = 0; i < 3; ++i) {
        line->Deliver(BlockReply(1, asked.back(), i * 100));
        clock.Advance(100);
        closed = port->ReceiveStep();
        asked.push_back(LastRequestedRegister());
    }
    EXPECT_EQ(asked, (std::vector<int>{0, 16, 32, 0}));
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(port->plcStatus[0], 1);
    EXPECT_GE(port->plcScanTime[0], 300u);
    EXPECT_EQ(port->registers[47], 215) << "the last block may reach past the range";
}

TEST_F(LinkTest, EndOfPassReplyClosesThePassAtOnce)
{
    OpenWith(1, 0, 400);
    port->NextPlc();
    auto end = MakeFrame(1, 0x80);
    end.insert(end.begin(), 0x00);
    port->expectedLength = static_cast<std::int32_t>(end.size());
    line->Deliver(end);
    EXPECT_EQ(port->ReceiveStep(), 1);
    EXPECT_EQ(port->plcStatus[0], 1);
    EXPECT_EQ(LastRequestedRegister(), 0);
}

TEST_F(LinkTest, PassClosingRecordsTheLocalTimePacked)
{
    OpenWith(1, 0, 0);
    port->NextPlc();
    line->Deliver(BlockReply(1, 0, 1));
    SYSTEMTIME before{};
    GetLocalTime(&before);
    ASSERT_EQ(port->ReceiveStep(), 1);
    std::int32_t seen = port->plcLastSeen[0];
    EXPECT_EQ(seen >> 16, before.wHour);
    EXPECT_LT((seen >> 8) & 0xFF, 60);
    EXPECT_LT(seen & 0xFF, 60);
}

TEST_F(LinkTest, PlcsAreVisitedInAscendingOrderAndWrap)
{
    for (int plc : {2, 5, 9}) {
        port->plcEnabled[plc - 1] = 1;
        port->plcStart[plc - 1] = plc * 100;
        port->plcStop[plc - 1] = plc * 100 + 15;
    }
    ASSERT_EQ(port->Open(4096, 4096, 0), 1);
    EXPECT_EQ(port->currentPlc, 2);
    std::vector<int> order;
    for (int i = 0; i < 4; ++i) {
        port->NextPlc();
        order.push_back(port->currentPlc);
        EXPECT_EQ(line->written[line->written.size() - 6], port->currentPlc);
        EXPECT_EQ(LastRequestedRegister(), port->currentPlc * 100);
    }
    EXPECT_EQ(order, (std::vector<int>{5, 9, 2, 5}));
}

TEST_F(LinkTest, NoPlcEnabledLeavesTheScanIdle)
{
    OpenWith(1, 0, 15);
    port->plcEnabled[0] = 0;
    line->written.clear();
    std::int32_t statusBefore[32];
    std::copy(std::begin(port->plcStatus), std::end(port->plcStatus), statusBefore);

    EXPECT_EQ(port->NextPlc(), 0);
    EXPECT_EQ(port->currentPlc, 0);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(port->ReceiveStep(), 2);
    EXPECT_EQ(port->PollNext(), 0);
    EXPECT_TRUE(line->written.empty()) << "nothing goes to station 0";
    EXPECT_TRUE(std::equal(std::begin(statusBefore), std::end(statusBefore), port->plcStatus));
    EXPECT_EQ(port->lastDrop, LINK_DROP_NO_PLC_ENABLED);

    port->plcEnabled[0] = 1;
    EXPECT_EQ(port->NextPlc(), 0);
    EXPECT_EQ(port->currentPlc, 1) << "the scan resumes once a PLC is enabled again";
}

TEST_F(LinkTest, SelectPlcTakesAPendingReplyThenAsksTheNewPlc)
{
    OpenWith(1, 16, 100);
    port->NextPlc();
    line->Deliver(BlockReply(1, 16, 40));
    line->written.clear();
    DWORD slept = clock.TotalSlept();
    port->SelectPlc(4);
    EXPECT_EQ(port->registers[16], 40);
    EXPECT_EQ(port->currentPlc, 4);
    EXPECT_EQ(port->waiting, 1);
    EXPECT_EQ(line->written[1], 4);
    EXPECT_EQ(clock.TotalSlept() - slept, 70u) << "25 before, the request's 20, 25 after";
}

// Register numbers travel as 16 bits: the pass ends at 65535 instead of
// asking for 65536 as register 0, and nothing lands below the range.
TEST_F(LinkTest, APassEndsWhereTheLinesRegisterNumbersEnd)
{
    OpenWith(1, 65520, 65560);
    port->registers[0] = 77;
    port->NextPlc();
    EXPECT_EQ(LastRequestedRegister(), 65520);
    line->Deliver(BlockReply(1, 65520, 5));
    EXPECT_EQ(port->ReceiveStep(), 1) << "the block that would pass 65535 closes the pass";
    EXPECT_EQ(LastRequestedRegister(), 65520) << "the pass starts over";
    EXPECT_EQ(port->registers[0], 77);
    EXPECT_EQ(port->plcStatus[0], 1);
}

TEST_F(LinkTest, ARangeStartingPastTheLinesNumbersAsksNothing)
{
    OpenWith(1, 70000, 70015);
    const std::size_t sent = line->written.size();
    port->NextPlc();
    EXPECT_EQ(line->written.size(), sent);
    EXPECT_EQ(port->lastDrop, LINK_DROP_REGISTER_NOT_ON_LINE);
    EXPECT_EQ(port->plcStatus[0], 2) << "no pass closes without a reply";
}

// A stop entry at the top of the integers (stored unchecked, loaded from a
// form) still lets an end-of-pass reply close the pass.
TEST_F(LinkTest, EndOfPassOnARangeEndingAtTheTopOfTheIntegers)
{
    OpenWith(1, 0, INT32_MAX);
    port->NextPlc();
    auto end = MakeFrame(1, 0x80);
    end.insert(end.begin(), 0x00);
    port->expectedLength = static_cast<std::int32_t>(end.size());
    line->Deliver(end);
    EXPECT_EQ(port->ReceiveStep(), 1);
    EXPECT_EQ(LastRequestedRegister(), 0);
}

// A block under this PLC's number but for a register outside its range (a
// stale or misaddressed reply) is not applied and does not move the scan.
TEST_F(LinkTest, ABlockFromOutsideTheRangeIsNotFollowed)
{
    OpenWith(2, 200, 231);
    port->registers[100] = 7;
    port->NextPlc();
    line->Deliver(BlockReply(2, 100, 5));
    EXPECT_EQ(port->ReceiveStep(), 0);
    EXPECT_EQ(port->registers[100], 7);
    EXPECT_EQ(port->lastDrop, LINK_DROP_BLOCK_OUTSIDE_RANGE);
    EXPECT_EQ(LastRequestedRegister(), 200) << "the same block is asked again";
}
