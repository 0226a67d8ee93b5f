// What the eight-LED control stores with the host's form.
#include "clients/led8/tests/led8_fixture.h"

namespace {
std::vector<std::string> Keys(const PropertyBag& bag)
{
    std::vector<std::string> keys;
    for (const auto& [key, value] : bag.Values())
        keys.push_back(key);
    return keys;
}
}  // namespace

TEST_F(Led8Test, SavesVersionFrameworkCommonThenLed)
{
    PropertyBag bag;
    ctrl->SaveProperties(&bag);
    EXPECT_EQ(Keys(bag), (std::vector<std::string>{"_Version", "_ExtentX", "_ExtentY", "Caption", "BackColor",
                                                   "ForeColor", "Enabled", "Plc", "Reg", "Bit", "Align", "Led"}));
    EXPECT_EQ(bag.Read("_Version")->AsLong(), 0x10000);
    EXPECT_EQ(bag.Read("Led")->AsLong(), 0);
    EXPECT_EQ(bag.Read("Plc")->AsLong(), 0);
    EXPECT_EQ(bag.Read("_ExtentX")->AsLong(), 224);
    EXPECT_EQ(bag.Read("_ExtentY")->AsLong(), 48);
}

TEST_F(Led8Test, RoundTripKeepsEveryProperty)
{
    ctrl->SetPlc(4);
    ctrl->SetReg(300);
    ctrl->SetBit(2);
    ctrl->SetAlign(1);
    ctrl->SetLed(17);
    ctrl->SetText("Allarmi gruppo");
    ctrl->SetBackColor(RGB(10, 20, 30));
    ctrl->SetForeColor(RGB(200, 100, 0));
    ctrl->SetEnabled(FALSE);
    PropertyBag bag;
    ctrl->SaveProperties(&bag);
    EXPECT_FALSE(ctrl->IsModified());

    CZemLed8Ctrl other;
    EXPECT_TRUE(other.LoadProperties(bag).empty());
    EXPECT_EQ(other.Plc, 4);
    EXPECT_EQ(other.Reg, 300);
    EXPECT_EQ(other.Bit, 2);
    EXPECT_EQ(other.Align, 1);
    EXPECT_EQ(other.Led, 17);
    EXPECT_EQ(other.InternalGetText(), "Allarmi gruppo");
    EXPECT_EQ(other.GetBackColor(), RGB(10, 20, 30));
    EXPECT_EQ(other.GetForeColor(), RGB(200, 100, 0));
    EXPECT_FALSE(other.GetEnabled());
}

TEST_F(Led8Test, MissingKeysTakeTheirDefaults)
{
    CZemLed8Ctrl other;
    other.Led = 9;
    other.Plc = 9;
    PropertyBag empty;
    other.LoadProperties(empty);
    EXPECT_EQ(other.Led, 0);
    EXPECT_EQ(other.Plc, 0);
    EXPECT_EQ(other.Align, 0);
    EXPECT_TRUE(other.GetEnabled());
    EXPECT_EQ(other.InternalGetText(), "");
}

TEST_F(Led8Test, LoadedValuesSkipTheSettersChecks)
{
    PropertyBag bag;
    bag.Write("Bit", Variant::Long(7));
    bag.Write("Align", Variant::Long(4));
    bag.Write("Led", Variant::Long(40));
    bag.Write("Reg", Variant::Long(64000));
    CZemLed8Ctrl other;
    other.LoadProperties(bag);
    EXPECT_EQ(other.Bit, 7);
    EXPECT_EQ(other.Align, 4);
    EXPECT_EQ(other.Led, 40);
    EXPECT_EQ(other.Reg, 64000);
    EXPECT_EQ(other.mask, 1u) << "the mask is not recomputed on load";
}
