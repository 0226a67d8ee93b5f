// What the button draws: picture and caption box, the clock while a write
// is pending, the offline and disabled looks.
#include "clients/button/tests/button_fixture.h"

namespace {
const nimbo::Pixels kStrip = ButtonStrip();
constexpr int kSetRow = 0, kClearRow = 24;
}  // namespace

TEST_F(ButtonTest, NewControlShowsStyleZeroWithItsBitClear)
{
    nimbo::Pixels p = Draw();
    EXPECT_TRUE(SameArea(p, 0, 0, kStrip, 0, kClearRow, 40, 24));
    EXPECT_TRUE(SameArea(p, 40, 0, ButtonCaptionPanel(), 0, 0, 6, 24)) << "caption panel right of the picture";
}

TEST_F(ButtonTest, BitSetShowsTheUpperRowOfItsStyle)
{
    Bind(2);
    ctrl.SetButton(7);
    Data(1, 0x4);
    nimbo::Pixels p = Draw();
    EXPECT_TRUE(SameArea(p, 0, 0, kStrip, 7 * 40, kSetRow, 40, 24));
    Data(1, 0x3);
    EXPECT_TRUE(SameArea(Draw(), 0, 0, kStrip, 7 * 40, kClearRow, 40, 24)) << "other bits do not count";
}

TEST_F(ButtonTest, EveryStyleHasTwoDifferentStates)
{
    for (int cell = 0; cell < kButtonStyles; ++cell)
        EXPECT_FALSE(SameArea(kStrip, cell * 40, kSetRow, kStrip, cell * 40, kClearRow, 40, 24)) << cell;
    EXPECT_EQ(kStrip.width, 480);
    EXPECT_EQ(kStrip.height, 48);
}

TEST_F(ButtonTest, AlignOnePutsThePictureOnTheRight)
{
    ctrl.SetAlign(1);
    Bind(0);
    Data(1, 1);
    nimbo::Pixels p = Draw();
    EXPECT_TRUE(SameArea(p, 128, 0, kStrip, 0, kSetRow, 40, 24));
    EXPECT_TRUE(SameArea(p, 0, 0, ButtonCaptionPanel(), 0, 0, 6, 24));
    EXPECT_EQ(ctrl.valueRect.left, 128);
    EXPECT_EQ(ctrl.valueRect.right, 168);
}

TEST_F(ButtonTest, CaptionBoxIsFilledWithBackColorAndFramedInBlack)
{
    ctrl.SetBackColor(RGB(0, 0, 255));
    nimbo::Pixels p = Draw();
    EXPECT_EQ(p.At(46, 6), 0xFF000000u) << "frame corner at 6, 6 of the caption area";
    EXPECT_EQ(p.At(40 + 121, 17), 0xFF000000u) << "box is 116 x 12";
    EXPECT_EQ(p.At(48, 8), 0xFF0000FFu);
    EXPECT_EQ(p.At(40 + 122, 12), ButtonCaptionPanel().At(122, 12));
}

TEST_F(ButtonTest, StoredBitIsShownWithoutSettingIt)
{
    PropertyBag bag;
    bag.Write("Plc", Variant::Long(1));
    bag.Write("Reg", Variant::Long(100));
    bag.Write("Bit", Variant::Long(5));
    ctrl.LoadProperties(bag);
    Data(1, 1 << 5);
    EXPECT_TRUE(SameArea(Draw(), 0, 0, kStrip, 0, kSetRow, 40, 24));
}

TEST_F(ButtonTest, OfflineLookIsGreyWithTheOfflineSign)
{
    Offline();
    nimbo::Pixels p = Draw();
    EXPECT_TRUE(SameArea(p, 0, 0, OfflineSign(), 0, 0, 28, 24));
    EXPECT_TRUE(AllOf(p, 28, 0, 140, 24, kLightGrey));
}

TEST_F(ButtonTest, DisabledLookIsGreyWithTheDisabledSign)
{
    ctrl.SetEnabled(FALSE);
    nimbo::Pixels p = Draw();
    EXPECT_TRUE(SameArea(p, 0, 0, DisabledSign(), 0, 0, 28, 24));
    EXPECT_TRUE(AllOf(p, 28, 0, 140, 24, kLightGrey));
    Offline();
    EXPECT_TRUE(SameArea(Draw(), 0, 0, OfflineSign(), 0, 0, 28, 24)) << "offline wins over disabled";
}

TEST_F(ButtonTest, DataForItsPlcBringsTheNormalLookBack)
{
    Bind(0);
    Data(1, 1);
    Offline();
    Data(1, 1);
    EXPECT_TRUE(SameArea(Draw(), 0, 0, kStrip, 0, kSetRow, 40, 24));
}

// Mend: the strip has cells 0 to 11 only; 12 (which the page and the
// property accept) and negative styles must not copy from outside it.
TEST_F(ButtonTest, StyleOutsideTheStripShowsAnEmptyCell)
{
    for (int style : {12, -1, -40}) {
        ctrl.SetButton(style);
        ASSERT_EQ(ctrl.Button, style);
        nimbo::Pixels p = Draw();
        EXPECT_TRUE(AllOf(p, 0, 0, 40, 24, kLightGrey)) << style;
        EXPECT_TRUE(SameArea(p, 40, 0, ButtonCaptionPanel(), 0, 0, 6, 24)) << style;
    }
}

TEST_F(ButtonTest, ClockStandsInForThePictureWhileAWriteIsPending)
{
    ctrl.SetAlign(1);
    Bind(0);
    Data(1, 0);
    Click(140, 10);
    nimbo::Pixels p = Draw();
    EXPECT_TRUE(SameArea(p, 128, 0, ButtonPendingClock(), 0, 0, 40, 24));
    EXPECT_TRUE(SameArea(p, 0, 0, ButtonCaptionPanel(), 0, 0, 6, 24));
}

TEST_F(ButtonTest, NullDeviceContextDrawsNothing)
{
    ctrl.OnDraw(nullptr, RECT{0, 0, 168, 24}, RECT{0, 0, 168, 24});
    SUCCEED();
}
