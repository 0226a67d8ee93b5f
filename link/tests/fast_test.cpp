// The reply-driven scan's exchanges: when a reply counts as in, its
// deadline, and writes kept out of an exchange under way.
#include "link/tests/link_fixture.h"

#include <functional>

namespace {

class FastTest : public LinkTest {
protected:
    void SetUp() override
    {
        LinkTest::SetUp();
        OpenWith(1, 16, 47);
        port->replyDriven = 1;
        port->currentPlc = 0;
        ASSERT_TRUE(port->FastSendNext(TRUE));  // asks for register 16
        ASSERT_EQ(LastRequestedRegister(), 16);
    }
};

struct ReplyCase {
    const char* name;
    std::function<std::vector<BYTE>()> bytes;
    int result;
    std::int32_t applied;  // register 16 afterwards
};
void PrintTo(const ReplyCase& c, std::ostream* os) { *os << c.name; }

class FastReplyTest : public FastTest, public ::testing::WithParamInterface<ReplyCase> {};

// A reply is decided as soon as it is whole, not at a tick; one still
// arriving is waited for; one spoilt, or one that answers another request,
// is refused and the answer still awaited.
TEST_P(FastReplyTest, IsDecidedWhenWhole)
{
    line->Deliver(GetParam().bytes());
    EXPECT_EQ(port->FastStep(), GetParam().result);
    EXPECT_EQ(port->registers[16], GetParam().applied);
    EXPECT_EQ(port->registers[32], 0);
}

std::vector<BYTE> Garbled(std::vector<BYTE> b)
{
    b.back() = static_cast<BYTE>(b.back() + 1);
    return b;
}

INSTANTIATE_TEST_SUITE_P(
    Replies, FastReplyTest,
    ::testing::Values(
        ReplyCase{"whole", [] { return BlockReply(1, 16, 1000); }, FAST_BLOCK_APPLIED, 1000},
        ReplyCase{"no leading zero", [] { return BlockReply(1, 16, 1000, false); }, FAST_BLOCK_APPLIED, 1000},
        ReplyCase{"garbage ahead, tail missing",
                  [] {
                      std::vector<BYTE> b{0x55, 0xAA, 0x13};
                      auto r = BlockReply(1, 16, 1000);
                      b.insert(b.end(), r.begin(), r.end() - 2);
                      return b;
                  },
                  FAST_WAITING, 0},
        ReplyCase{"bad checksum", [] { return Garbled(BlockReply(1, 16, 1000)); }, FAST_WAITING, 0},
        ReplyCase{"other station", [] { return BlockReply(2, 16, 1000); }, FAST_WAITING, 0},
        ReplyCase{"late answer to another block", [] { return BlockReply(1, 32, 1000); }, FAST_WAITING, 0},
        ReplyCase{"truncated",
                  [] {
                      auto r = BlockReply(1, 16, 1000);
                      r.resize(r.size() / 2);
                      return r;
                  },
                  FAST_WAITING, 0},
        ReplyCase{"end of pass", [] { return MakeFrame(1, 0x80); }, FAST_PASS_CLOSED, 0}));

struct DeadlineCase {
    std::int32_t baud;
    DWORD deadline;  // 72 bytes at 10 bits a byte, rounded up, and 30 ms
};
void PrintTo(const DeadlineCase& c, std::ostream* os) { *os << c.baud; }

class FastDeadlineTest : public FastTest, public ::testing::WithParamInterface<DeadlineCase> {};

TEST_P(FastDeadlineTest, AReplyNotInByItsDeadlineIsNotAnswered)
{
    port->baudRate = GetParam().baud;
    EXPECT_EQ(port->ReplyDeadline(port->expectedLength), GetParam().deadline);
    clock.Advance(GetParam().deadline - 1);
    EXPECT_EQ(port->FastStep(), FAST_WAITING);
    clock.Advance(1);
    EXPECT_EQ(port->FastStep(), FAST_NOT_ANSWERED);
    EXPECT_EQ(port->fastExchange, CComSer::FAST_NONE);
}

INSTANTIATE_TEST_SUITE_P(Speeds, FastDeadlineTest,
                         ::testing::Values(DeadlineCase{9600, 105}, DeadlineCase{19200, 68},
                                           DeadlineCase{115200, 37}));

// As the timer scan asks a spoilt block again at its next tick, this scan
// asks it again at the deadline.
TEST_F(FastTest, ASpoiltReplyHasTheBlockAskedAgainAtTheDeadline)
{
    line->Deliver(Garbled(BlockReply(1, 16, 1000)));
    EXPECT_EQ(port->FastStep(), FAST_WAITING);
    clock.Advance(port->ReplyDeadline(port->expectedLength));
    EXPECT_EQ(port->FastStep(), FAST_BLOCK_APPLIED);
    ASSERT_TRUE(port->FastSendNext(FALSE));
    EXPECT_EQ(LastRequestedRegister(), 16);
}

// A button's write waits for the block under way, goes out alone, and its
// echo does not move the scan's place in the range.
TEST_F(FastTest, AWriteGoesBetweenTwoBlocks)
{
    const std::size_t before = line->written.size();
    port->SetRegister(1, 20, 77);
    EXPECT_EQ(line->written.size(), before) << "nothing cuts into the exchange";
    line->Deliver(BlockReply(1, 16, 1000));
    ASSERT_EQ(port->FastStep(), FAST_BLOCK_APPLIED);
    ASSERT_TRUE(port->FastSendNext(FALSE));
    EXPECT_EQ(LastRequest().at(3), 29) << "the write first";
    EXPECT_EQ(LastRequestedRegister(), 20);
    line->Deliver(MakeFrame(1, 0x9D, {0, 20, 0, 0, 0, 78}));
    EXPECT_EQ(port->FastStep(), FAST_WRITE_DONE);
    EXPECT_EQ(port->registers[20], 78) << "the station's echo is what it holds";
    ASSERT_TRUE(port->FastSendNext(FALSE));
    EXPECT_EQ(LastRequest().at(3), 59);
    EXPECT_EQ(LastRequestedRegister(), 32) << "the scan goes on where it was";
}

TEST_F(FastTest, NothingWaitsOnTheLine)
{
    port->SetRegister(1, 20, 77);
    port->SelectPlc(1);
    port->SendCommandWait(5);
    port->FastSendNext(FALSE);
    EXPECT_EQ(clock.TotalSlept(), 0u);
}

}  // namespace
