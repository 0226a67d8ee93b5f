// A click on the picture writes the register back with the one bit
// inverted; everything else writes nothing.
#include "clients/button/tests/button_fixture.h"
#include "platform/test_support.h"

using WriteList = std::vector<std::pair<int, std::int32_t>>;

TEST_F(ButtonTest, ClickWithTheBitClearWritesTheValuePlusOne)
{
    Bind(0);
    Data(1, 0x40);
    Click(20, 12);
    EXPECT_EQ(Writes(), (WriteList{{100, 0x41}}));
    EXPECT_EQ(port->registers[100], 0x41) << "the image takes the value at once";
    EXPECT_EQ(ctrl.value, 0x40) << "the cached value waits for the PLC";
}

TEST_F(ButtonTest, ClickWithTheBitSetWritesTheValueMinusOne)
{
    Bind(0);
    Data(1, 0x41);
    Click(0, 0);
    EXPECT_EQ(Writes(), (WriteList{{100, 0x40}}));
}

TEST_F(ButtonTest, ClickInvertsOnlyItsOwnBitAndGoesToItsPlc)
{
    Bind(30, 4, 1234);
    Data(4, 0x12345678, 1234);
    Click(39, 23);
    EXPECT_EQ(Writes(), (WriteList{{1234, 0x52345678}}));
    ASSERT_GE(line->written.size(), 2u);
    EXPECT_EQ(line->written[1], 4) << "station byte";
}

TEST_F(ButtonTest, ClickShowsTheClockUntilTheNextDataForItsPlc)
{
    Bind(0);
    Data(1, 0);
    nimbo::TakeInvalidations(ctrl.m_hWnd);
    Click(5, 5);
    EXPECT_EQ(ctrl.writePending, 1);
    auto rects = nimbo::TakeInvalidations(ctrl.m_hWnd);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].right, 40);
    EXPECT_TRUE(SameArea(Draw(), 0, 0, ButtonPendingClock(), 0, 0, 40, 24));

    Data(2, 0);
    EXPECT_EQ(ctrl.writePending, 1) << "data for another PLC leaves the clock";
    Data(1, 1);
    EXPECT_EQ(ctrl.writePending, 0);
    EXPECT_EQ(nimbo::TakeInvalidations(ctrl.m_hWnd).size(), 1u);
    EXPECT_TRUE(SameArea(Draw(), 0, 0, ButtonStrip(), 0, 0, 40, 24)) << "the new state, bit set";
}

TEST_F(ButtonTest, UnchangedAnswerClearsThePendingWriteWithoutRepainting)
{
    Bind(0);
    Data(1, 0);
    Click(5, 5);
    nimbo::TakeInvalidations(ctrl.m_hWnd);
    Data(1, 0);
    EXPECT_EQ(ctrl.writePending, 0);
    EXPECT_TRUE(nimbo::TakeInvalidations(ctrl.m_hWnd).empty());
}

TEST_F(ButtonTest, TwoClicksBeforeTheAnswerWriteTheSameValueTwice)
{
    Bind(1);
    Data(1, 0);
    Click(5, 5);
    Click(5, 5);
    EXPECT_EQ(Writes(), (WriteList{{100, 2}, {100, 2}}));
}

TEST_F(ButtonTest, ClickOnTheCaptionWritesNothing)
{
    Bind(0);
    Data(1, 0);
    Click(40, 12);
    Click(167, 0);
    EXPECT_TRUE(Writes().empty());
    EXPECT_EQ(ctrl.writePending, 0);
}

TEST_F(ButtonTest, ClickWhileOfflineWritesNothing)
{
    Bind(0);
    Data(1, 0);
    Offline();
    Click(5, 5);
    EXPECT_TRUE(Writes().empty());
    EXPECT_EQ(ctrl.writePending, 0);
}

TEST_F(ButtonTest, ClickBeforeAnyDataWritesNothing)
{
    Bind(0);
    Data(2, 0);
    Click(5, 5);
    EXPECT_TRUE(Writes().empty());
    EXPECT_EQ(ctrl.writePending, 0);
}

// Mend: a disabled button shows the disabled sign, not its state; a click
// must not flip a bit the operator cannot see.
TEST_F(ButtonTest, ClickWhileDisabledWritesNothing)
{
    Bind(0);
    Data(1, 0);
    ctrl.SetEnabled(FALSE);
    Click(5, 5);
    EXPECT_TRUE(Writes().empty());
    ctrl.SetEnabled(TRUE);
    Click(5, 5);
    EXPECT_EQ(Writes(), (WriteList{{100, 1}}));
}

// Mend: the picture is where Align puts it even before the control has been
// painted there, so a click on the caption of a freshly loaded control with
// the picture on the right writes nothing.
TEST_F(ButtonTest, AlignLoadedButNotYetDrawnStillHitsOnlyThePicture)
{
    PropertyBag bag;
    bag.Write("Plc", Variant::Long(1));
    bag.Write("Reg", Variant::Long(100));
    bag.Write("Align", Variant::Long(1));
    ctrl.LoadProperties(bag);
    Data(1, 0);
    Click(10, 10);
    EXPECT_TRUE(Writes().empty());
    nimbo::TakeInvalidations(ctrl.m_hWnd);
    Click(150, 10);
    EXPECT_EQ(Writes(), (WriteList{{100, 1}}));
    auto rects = nimbo::TakeInvalidations(ctrl.m_hWnd);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].left, 128) << "the clock is repainted where the picture is";
    EXPECT_EQ(rects[0].right, 168);
}

TEST_F(ButtonTest, RegisterOutsideTheImageReadsZeroAndIsNotWritten)
{
    PropertyBag bag;
    bag.Write("Plc", Variant::Long(1));
    bag.Write("Reg", Variant::Long(300000));
    ctrl.LoadProperties(bag);
    SendMessageA(ctrl.m_hWnd, WM_PLC_DATA, 1, reinterpret_cast<LPARAM>(port.get()));
    EXPECT_EQ(ctrl.value, 0);
    Click(5, 5);
    EXPECT_TRUE(Writes().empty());
}
