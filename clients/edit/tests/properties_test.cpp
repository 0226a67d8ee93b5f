#include "clients/edit/tests/edit_fixture.h"
#include "platform/test_support.h"

namespace {

TEST_F(EditTest, StartsWithItsDesignGeometry)
{
    EXPECT_TRUE(SameRect(ctrl->valueRect, RECT{4, 4, 36, 36})) << RectText(ctrl->valueRect);
    EXPECT_TRUE(SameRect(ctrl->controlRect, RECT{0, 0, 40, 64})) << RectText(ctrl->controlRect);
    EXPECT_EQ(Extent().cx, 40);
    EXPECT_EQ(Extent().cy, 64);
    EXPECT_EQ(ctrl->Uni, "");
    EXPECT_EQ(ctrl->Enum, 0);
    EXPECT_EQ(ctrl->Size, 0);
    EXPECT_STREQ(ctrl->info.typeName, "Zem STATIC Control");
}

TEST_F(EditTest, CreationLaysOutToTheText)
{
    Show();
    const SIZE text = Measure("00");
    EXPECT_GT(text.cx, 0);
    EXPECT_TRUE(SameRect(ctrl->valueRect, RECT{4, 4, text.cx + 4, text.cy + 4})) << RectText(ctrl->valueRect);
    EXPECT_TRUE(SameRect(ctrl->controlRect, RECT{0, 0, text.cx + 8, text.cy + 32})) << RectText(ctrl->controlRect);
    EXPECT_EQ(Extent().cx, text.cx + 8);
    EXPECT_EQ(Extent().cy, text.cy + 32);
    RECT placed = Placement();
    EXPECT_TRUE(SameRect(placed, RECT{10, 20, 10 + text.cx + 8, 20 + text.cy + 32})) << RectText(placed);
}

TEST_F(EditTest, ValueFontBySize)
{
    LOGFONTA log = Font();
    EXPECT_EQ(log.lfHeight, -24);
    EXPECT_EQ(log.lfWidth, 12);
    EXPECT_EQ(log.lfWeight, 800);
    EXPECT_EQ(log.lfItalic, 0);
    EXPECT_EQ(log.lfUnderline, 0);
    EXPECT_EQ(log.lfStrikeOut, 0);
    EXPECT_EQ(log.lfCharSet, ANSI_CHARSET);
    EXPECT_EQ(log.lfOutPrecision, 6);
    EXPECT_STREQ(log.lfFaceName, "Courier New");
    EXPECT_EQ(nimbo::FontFamilyInUse(&ctrl->valueFont), "Liberation Mono");

    Show();
    const int small = ctrl->valueRect.bottom - ctrl->valueRect.top;
    ctrl->SetSize(1);
    EXPECT_EQ(Font().lfHeight, -48);
    EXPECT_EQ(Font().lfWidth, 24);
    const int medium = ctrl->valueRect.bottom - ctrl->valueRect.top;
    ctrl->SetSize(2);
    EXPECT_EQ(Font().lfHeight, -96);
    EXPECT_EQ(Font().lfWidth, 48);
    const int large = ctrl->valueRect.bottom - ctrl->valueRect.top;
    EXPECT_LT(small, medium);
    EXPECT_LT(medium, large);
}

TEST_F(EditTest, SizeThreeOrMoreIsIgnored)
{
    Show();
    ctrl->SetSize(1);
    const SIZE before = Extent();
    nimbo::TakeInvalidations(ctrl->m_hWnd);
    ctrl->SetSize(3);
    ctrl->SetSize(100);
    EXPECT_EQ(ctrl->Size, 1);
    EXPECT_EQ(Font().lfHeight, -48);
    EXPECT_EQ(Extent().cx, before.cx);
    EXPECT_EQ(Extent().cy, before.cy);
    EXPECT_TRUE(nimbo::TakeInvalidations(ctrl->m_hWnd).empty());
    EXPECT_EQ(Put(DISPID_EDIT_SIZE, Variant::Long(3)), S_OK);
    EXPECT_EQ(Get(DISPID_EDIT_SIZE).AsLong(), 1);
}

TEST_F(EditTest, NegativeSizeIsStoredAndDrawsSmall)
{
    Show();
    ctrl->SetSize(2);
    ctrl->SetSize(-1);
    EXPECT_EQ(ctrl->Size, -1);
    EXPECT_EQ(Font().lfHeight, -24);
    EXPECT_EQ(Font().lfWidth, 12);
    EXPECT_EQ(ctrl->valueRect.right - ctrl->valueRect.left, Measure("00").cx);
}

TEST_F(EditTest, SizeDoesNotMarkModifiedButUnitAndMaskDo)
{
    ctrl->SetModifiedFlag(FALSE);
    ctrl->SetSize(1);
    EXPECT_FALSE(ctrl->IsModified());
    ctrl->SetEnum(3);
    EXPECT_TRUE(ctrl->IsModified());
    ctrl->SetModifiedFlag(FALSE);
    ctrl->SetUni("kW");
    EXPECT_TRUE(ctrl->IsModified());
}

TEST_F(EditTest, NullUnitIsIgnored)
{
    ctrl->SetUni("kW");
    ctrl->SetModifiedFlag(FALSE);
    ctrl->SetUni(nullptr);
    EXPECT_EQ(ctrl->Uni, "kW");
    EXPECT_FALSE(ctrl->IsModified());
    ctrl->SetUni("");
    EXPECT_EQ(ctrl->Uni, "");
}

TEST_F(EditTest, MaskIsStoredWithoutRangeCheck)
{
    Show();
    ctrl->SetEnum(35);
    EXPECT_EQ(ctrl->Enum, 35);
    ctrl->SetEnum(-1);
    EXPECT_EQ(ctrl->Enum, -1);
    EXPECT_EQ(ctrl->FormatValueText(), "");
    // Nothing left to show: the number box has no width.
    EXPECT_EQ(ctrl->valueRect.right, ctrl->valueRect.left);
    EXPECT_EQ(Extent().cx, 8);
}

TEST_F(EditTest, MaskUnitAndSizeChangeTheExtentInPlace)
{
    Show();
    const SIZE two = Extent();
    ctrl->SetEnum(3);
    const SIZE five = Extent();
    const int cell = Measure("0").cx;
    EXPECT_EQ(five.cx - two.cx, 3 * cell);
    EXPECT_EQ(five.cy, two.cy);
    ctrl->SetUni("kW");
    EXPECT_EQ(Extent().cx - five.cx, 2 * cell);
    EXPECT_EQ(ctrl->FormatValueText(), "00000kW");
    ctrl->SetSize(2);
    EXPECT_GT(Extent().cy, two.cy);
    EXPECT_EQ(Extent().cx, Measure("00000kW").cx + 8);
    RECT placed = Placement();
    EXPECT_TRUE(SameRect(placed, RECT{10, 20, 10 + Extent().cx, 20 + Extent().cy})) << RectText(placed);
    EXPECT_TRUE(SameRect(ctrl->controlRect, RECT{0, 0, Extent().cx, Extent().cy}));
}

TEST_F(EditTest, LayoutChangesRedrawTheWholeWindow)
{
    Show();
    for (int step = 0; step < 3; ++step) {
        if (step == 0)
            ctrl->SetEnum(4);
        else if (step == 1)
            ctrl->SetUni("V");
        else
            ctrl->SetSize(1);
        const std::vector<RECT> got = nimbo::TakeInvalidations(ctrl->m_hWnd);
        ASSERT_FALSE(got.empty()) << step;
        EXPECT_TRUE(SameRect(got.back(), RECT{0, 0, Extent().cx, Extent().cy})) << step << RectText(got.back());
    }
}

TEST_F(EditTest, PartSelectorAndUnitSideKeepTheExtent)
{
    Show();
    ctrl->SetUni("kW");
    const SIZE before = Extent();
    ctrl->SetBit(3);
    ctrl->SetAlign(1);
    EXPECT_EQ(ctrl->FormatValueText(), "kW00");
    EXPECT_EQ(Extent().cx, before.cx);
    EXPECT_EQ(Extent().cy, before.cy);
}

TEST_F(EditTest, AcceptsExtentRequestsOfTheContainer)
{
    EXPECT_TRUE(ctrl->RequestExtent(120, 70));
    EXPECT_EQ(Extent().cx, 120);
    EXPECT_EQ(Extent().cy, 70);
    Show();
    EXPECT_TRUE(ctrl->RequestExtent(200, 90));
    RECT placed = Placement();
    EXPECT_TRUE(SameRect(placed, RECT{10, 20, 210, 110})) << RectText(placed);
}

TEST_F(EditTest, PropertiesThroughAutomation)
{
    EXPECT_EQ(Put(DISPID_EDIT_UNI, Variant::String("bar")), S_OK);
    EXPECT_EQ(Get(DISPID_EDIT_UNI).AsString(), "bar");
    EXPECT_EQ(Put(DISPID_EDIT_ENUM, Variant::Long(12)), S_OK);
    EXPECT_EQ(Get(DISPID_EDIT_ENUM).AsLong(), 12);
    EXPECT_EQ(Put(DISPID_EDIT_SIZE, Variant::Long(2)), S_OK);
    EXPECT_EQ(Get(DISPID_EDIT_SIZE).AsLong(), 2);
    EXPECT_EQ(Put(DISPID_EDIT_VALUE, Variant::Long(5)), CTL_E_SETNOTSUPPORTED);
    EXPECT_EQ(Put(DISPID_CLIENT_CLIENT, Variant::Long(5)), CTL_E_SETNOTSUPPORTED);
}

TEST_F(EditTest, CommonSetterRulesStill)
{
    EXPECT_EQ(Put(DISPID_CLIENT_BIT, Variant::Long(30)), S_OK);
    EXPECT_EQ(ctrl->Bit, 30);
    Put(DISPID_CLIENT_BIT, Variant::Long(31));
    EXPECT_EQ(ctrl->Bit, 30);
    Put(DISPID_CLIENT_REG, Variant::Long(32000));
    EXPECT_EQ(ctrl->Reg, 0);
    Put(DISPID_CLIENT_REG, Variant::Long(31999));
    EXPECT_EQ(ctrl->Reg, 31999);
    Put(DISPID_CLIENT_ALIGN, Variant::Long(2));
    EXPECT_EQ(ctrl->Align, 0);
}

TEST_F(EditTest, ValueIsTheWholeRawRegister)
{
    Show();
    ctrl->SetPlc(2);
    ctrl->SetReg(300);
    ctrl->SetBit(0);
    Feed(2, 300, 0x12345678);
    EXPECT_EQ(Get(DISPID_EDIT_VALUE).AsLong(), 0x12345678);
    ctrl->SetEnum(1);
    EXPECT_EQ(ctrl->FormatValueText(), "120");
}

}  // namespace
