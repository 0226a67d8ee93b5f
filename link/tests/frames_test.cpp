// Requests as they go out on the line, byte for byte.
#include "link/tests/link_fixture.h"

using Bytes = std::vector<BYTE>;

TEST_F(LinkTest, ReadBlockRequestForRegister300ToStation2)
{
    OpenWith(2, 300, 315);
    line->written.clear();
    port->currentPlc = 2;
    port->SetRange(300, 315);
    EXPECT_EQ(port->PollNext(), 0);
    EXPECT_EQ(line->written, (Bytes{0xFF, 0x02, 0x07, 0x3B, 0x01, 0x2C, 0x70}));
    EXPECT_EQ(port->expectedLength, 72);
    EXPECT_EQ(clock.TotalSlept(), 20u) << "every request is followed by a 20 ms pause";
}

TEST_F(LinkTest, WriteRegisterRequestCarriesValueMostSignificantFirst)
{
    OpenWith(1, 0, 15);
    line->written.clear();
    port->SendWriteRegister(5, 0x12345678);
    EXPECT_EQ(line->written, (Bytes{0xFF, 0x01, 0x0B, 0x1D, 0x00, 0x05, 0x12, 0x34, 0x56, 0x78, 0x41}));
    EXPECT_EQ(port->expectedLength, 11);
}

TEST_F(LinkTest, WriteBlockRequestIs71BytesWithSixteenValues)
{
    OpenWith(1, 0, 15);
    line->written.clear();
    std::int32_t values[16];
    for (int i = 0; i < 16; ++i)
        values[i] = 0x01020300 + i;
    port->SendWriteBlock(0x0102, values);
    ASSERT_EQ(line->written.size(), 71u);
    EXPECT_EQ(line->written[2], 71);
    EXPECT_EQ(line->written[3], 60);
    EXPECT_EQ(line->written[4], 0x01);
    EXPECT_EQ(line->written[5], 0x02);
    EXPECT_EQ((Bytes{line->written.begin() + 6, line->written.begin() + 10}), (Bytes{1, 2, 3, 0}));
    EXPECT_EQ(line->written[69], 15);
    unsigned sum = 0;
    for (int i = 0; i < 70; ++i)
        sum += line->written[i];
    EXPECT_EQ(line->written[70], static_cast<BYTE>(sum));
    EXPECT_EQ(port->expectedLength, 5) << "only commands 28, 29 and 59 await a longer reply";
}

TEST_F(LinkTest, CommandFramesAndTheirPauses)
{
    OpenWith(3, 0, 15);
    line->written.clear();
    port->SendCommand(0x42);
    EXPECT_EQ(line->written, (Bytes{0xFF, 0x03, 0x05, 0x42, 0x49}));
    EXPECT_EQ(clock.TotalSlept(), 0u);

    line->written.clear();
    port->SendCommandByte(0x10, 0x20);
    EXPECT_EQ(line->written, (Bytes{0xFF, 0x03, 0x06, 0x10, 0x20, 0x38}));
    EXPECT_EQ(clock.TotalSlept(), 0u);

    port->SendCommandWait(28);
    EXPECT_EQ(clock.TotalSlept(), 100u);
    EXPECT_EQ(port->expectedLength, 11);
}

TEST_F(LinkTest, SwapAndChecksumHelpers)
{
    BYTE in[4] = {0x12, 0x34, 0x56, 0x78};
    BYTE out[4] = {};
    port->SwapLong(out, in);
    EXPECT_EQ((Bytes{out, out + 4}), (Bytes{0x78, 0x56, 0x34, 0x12}));

    BYTE many[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    BYTE swapped[8] = {};
    port->SwapLongs(swapped, many, 2);
    EXPECT_EQ((Bytes{swapped, swapped + 8}), (Bytes{4, 3, 2, 1, 8, 7, 6, 5}));

    BYTE sum[3] = {0xFF, 0x02, 0x03};
    EXPECT_EQ(port->Checksum(3, sum), 0x04);
}
