// What the bar draws: the bar, the readout, the labels and the caption box,
// and the offline and disabled looks.
#include "clients/bar/tests/bar_fixture.h"

constexpr int B = 11;  // the blank cell of the number strips

TEST_F(BarTest, NewControlShowsAnEmptyBarAndTheDefaultScale)
{
    nimbo::Pixels p = Draw();
    EXPECT_TRUE(BarShows(p, 0));
    EXPECT_TRUE(PercentShows(p, 11, 0));
    EXPECT_TRUE(NumberShows(p, 24, 64, false, {B, B, 1, 0, 0}));
    EXPECT_TRUE(NumberShows(p, 24, 96, true, {B, B, B, 0}));
    EXPECT_TRUE(NumberShows(p, 24, 136, false, {B, B, B, B, 0}));
    EXPECT_TRUE(NothingOutsideTheControl(p));
}

TEST_F(BarTest, LabelsSitBetweenTheNumbers)
{
    nimbo::Pixels p = Draw();
    EXPECT_TRUE(SameArea(p, 24, 48, BarPercentLabel(), 0, 0, 60, 16));
    EXPECT_TRUE(SameArea(p, 24, 80, BarMaxLabel(), 0, 0, 60, 16));
    EXPECT_TRUE(SameArea(p, 24, 116, BarValueLabel(), 0, 0, 60, 20));
    EXPECT_TRUE(SameArea(p, 24, 152, BarMinLabel(), 0, 0, 60, 16));
}

TEST_F(BarTest, FiftyLightsHalfTheBarAndReads49)
{
    Data(1, 50);
    nimbo::Pixels p = Draw();
    EXPECT_TRUE(BarShows(p, 84));
    EXPECT_TRUE(PercentShows(p, 4, 9));
    EXPECT_TRUE(NumberShows(p, 24, 64, false, {B, B, 1, 0, 0}));
    EXPECT_TRUE(NumberShows(p, 24, 96, true, {B, B, 5, 0}));
    EXPECT_TRUE(NumberShows(p, 24, 136, false, {B, B, B, B, 0}));
}

TEST_F(BarTest, HundredLightsTheWholeBarAndReads99)
{
    Data(1, 100);
    nimbo::Pixels p = Draw();
    EXPECT_TRUE(BarShows(p, 168));
    EXPECT_TRUE(PercentShows(p, 9, 9));
    EXPECT_TRUE(NumberShows(p, 24, 96, true, {B, 1, 0, 0}));
}

TEST_F(BarTest, AboveTheSpanReadsTwoDashes)
{
    Data(1, 102);
    nimbo::Pixels p = Draw();
    EXPECT_TRUE(PercentShows(p, 10, 10));
    EXPECT_TRUE(BarShows(p, 168)) << "clamped to the bar's height";
    EXPECT_TRUE(NothingOutsideTheControl(p));
}

TEST_F(BarTest, SingleDigitPercentageHasABlankTens)
{
    Data(1, 5);
    EXPECT_TRUE(PercentShows(Draw(), 11, 4));
}

TEST_F(BarTest, TheValueNotItsDistanceFromMinIsMeasured)
{
    ctrl.SetMin(20);
    ctrl.SetMax(120);
    Data(1, 20);
    nimbo::Pixels p = Draw();
    EXPECT_TRUE(BarShows(p, 33));
    EXPECT_TRUE(PercentShows(p, 1, 9));
    EXPECT_TRUE(NumberShows(p, 24, 64, false, {B, B, 1, 2, 0}));
    EXPECT_TRUE(NumberShows(p, 24, 136, false, {B, B, B, 2, 0}));
}

TEST_F(BarTest, FiveDigitNumbersAreShownInFull)
{
    ctrl.SetMax(99999);
    ctrl.SetValue(9999);
    nimbo::Pixels p = Draw();
    EXPECT_TRUE(NumberShows(p, 24, 64, false, {9, 9, 9, 9, 9}));
    EXPECT_TRUE(NumberShows(p, 24, 96, true, {9, 9, 9, 9}));
    ctrl.SetMax(10203);
    EXPECT_TRUE(NumberShows(Draw(), 24, 64, false, {1, 0, 2, 0, 3})) << "inner zeros are shown";
}

TEST_F(BarTest, CaptionBoxIsFilledWithBackColorWithoutAFrame)
{
    ctrl.SetBackColor(RGB(0, 0, 255));
    nimbo::Pixels p = Draw();
    EXPECT_TRUE(AllOf(p, 6, 174, 72, 12, 0xFF0000FFu));
    EXPECT_TRUE(SameArea(p, 0, 168, BarCaptionPanel(), 0, 0, 84, 6));
    EXPECT_TRUE(SameArea(p, 0, 186, BarCaptionPanel(), 0, 18, 84, 6));
}

namespace {
struct Columns {
    int first, last;
};
// The leftmost and rightmost columns of the caption box holding text.
Columns TextColumns(const nimbo::Pixels& p)
{
    int first = -1, last = -1;
    for (int x = 6; x < 78; ++x)
        for (int y = 174; y < 186; ++y)
            if (p.At(x, y) != 0xFF0000FFu) {
                if (first < 0)
                    first = x;
                last = x;
            }
    return {first, last};
}
}  // namespace

TEST_F(BarTest, CaptionAlignsRightCentredOrLeft)
{
    ctrl.SetBackColor(RGB(0, 0, 255));
    ctrl.SetForeColor(RGB(255, 255, 255));
    ctrl.SetText("Li");
    auto right = TextColumns(Draw());
    ctrl.SetAlign(1);
    auto centre = TextColumns(Draw());
    ASSERT_GE(right.first, 0);
    ASSERT_GE(centre.first, 0);
    EXPECT_GT(right.first, 60);
    EXPECT_GT(centre.first, 20);
    EXPECT_LT(centre.last, 64);

    PropertyBag bag;
    bag.Write("Align", Variant::Long(2));
    ctrl.LoadProperties(bag);
    ctrl.SetBackColor(RGB(0, 0, 255));
    ctrl.SetForeColor(RGB(255, 255, 255));
    ctrl.SetText("Li");
    auto left = TextColumns(Draw());
    ASSERT_GE(left.first, 0);
    EXPECT_LT(left.last, 24);

    bag.Write("Align", Variant::Long(3));
    ctrl.LoadProperties(bag);
    ctrl.SetBackColor(RGB(0, 0, 255));
    ctrl.SetText("Li");
    EXPECT_EQ(TextColumns(Draw()).first, -1) << "no text for any other Align";
}

TEST_F(BarTest, OfflineLookIsGreyWithTheOfflineSign)
{
    Offline();
    nimbo::Pixels p = Draw();
    EXPECT_TRUE(SameArea(p, 0, 0, OfflineSign(), 0, 0, 28, 24));
    EXPECT_TRUE(AllOf(p, 28, 0, 56, 192, kLightGrey));
    EXPECT_TRUE(AllOf(p, 0, 24, 84, 168, kLightGrey));
}

TEST_F(BarTest, DisabledLookIsGreyWithTheDisabledSign)
{
    ctrl.SetEnabled(FALSE);
    nimbo::Pixels p = Draw();
    EXPECT_TRUE(SameArea(p, 0, 0, DisabledSign(), 0, 0, 28, 24));
    EXPECT_TRUE(AllOf(p, 0, 24, 84, 168, kLightGrey));
}

TEST_F(BarTest, StripsHaveTheirSizes)
{
    EXPECT_EQ(BarPercentDigits().width, 360);
    EXPECT_EQ(BarPercentDigits().height, 48);
    EXPECT_EQ(BarSmallDigits().width, 144);
    EXPECT_EQ(BarSmallDigits().height, 16);
    EXPECT_EQ(BarLargeDigits().width, 180);
    EXPECT_EQ(BarLargeDigits().height, 20);
    EXPECT_EQ(BarColumnFull().height, 168);
    EXPECT_EQ(BarValueLabel().height, 20);
    const nimbo::Pixels strip = BarSmallDigits();
    for (int a = 0; a < 12; ++a)
        for (int b = a + 1; b < 12; ++b)
            EXPECT_FALSE(SameArea(strip, a * 12, 0, strip, b * 12, 0, 12, 16)) << a << " and " << b;
}
