#include "clients/edit/edit_value_text.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

std::string Whole(std::int32_t raw, std::int32_t mask) { return FormatDisplayNumber(raw, mask, kWholeRegister); }

TEST(EditValueText, TwelveThousandAcrossMasks)
{
    EXPECT_EQ(Whole(12345, 0), "45");
    EXPECT_EQ(Whole(12345, 3), "12345");
    EXPECT_EQ(Whole(12345, 8), "0000012345");
    EXPECT_EQ(Whole(12345, 9), "4.5");
    EXPECT_EQ(Whole(12345, 12), "1234.5");
    EXPECT_EQ(Whole(12345, 18), "0.45");
    EXPECT_EQ(Whole(12345, 20), "23.45");
    EXPECT_EQ(Whole(12345, 27), "0.345");
    EXPECT_EQ(Whole(12345, 30), "012.345");
    EXPECT_EQ(Whole(12345, 34), "0000012.345");
}

TEST(EditValueText, MinusFiveShowsItsSignOnlyInTenPositionMasks)
{
    EXPECT_EQ(Whole(-5, 8), "-000000005");
    EXPECT_EQ(Whole(-5, 17), "-00000000.5");
    EXPECT_EQ(Whole(-5, 26), "-0000000.05");
    EXPECT_EQ(Whole(-5, 34), "-000000.005");
    EXPECT_EQ(Whole(-5, 1), "005");
    EXPECT_EQ(Whole(-5, 7), "000000005");
    EXPECT_EQ(Whole(-5, 18), "0.05");
    EXPECT_EQ(Whole(-5, 33), "000000.005");
}

TEST(EditValueText, DigitsAboveTheMaskAreDropped)
{
    EXPECT_EQ(Whole(123456789, 0), "89");
    EXPECT_EQ(Whole(123456789, 10), "78.9");
    EXPECT_EQ(Whole(0, 4), "000000");
    EXPECT_EQ(Whole(0, 18), "0.00");
}

TEST(EditValueText, MaskTable)
{
    const std::pair<int, const char*> masks[] = {
        {0, "99"},           {1, "999"},          {8, "9999999999"}, {9, "9.9"},
        {17, "999999999.9"}, {18, ".99"},         {19, "9.99"},      {26, "99999999.99"},
        {27, ".999"},        {34, "9999999.999"},
    };
    for (const auto& [index, text] : masks)
        EXPECT_EQ(DisplayMaskText(index), text) << index;
    EXPECT_EQ(DisplayMaskText(35), "");
    EXPECT_EQ(DisplayMaskText(-1), "");
    DisplayMask m{};
    EXPECT_FALSE(DisplayMaskAt(35, &m));
    EXPECT_FALSE(DisplayMaskAt(-1, &m));
    EXPECT_FALSE(DisplayMaskAt(INT_MIN, &m));
    ASSERT_TRUE(DisplayMaskAt(31, &m));
    EXPECT_EQ(m.integers, 4);
    EXPECT_EQ(m.decimals, 3);
}

// The layout is measured once, so every value must come out the same
// number of characters in a given mask.
TEST(EditValueText, EveryValueKeepsTheMaskShape)
{
    const std::int32_t values[] = {0, 7, -5, 12345, 999999999, -999999999, -1000000000, -1234567890, INT_MIN, INT_MAX};
    for (std::int32_t mask = 0; mask < kDisplayMaskCount; ++mask) {
        std::string shape = DisplayMaskText(mask);
        if (shape[0] == '.')
            shape = "0" + shape;
        for (std::int32_t v : values) {
            const std::string text = Whole(v, mask);
            EXPECT_EQ(text.size(), shape.size()) << mask << " " << v;
            const std::size_t point = shape.find('.');
            if (point != std::string::npos && point < text.size()) {
                EXPECT_EQ(text[point], '.') << mask << " " << v;
            }
        }
    }
}

TEST(EditValueText, BigNegativesKeepTheirSignAndDropTheTopDigit)
{
    EXPECT_EQ(Whole(-1234567890, 8), "-234567890");
    EXPECT_EQ(Whole(-1234567890, 34), "-234567.890");
    EXPECT_EQ(Whole(-1234567890, 26), "-2345678.90");
    EXPECT_EQ(Whole(-1234567890, 17), "-23456789.0");
    EXPECT_EQ(Whole(-1234567890, 12), "6789.0");
    EXPECT_EQ(Whole(-1234567890, 0), "90");
    EXPECT_EQ(Whole(-1000000000, 34), "-000000.000");
    EXPECT_EQ(Whole(INT_MIN, 34), "-147483.648");
    EXPECT_EQ(Whole(INT_MIN, 18), "0.48");
    // One above the limit still fits the ten positions, sign included.
    EXPECT_EQ(Whole(-999999999, 34), "-999999.999");
}

TEST(EditValueText, PartSelector)
{
    const std::int32_t raw = 0x12345678;
    EXPECT_EQ(RegisterPart(raw, 0), 0x78);
    EXPECT_EQ(RegisterPart(raw, 1), 0x56);
    EXPECT_EQ(RegisterPart(raw, 2), 0x34);
    EXPECT_EQ(RegisterPart(raw, 3), 0x12);
    EXPECT_EQ(RegisterPart(raw, 4), 0x5678);
    EXPECT_EQ(RegisterPart(raw, 5), 0x1234);
    EXPECT_EQ(RegisterPart(raw, 6), raw);
    EXPECT_EQ(RegisterPart(raw, 7), raw);
    EXPECT_EQ(RegisterPart(raw, 30), raw);
    EXPECT_EQ(RegisterPart(raw, -1), raw);
}

TEST(EditValueText, BytesAndWordsAreUnsigned)
{
    const auto high = static_cast<std::int32_t>(0xFF000000u);
    EXPECT_EQ(FormatDisplayNumber(high, 8, 3), "0000000255");
    EXPECT_EQ(FormatDisplayNumber(high, 8, 5), "0000065280");
    EXPECT_EQ(FormatDisplayNumber(high, 8, 6), "-016777216");
    EXPECT_EQ(FormatDisplayNumber(high, 8, 2), "0000000000");
    const auto sign = static_cast<std::int32_t>(0x80000000u);
    EXPECT_EQ(FormatDisplayNumber(sign, 8, 5), "0000032768");
    EXPECT_EQ(FormatDisplayNumber(-1, 8, 4), "0000065535");
    EXPECT_EQ(FormatDisplayNumber(-1, 1, 0), "255");
    EXPECT_EQ(FormatDisplayNumber(-1, 8, -3), "-000000001");
}

TEST(EditValueText, UnitAfterOrBefore)
{
    EXPECT_EQ(FormatDisplayText(7, 2, kWholeRegister, "kW", 0), "0007kW");
    EXPECT_EQ(FormatDisplayText(7, 2, kWholeRegister, "kW", 1), "kW0007");
    EXPECT_EQ(FormatDisplayText(7, 2, kWholeRegister, "kW", 5), "kW0007");
    EXPECT_EQ(FormatDisplayText(7, 2, kWholeRegister, "", 1), "0007");
}

TEST(EditValueText, MaskOutsideTheTableLeavesTheUnitAlone)
{
    EXPECT_EQ(FormatDisplayText(12345, 35, kWholeRegister, "kW", 0), "kW");
    EXPECT_EQ(FormatDisplayText(12345, -1, kWholeRegister, "kW", 1), "kW");
    EXPECT_EQ(FormatDisplayText(12345, INT_MAX, kWholeRegister, "", 0), "");
}

}  // namespace
