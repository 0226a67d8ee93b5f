// What the two-caption text control stores with the host's form.
#include "clients/text/tests/text_fixture.h"

namespace {
std::vector<std::string> Keys(const PropertyBag& bag)
{
    std::vector<std::string> keys;
    for (const auto& [key, value] : bag.Values())
        keys.push_back(key);
    return keys;
}
}  // namespace

TEST_F(TextTest, SavesVersionFrameworkCommonThenCaptions)
{
    CZemTextCtrl fresh;
    fresh.ResetProperties();
    PropertyBag bag;
    fresh.SaveProperties(&bag);
    EXPECT_EQ(Keys(bag), (std::vector<std::string>{"_Version", "_ExtentX", "_ExtentY", "ForeColor", "Enabled", "Plc",
                                                   "Reg", "Bit", "Align", "CaptionOn", "CaptionOff"}));
    EXPECT_EQ(bag.Read("_Version")->AsLong(), 0x10000);
    EXPECT_EQ(bag.Read("CaptionOn")->AsString(), "");
    EXPECT_EQ(bag.Read("CaptionOff")->AsString(), "");
    EXPECT_EQ(bag.Read("_ExtentX")->AsLong(), 168);
    EXPECT_EQ(bag.Read("_ExtentY")->AsLong(), 24);
}

TEST_F(TextTest, RoundTripKeepsEveryProperty)
{
    ctrl->SetPlc(6);
    ctrl->SetReg(1200);
    ctrl->SetBit(12);
    ctrl->SetAlign(TEXT_ALIGN_CENTRE);
    ctrl->SetCaptionOn("Ferma");
    ctrl->SetCaptionOff("In \"marcia\"");
    ctrl->SetForeColor(RGB(0, 0, 128));
    ctrl->SetEnabled(FALSE);
    PropertyBag bag;
    ctrl->SaveProperties(&bag);

    PropertyBag reread;
    std::string error;
    ASSERT_TRUE(reread.FromText(bag.ToText(), &error)) << error;
    CZemTextCtrl other;
    EXPECT_TRUE(other.LoadProperties(reread).empty());
    EXPECT_EQ(other.Plc, 6);
    EXPECT_EQ(other.Reg, 1200);
    EXPECT_EQ(other.Bit, 12);
    EXPECT_EQ(other.Align, TEXT_ALIGN_CENTRE);
    EXPECT_EQ(other.CaptionOn, "Ferma");
    EXPECT_EQ(other.CaptionOff, "In \"marcia\"");
    EXPECT_EQ(other.GetForeColor(), RGB(0, 0, 128));
    EXPECT_FALSE(other.GetEnabled());
}

TEST_F(TextTest, MissingKeysTakeTheirDefaults)
{
    CZemTextCtrl other;
    other.CaptionOn = "x";
    other.Align = 2;
    other.LoadProperties(PropertyBag{});
    EXPECT_EQ(other.CaptionOn, "");
    EXPECT_EQ(other.CaptionOff, "");
    EXPECT_EQ(other.Align, 0);
    EXPECT_TRUE(other.GetEnabled());
}

TEST_F(TextTest, LoadedAlignSkipsTheSetterAndShowsNoText)
{
    PropertyBag bag;
    bag.Write("Align", Variant::Long(3));
    bag.Write("CaptionOn", Variant::String("Ferma"));
    CZemTextCtrl other;
    other.LoadProperties(bag);
    EXPECT_EQ(other.Align, 3);
    EXPECT_EQ(texttest::Render(other).argb, other.panel.GetPixels().argb);
}
