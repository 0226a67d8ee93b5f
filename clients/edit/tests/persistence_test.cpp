#include "clients/edit/tests/edit_fixture.h"

namespace {

std::vector<std::string> Keys(const PropertyBag& bag)
{
    std::vector<std::string> keys;
    for (const auto& [key, value] : bag.Values())
        keys.push_back(key);
    return keys;
}

TEST_F(EditTest, SavesItsKeysInOrder)
{
    PropertyBag bag;
    ctrl->SaveProperties(&bag);
    EXPECT_EQ(Keys(bag), (std::vector<std::string>{"_Version", "_ExtentX", "_ExtentY", "Caption", "BackColor",
                                                   "ForeColor", "Enabled", "Plc", "Reg", "Bit", "Align", "Uni",
                                                   "Enum", "Size"}));
    EXPECT_EQ(bag.Read("_Version")->AsLong(), 0x10000);
    EXPECT_EQ(bag.Read("Uni")->AsString(), "");
    EXPECT_EQ(bag.Read("Enum")->AsLong(), 0);
    EXPECT_EQ(bag.Read("Size")->AsLong(), 0);
}

TEST_F(EditTest, EmptyBagGivesTheDefaults)
{
    ctrl->SetUni("kW");
    ctrl->SetEnum(12);
    ctrl->SetSize(2);
    ctrl->SetPlc(4);
    ctrl->SetReg(9);
    ctrl->SetBit(5);
    ctrl->SetAlign(1);
    EXPECT_TRUE(ctrl->LoadProperties(PropertyBag{}).empty());
    EXPECT_EQ(ctrl->Uni, "");
    EXPECT_EQ(ctrl->Enum, 0);
    EXPECT_EQ(ctrl->Size, 0);
    EXPECT_EQ(ctrl->Plc, 0);
    EXPECT_EQ(ctrl->Reg, 0);
    EXPECT_EQ(ctrl->Bit, 0);
    EXPECT_EQ(ctrl->Align, 0);
}

TEST_F(EditTest, RoundTrip)
{
    ctrl->SetUni("kWh");
    ctrl->SetEnum(12);
    ctrl->SetSize(2);
    ctrl->SetPlc(3);
    ctrl->SetReg(1200);
    ctrl->SetBit(4);
    ctrl->SetAlign(1);
    ctrl->SetText("Energia");
    ctrl->SetForeColor(RGB(0, 255, 0));
    ctrl->SetBackColor(RGB(0, 0, 0));
    PropertyBag bag;
    ctrl->SaveProperties(&bag);
    EXPECT_FALSE(ctrl->IsModified());

    CZEMEDITCtrl copy;
    EXPECT_TRUE(copy.LoadProperties(bag).empty());
    EXPECT_EQ(copy.Uni, "kWh");
    EXPECT_EQ(copy.Enum, 12);
    EXPECT_EQ(copy.Size, 2);
    EXPECT_EQ(copy.Plc, 3);
    EXPECT_EQ(copy.Reg, 1200);
    EXPECT_EQ(copy.Bit, 4);
    EXPECT_EQ(copy.Align, 1);
    EXPECT_EQ(copy.InternalGetText(), "Energia");
    EXPECT_EQ(copy.GetForeColor(), RGB(0, 255, 0));
    EXPECT_EQ(copy.GetBackColor(), RGB(0, 0, 0));
    PropertyBag again;
    copy.SaveProperties(&again);
    EXPECT_EQ(again.ToText(), bag.ToText());
}

TEST_F(EditTest, LoadedValuesSkipTheSetterChecks)
{
    PropertyBag bag;
    bag.Write("Size", Variant::Long(7));
    bag.Write("Enum", Variant::Long(99));
    bag.Write("Bit", Variant::Long(31));
    bag.Write("Reg", Variant::Long(300000));
    ctrl->LoadProperties(bag);
    EXPECT_EQ(ctrl->Size, 7);
    EXPECT_EQ(ctrl->Enum, 99);
    EXPECT_EQ(ctrl->Bit, 31);
    EXPECT_EQ(ctrl->Reg, 300000);
    EXPECT_EQ(ctrl->mask, 1u);
}

TEST_F(EditTest, StoredSizeTakesEffectWhenTheWindowIsCreated)
{
    PropertyBag bag;
    bag.Write("Size", Variant::Long(1));
    bag.Write("Enum", Variant::Long(3));
    ctrl->LoadProperties(bag);
    EXPECT_EQ(Font().lfHeight, -24);
    Show();
    EXPECT_EQ(Font().lfHeight, -48);
    EXPECT_EQ(Extent().cx, Measure("00000").cx + 8);
}

TEST_F(EditTest, StoredExtentGivesWayToTheLayoutOnCreation)
{
    PropertyBag bag;
    bag.Write("_ExtentX", Variant::Long(300));
    bag.Write("_ExtentY", Variant::Long(200));
    ctrl->LoadProperties(bag);
    EXPECT_EQ(Extent().cx, 300);
    Show();
    EXPECT_EQ(Extent().cx, Measure("00").cx + 8);
}

// A control already on show takes a reloaded look at once rather than
// drawing the new mask with the old font in the old box.
TEST_F(EditTest, LoadingIntoAShownControlLaysItOutAgain)
{
    Show();
    PropertyBag bag;
    bag.Write("Size", Variant::Long(2));
    bag.Write("Enum", Variant::Long(8));
    bag.Write("Uni", Variant::String("V"));
    ctrl->LoadProperties(bag);
    EXPECT_EQ(Font().lfHeight, -96);
    EXPECT_EQ(ctrl->valueRect.right - ctrl->valueRect.left, Measure("0000000000V").cx);
    EXPECT_EQ(Extent().cx, Measure("0000000000V").cx + 8);
}

TEST_F(EditTest, PersistedRegisterOutsideTheImageReadsZero)
{
    Show();
    port->registers[CComSer::kRegisterCount - 1] = 77;
    port->registers[0] = 66;
    for (std::int32_t reg : {CComSer::kRegisterCount, -1, 0x7FFFFFFF}) {
        PropertyBag bag;
        bag.Write("Plc", Variant::Long(1));
        bag.Write("Reg", Variant::Long(reg));
        ctrl->LoadProperties(bag);
        ctrl->value = 12;
        Feed(1, 5, 5);
        EXPECT_EQ(ctrl->value, 0) << reg;
    }
}

}  // namespace
