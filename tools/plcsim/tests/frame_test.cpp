#include "tools/plcsim/frame.h"

#include <gtest/gtest.h>

#include "tools/plcsim/tests/request_frames.h"

namespace plcsim {
namespace {

using test::Bytes;

TEST(FrameLayout, ReadBlockRequestMatchesTheMastersBytes)
{
    EXPECT_EQ(test::ReadBlockRequest(2, 300), (Bytes{0xFF, 0x02, 0x07, 0x3B, 0x01, 0x2C, 0x70}));
}

TEST(FrameLayout, WriteRequestMatchesTheMastersBytes)
{
    EXPECT_EQ(test::WriteRequest(1, 5, 0x12345678),
              (Bytes{0xFF, 0x01, 0x0B, 0x1D, 0x00, 0x05, 0x12, 0x34, 0x56, 0x78, 0x41}));
}

TEST(FrameLayout, ChecksumWrapsModulo256)
{
    const Bytes bytes{0xFF, 0xFF, 0x03};
    EXPECT_EQ(Checksum(bytes.data(), bytes.size()), 0x01);
}

TEST(FrameLayout, ValuesRoundTripWithSignAndByteOrder)
{
    for (std::int32_t value : {0, 1, -1, 0x12345678, INT32_MIN, INT32_MAX}) {
        Bytes bytes;
        PutValue(bytes, value);
        EXPECT_EQ(GetValue(bytes.data()), value);
    }
    Bytes bytes;
    PutValue(bytes, -2);
    EXPECT_EQ(bytes, (Bytes{0xFF, 0xFF, 0xFF, 0xFE}));
    Bytes reg;
    PutRegister(reg, 0xABCD);
    EXPECT_EQ(reg, (Bytes{0xAB, 0xCD}));
    EXPECT_EQ(GetRegister(reg.data()), 0xABCD);
}

}  // namespace
}  // namespace plcsim
