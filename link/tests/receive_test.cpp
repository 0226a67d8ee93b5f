// Taking replies in: completeness, finding the frame, checking, applying.
#include "link/tests/link_fixture.h"

class ReceiveTest : public LinkTest {
protected:
    void SetUp() override
    {
        LinkTest::SetUp();
        OpenWith(1, 16, 100);
        port->NextPlc();  // asks for register 16
        line->written.clear();
    }
};

TEST_F(ReceiveTest, BlockWithLeadingZeroFillsSixteenCells)
{
    line->Deliver(BlockReply(1, 16, 1000));
    EXPECT_EQ(port->ReceiveStep(), 0);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(port->registers[16 + i], 1000 + i);
    EXPECT_EQ(port->registers[32], 0);
    EXPECT_EQ(port->nextRegister, 32);
    EXPECT_EQ(LastRequestedRegister(), 32);
    EXPECT_EQ(port->rxCount, 0);
}

TEST_F(ReceiveTest, FrameWithoutLeadingZeroWaitsForASeventySecondByte)
{
    line->Deliver(BlockReply(1, 16, 5, false));
    EXPECT_EQ(port->ReceiveStep(), 2);
    EXPECT_EQ(port->registers[16], 0);
    line->Deliver({0x33});
    EXPECT_EQ(port->ReceiveStep(), 0);
    EXPECT_EQ(port->registers[16], 5);
    EXPECT_EQ(port->registers[31], 20);
}

TEST_F(ReceiveTest, BadChecksumOrOtherStationChangesNothingAndAsksAgain)
{
    auto bad = BlockReply(1, 16, 7);
    bad.back() += 1;
    line->Deliver(bad);
    EXPECT_EQ(port->ReceiveStep(), 0);
    EXPECT_EQ(port->registers[16], 0);
    EXPECT_EQ(LastRequestedRegister(), 16);

    line->Deliver(BlockReply(2, 16, 7));
    EXPECT_EQ(port->ReceiveStep(), 0);
    EXPECT_EQ(port->registers[16], 0);
    EXPECT_EQ(LastRequestedRegister(), 16);
}

TEST_F(ReceiveTest, FrameAfterGarbageIsFoundWithinTheSearchWindow)
{
    std::vector<BYTE> bytes(40, 0x55);
    auto reply = BlockReply(1, 16, 3);
    bytes.insert(bytes.end(), reply.begin(), reply.end());
    line->Deliver(bytes);
    port->ReceiveStep();
    EXPECT_EQ(port->registers[16], 3);

    std::vector<BYTE> far(80, 0x55);
    reply = BlockReply(1, 32, 4);
    far.insert(far.end(), reply.begin(), reply.end());
    line->Deliver(far);
    port->ReceiveStep();
    EXPECT_EQ(port->registers[32], 0) << "a frame starting past position 79 is not looked for";
}

TEST_F(ReceiveTest, FrameWhoseTailHasNotArrivedIsNotApplied)
{
    // Eight bytes of noise, then a reply cut short so that 72 bytes are in:
    // the missing tail (checksum included) would read as zeros. One data byte
    // is chosen so that the bytes present sum to zero, the case a one-byte
    // checksum cannot tell.
    std::vector<BYTE> bytes(8, 0x11);
    auto reply = BlockReply(1, 16, 9);
    bytes.insert(bytes.end(), reply.begin(), reply.begin() + 64);
    unsigned sum = 0;
    for (std::size_t i = 9; i + 1 < bytes.size(); ++i)
        sum += bytes[i];
    bytes.back() = static_cast<BYTE>(256 - sum % 256);
    line->Deliver(bytes);
    port->ReceiveStep();
    EXPECT_EQ(port->lastDrop, LINK_DROP_FRAME_INCOMPLETE);
    EXPECT_EQ(port->registers[16], 0);
    EXPECT_EQ(LastRequestedRegister(), 16);
}

TEST_F(ReceiveTest, LengthByteRunningPastTheBufferIsDropped)
{
    // A frame found at position 79 whose length says 255 would end past byte 255.
    std::vector<BYTE> bytes(79, 0x55);
    bytes.insert(bytes.end(), {0x00, 0xFF, 0x01, 0xFF, 0xBB});
    bytes.resize(256, 0x11);
    line->Deliver(bytes);
    port->ReceiveStep();
    EXPECT_EQ(port->lastDrop, LINK_DROP_FRAME_PAST_BUFFER);
    EXPECT_EQ(port->registers[16], 0);
    EXPECT_EQ(port->rxCount, 0);
}

TEST_F(ReceiveTest, FloodLargerThanTheBufferNeverOverrunsIt)
{
    line->Deliver(std::vector<BYTE>(1000, 0xFF));
    EXPECT_EQ(port->ReadAppend(), 256);
    EXPECT_EQ(port->rxCount, 256);
    EXPECT_EQ(port->ReadAppend(), 0) << "the surplus was taken off the line and dropped";
    EXPECT_EQ(port->ReceiveStep(), 0);
    EXPECT_EQ(port->rxCount, 0);
}

TEST_F(ReceiveTest, FullLengthFrameAtTheStartStaysInsideTheBuffer)
{
    std::vector<BYTE> bytes{0xFF, 0x01, 0xFF, 0x80};
    bytes.resize(255, 0x00);
    unsigned sum = 0;
    for (BYTE b : bytes)
        sum += b;
    bytes.push_back(static_cast<BYTE>(sum));
    line->Deliver(bytes);
    port->ReceiveStep();  // shifting 256 bytes up one place must not write byte 256
    EXPECT_EQ(port->rxCount, 0);
}

TEST_F(ReceiveTest, StallLimitMarksThePlcNotAnswering)
{
    port->plcStatus[0] = 2;
    line->Deliver({0x00, 0xFF});
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(port->ReceiveStep(), 2) << i;
    EXPECT_EQ(port->plcStatus[0], 0);
    EXPECT_EQ(port->rxCount, 0);
    EXPECT_EQ(port->stallCount, 0);
    EXPECT_TRUE(line->written.empty()) << "nothing is sent at the limit";
}

TEST_F(ReceiveTest, NewBytesDoNotClearTheStallCount)
{
    EXPECT_EQ(port->ReceiveStep(), 2);
    EXPECT_EQ(port->ReceiveStep(), 2);
    EXPECT_EQ(port->stallCount, 1);
    line->Deliver({0x00});
    EXPECT_EQ(port->ReceiveStep(), 2);
    EXPECT_EQ(port->stallCount, 1);
    EXPECT_EQ(port->lastCount, 1);
}

TEST_F(ReceiveTest, UnknownReplyAsksForTheSameBlockAgain)
{
    auto reply = MakeFrame(1, 0x42, {0, 16});
    reply.insert(reply.begin(), 0x00);
    reply.resize(72, 0x00);
    line->Deliver(reply);
    EXPECT_EQ(port->ReceiveStep(), 0);
    EXPECT_EQ(line->written.size(), 14u) << "asked at once, then again by the receive step";
    EXPECT_EQ(LastRequestedRegister(), 16);
}

TEST_F(ReceiveTest, WriteEchoStoresAndMovesTheScanOn)
{
    port->SetRegister(1, 50, 1);
    auto echo = MakeFrame(1, 0x9D, {0, 50, 0, 0, 0x01, 0x02});
    line->Deliver(echo);
    EXPECT_EQ(port->ReceiveStep(), 0);
    EXPECT_EQ(port->registers[50], 0x0102);
    EXPECT_EQ(port->nextRegister, 51);
    EXPECT_EQ(LastRequestedRegister(), 51);

    port->SetRegister(1, 100, 1);
    line->Deliver(MakeFrame(1, 0x9C, {0, 100, 0, 0, 0, 9}));
    EXPECT_EQ(port->ReceiveStep(), 1) << "the register after the write lies past the range";
    EXPECT_EQ(port->registers[100], 9);
}

TEST_F(ReceiveTest, WriteEchoBelowTheRangeStoresButKeepsTheScanInside)
{
    port->SetRegister(1, 3, 1);
    line->Deliver(MakeFrame(1, 0x9D, {0, 3, 0, 0, 0, 7}));
    port->ReceiveStep();
    EXPECT_EQ(port->registers[3], 7);
    EXPECT_EQ(LastRequestedRegister(), 16) << "the scan goes on inside its range";
}
