// The automation properties and their setters' rules.
#include "clients/led8/tests/led8_fixture.h"

namespace {
Variant Get(COleControl& c, DISPID id)
{
    Variant v;
    EXPECT_EQ(c.GetProperty(id, {}, &v), S_OK) << id;
    return v;
}
}  // namespace

TEST_F(Led8Test, LedAcceptsBelowThirtyTwoWithoutRepainting)
{
    EXPECT_EQ(ctrl->PutProperty(DISPID_LED8_LED, {}, Variant::Long(5)), S_OK);
    EXPECT_EQ(ctrl->Led, 5);
    EXPECT_TRUE(ctrl->IsModified());
    EXPECT_TRUE(Invalidated().empty()) << "the new style waits for the next repaint";
    ctrl->value = 1;
    EXPECT_EQ(LitLamps(5), 1u);

    ctrl->SetModifiedFlag(FALSE);
    ctrl->PutProperty(DISPID_LED8_LED, {}, Variant::Long(32));
    ctrl->PutProperty(DISPID_LED8_LED, {}, Variant::Long(1000));
    EXPECT_EQ(ctrl->Led, 5);
    EXPECT_FALSE(ctrl->IsModified());

    ctrl->PutProperty(DISPID_LED8_LED, {}, Variant::Long(-3));
    EXPECT_EQ(Get(*ctrl, DISPID_LED8_LED).AsLong(), -3) << "negative styles pass the setter";
}

TEST_F(Led8Test, ValueIsTheLowByteWhateverByteIsShown)
{
    Bind(1, 4);
    Feed(1, 4, 0x12345678);
    for (int bit = 0; bit <= 3; ++bit) {
        ctrl->SetBit(bit);
        EXPECT_EQ(Get(*ctrl, DISPID_LED8_VALUE).AsLong(), 0x78) << "byte " << bit;
    }
    EXPECT_EQ(ctrl->PutProperty(DISPID_LED8_VALUE, {}, Variant::Long(1)), CTL_E_SETNOTSUPPORTED);
}

TEST_F(Led8Test, BitSetterTakesZeroToThirtyAndRepaintsTheLampRow)
{
    ctrl->PutProperty(DISPID_CLIENT_BIT, {}, Variant::Long(2));
    EXPECT_EQ(ctrl->Bit, 2);
    EXPECT_TRUE(ctrl->IsModified());
    EXPECT_EQ(Invalidated(), (std::vector<RECT>{RECT{0, 24, 224, 48}}));
    ctrl->PutProperty(DISPID_CLIENT_BIT, {}, Variant::Long(31));
    ctrl->PutProperty(DISPID_CLIENT_BIT, {}, Variant::Long(-1));
    EXPECT_EQ(ctrl->Bit, 2);
    ctrl->PutProperty(DISPID_CLIENT_BIT, {}, Variant::Long(30));
    EXPECT_EQ(ctrl->Bit, 30);
}

TEST_F(Led8Test, AlignSetterTakesZeroOrOneAndRepaintsEverything)
{
    ctrl->PutProperty(DISPID_CLIENT_ALIGN, {}, Variant::Long(1));
    EXPECT_EQ(ctrl->Align, 1);
    EXPECT_TRUE(ctrl->IsModified());
    std::vector<RECT> whole = Invalidated();
    ASSERT_EQ(whole.size(), 1u);
    EXPECT_EQ(whole[0], (RECT{0, 0, 224, 48}));
    ctrl->PutProperty(DISPID_CLIENT_ALIGN, {}, Variant::Long(2));
    EXPECT_EQ(ctrl->Align, 1);
}

TEST_F(Led8Test, PlcAndRegSettersFollowTheCommonRules)
{
    ctrl->PutProperty(DISPID_CLIENT_PLC, {}, Variant::Long(0));
    EXPECT_FALSE(ctrl->IsModified()) << "the same PLC again is no change";
    ctrl->PutProperty(DISPID_CLIENT_PLC, {}, Variant::Long(250));
    EXPECT_EQ(ctrl->Plc, 250);
    ctrl->PutProperty(DISPID_CLIENT_REG, {}, Variant::Long(31999));
    ctrl->PutProperty(DISPID_CLIENT_REG, {}, Variant::Long(32000));
    EXPECT_EQ(ctrl->Reg, 31999);
}
