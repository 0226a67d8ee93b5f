// The bar's properties, their setters' rules and their persistence.
#include "clients/bar/tests/bar_fixture.h"
#include "platform/test_support.h"

namespace {
std::vector<std::string> Keys(const PropertyBag& bag)
{
    std::vector<std::string> keys;
    for (const auto& kv : bag.Values())
        keys.push_back(kv.first);
    return keys;
}
}  // namespace

TEST_F(BarTest, MinAndMaxIgnoreZeroAndNegatives)
{
    ctrl.SetModifiedFlag(FALSE);
    for (DISPID id : {DISPID_ZEMBAR_MIN, DISPID_ZEMBAR_MAX})
        for (std::int32_t v : {0, -1, -100})
            EXPECT_EQ(ctrl.PutProperty(id, {}, Variant::Long(v)), S_OK);
    EXPECT_EQ(ctrl.Min, 0);
    EXPECT_EQ(ctrl.Max, 100);
    EXPECT_FALSE(ctrl.IsModified());
    EXPECT_TRUE(nimbo::TakeInvalidations(ctrl.m_hWnd).empty());

    ctrl.PutProperty(DISPID_ZEMBAR_MAX, {}, Variant::Long(250));
    ctrl.PutProperty(DISPID_ZEMBAR_MIN, {}, Variant::Long(3));
    EXPECT_EQ(ctrl.Max, 250);
    EXPECT_EQ(ctrl.Min, 3);
    EXPECT_TRUE(ctrl.IsModified());
    auto rects = nimbo::TakeInvalidations(ctrl.m_hWnd);
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0].bottom, 168) << "bar and readout only";
}

TEST_F(BarTest, CommonSettersIgnoreWhatTheyDoNotAccept)
{
    ctrl.SetReg(32000);
    ctrl.SetBit(31);
    EXPECT_EQ(ctrl.Reg, 40);
    EXPECT_EQ(ctrl.Bit, 0);
    ctrl.SetAlign(2);
    EXPECT_EQ(ctrl.Align, 0);
    EXPECT_EQ(ctrl.PutProperty(DISPID_CLIENT_CLIENT, {}, Variant::Long(5)), CTL_E_SETNOTSUPPORTED);
}

TEST_F(BarTest, KeysComeInOrderWithTheirDefaults)
{
    CZemBarCtrl fresh;
    fresh.ResetProperties();
    PropertyBag bag;
    fresh.SaveProperties(&bag);
    std::vector<std::string> expected{"_Version", "_ExtentX", "_ExtentY", "Caption", "BackColor", "ForeColor",
                                      "Enabled",  "Plc",      "Reg",      "Bit",     "Align",     "Min",
                                      "Max",      "Value"};
    EXPECT_EQ(Keys(bag), expected);
    EXPECT_EQ(bag.Read("_ExtentX")->AsLong(), 84);
    EXPECT_EQ(bag.Read("_ExtentY")->AsLong(), 192);
    EXPECT_EQ(bag.Read("Min")->AsLong(), 0);
    EXPECT_EQ(bag.Read("Max")->AsLong(), 100);
    EXPECT_EQ(bag.Read("Value")->AsLong(), 0);
}

TEST_F(BarTest, TheLastValueShownIsSavedAndShownAgain)
{
    ctrl.SetMin(10);
    ctrl.SetMax(400);
    ctrl.SetAlign(1);
    ctrl.SetText("Gasolio");
    Data(1, 195);
    PropertyBag bag;
    ctrl.SaveProperties(&bag);
    PropertyBag reread;
    std::string error;
    ASSERT_TRUE(reread.FromText(bag.ToText(), &error)) << error;

    CZemBarCtrl copy;
    copy.ResetProperties();
    EXPECT_TRUE(copy.LoadProperties(reread).empty());
    EXPECT_EQ(copy.Plc, 1);
    EXPECT_EQ(copy.Reg, 40);
    EXPECT_EQ(copy.Align, 1);
    EXPECT_EQ(copy.Min, 10);
    EXPECT_EQ(copy.Max, 400);
    EXPECT_EQ(copy.value, 195);
    EXPECT_EQ(copy.InternalGetText(), "Gasolio");
}

TEST_F(BarTest, MissingKeysTakeTheirDefaults)
{
    ctrl.SetMax(7);
    ctrl.SetValue(3);
    PropertyBag bag;
    ctrl.LoadProperties(bag);
    EXPECT_EQ(ctrl.Max, 100);
    EXPECT_EQ(ctrl.value, 0);
}
