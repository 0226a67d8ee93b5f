// Values and scales the bar cannot show as they are: drawn as dashes or a
// clamped bar, never outside the control, never dividing by zero.
#include "clients/bar/tests/bar_fixture.h"

#include <climits>

constexpr int B = 11;
constexpr int D = 10;

TEST_F(BarTest, ZeroSpanShowsAnEmptyBarAndDashes)
{
    ctrl.SetMin(50);
    ctrl.SetMax(50);
    Data(1, 30);
    EXPECT_EQ(ctrl.LitRows(), 0);
    EXPECT_EQ(ctrl.Percentage(), -1);
    nimbo::Pixels p = Draw();
    EXPECT_TRUE(BarShows(p, 0));
    EXPECT_TRUE(PercentShows(p, 10, 10));
    EXPECT_TRUE(NumberShows(p, 24, 96, true, {B, B, 3, 0}));
    EXPECT_TRUE(NothingOutsideTheControl(p));
}

TEST_F(BarTest, NegativeValueShowsAnEmptyBarAndDashes)
{
    Data(1, -5);
    nimbo::Pixels p = Draw();
    EXPECT_TRUE(BarShows(p, 0));
    EXPECT_TRUE(PercentShows(p, 10, 10));
    EXPECT_TRUE(NumberShows(p, 24, 96, true, {D, D, D, D}));
    EXPECT_TRUE(NothingOutsideTheControl(p));
}

TEST_F(BarTest, NumbersTooWideForTheirCellsShowDashes)
{
    ctrl.SetMax(100000);
    ctrl.SetValue(10000);
    nimbo::Pixels p = Draw();
    EXPECT_TRUE(NumberShows(p, 24, 64, false, {D, D, D, D, D}));
    EXPECT_TRUE(NumberShows(p, 24, 96, true, {D, D, D, D}));
    EXPECT_TRUE(BarShows(p, 16)) << "10000 * 168 / 100000";
    EXPECT_TRUE(NothingOutsideTheControl(p));
}

TEST_F(BarTest, StoredNegativeLimitsShowDashes)
{
    PropertyBag bag;
    bag.Write("Min", Variant::Long(-7));
    bag.Write("Max", Variant::Long(-300));
    ctrl.LoadProperties(bag);
    EXPECT_EQ(ctrl.Min, -7) << "loaded as stored";
    ctrl.SetValue(147);
    nimbo::Pixels p = Draw();
    EXPECT_TRUE(NumberShows(p, 24, 64, false, {D, D, D, D, D}));
    EXPECT_TRUE(NumberShows(p, 24, 136, false, {D, D, D, D, D}));
    EXPECT_TRUE(BarShows(p, 84)) << "147 * 168 / |-300 - -7|";
}

TEST_F(BarTest, ExtremeRegistersDoNotOverflow)
{
    for (std::int32_t v : {INT_MAX, INT_MIN, INT_MAX / 168 + 1}) {
        Data(1, v);
        nimbo::Pixels p = Draw();
        bool high = v > 0;
        EXPECT_TRUE(BarShows(p, high ? 168 : 0)) << v;
        EXPECT_TRUE(PercentShows(p, 10, 10)) << v;
        EXPECT_TRUE(NothingOutsideTheControl(p)) << v;
    }
    PropertyBag bag;
    bag.Write("Min", Variant::Long(INT_MIN));
    bag.Write("Max", Variant::Long(INT_MAX));
    ctrl.LoadProperties(bag);
    ctrl.SetValue(INT_MAX);
    EXPECT_EQ(ctrl.LitRows(), 83) << "the span needs 33 bits";
    EXPECT_EQ(ctrl.Percentage(), 49);
}
