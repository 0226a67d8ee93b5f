// The button's properties, their setters' rules and their persistence.
#include "clients/button/tests/button_fixture.h"
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

TEST_F(ButtonTest, ButtonTakesUpToTwelveAndNegatives)
{
    ctrl.SetModifiedFlag(FALSE);
    nimbo::TakeInvalidations(ctrl.m_hWnd);
    EXPECT_EQ(ctrl.PutProperty(DISPID_ZEMBUTTON_BUTTON, {}, Variant::Long(13)), S_OK);
    EXPECT_EQ(ctrl.Button, 0);
    EXPECT_FALSE(ctrl.IsModified());
    EXPECT_TRUE(nimbo::TakeInvalidations(ctrl.m_hWnd).empty());
    ctrl.PutProperty(DISPID_ZEMBUTTON_BUTTON, {}, Variant::Long(12));
    EXPECT_EQ(ctrl.Button, 12);
    EXPECT_TRUE(ctrl.IsModified());
    auto rects = nimbo::TakeInvalidations(ctrl.m_hWnd);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].right, 40) << "only the picture";
    ctrl.PutProperty(DISPID_ZEMBUTTON_BUTTON, {}, Variant::Long(-2));
    EXPECT_EQ(ctrl.Button, -2);
    Variant v;
    ctrl.GetProperty(DISPID_ZEMBUTTON_BUTTON, {}, &v);
    EXPECT_EQ(v.AsLong(), -2);
}

TEST_F(ButtonTest, CommonSettersIgnoreWhatTheyDoNotAccept)
{
    ctrl.SetReg(32000);
    ctrl.SetBit(31);
    EXPECT_EQ(ctrl.Reg, 0);
    EXPECT_EQ(ctrl.Bit, 0);
    ctrl.SetModifiedFlag(FALSE);
    ctrl.SetPlc(0);
    EXPECT_FALSE(ctrl.IsModified());
    EXPECT_EQ(ctrl.PutProperty(DISPID_CLIENT_CLIENT, {}, Variant::Long(5)), CTL_E_SETNOTSUPPORTED);
    Variant v;
    ctrl.GetProperty(DISPID_CLIENT_CLIENT, {}, &v);
    EXPECT_EQ(static_cast<HWND>(v.AsLong()), ctrl.m_hWnd);
}

TEST_F(ButtonTest, KeysComeInOrderWithTheirDefaults)
{
    PropertyBag bag;
    ctrl.SaveProperties(&bag);
    std::vector<std::string> expected{"_Version", "_ExtentX", "_ExtentY", "Caption", "BackColor", "ForeColor",
                                      "Enabled",  "Plc",      "Reg",      "Bit",     "Align",     "Button"};
    EXPECT_EQ(Keys(bag), expected);
    EXPECT_EQ(bag.Read("_Version")->AsLong(), 0x10000);
    EXPECT_EQ(bag.Read("_ExtentX")->AsLong(), 168);
    EXPECT_EQ(bag.Read("_ExtentY")->AsLong(), 24);
    EXPECT_EQ(bag.Read("Button")->AsLong(), 0);
}

TEST_F(ButtonTest, SaveThenLoadGivesTheSameSettings)
{
    Bind(6, 9, 250);
    ctrl.SetAlign(1);
    ctrl.SetButton(11);
    ctrl.SetText("Pompa");
    PropertyBag bag;
    ctrl.SaveProperties(&bag);
    PropertyBag reread;
    std::string error;
    ASSERT_TRUE(reread.FromText(bag.ToText(), &error)) << error;

    CZemButtonCtrl copy;
    copy.ResetProperties();
    EXPECT_TRUE(copy.LoadProperties(reread).empty());
    EXPECT_EQ(copy.Plc, 9);
    EXPECT_EQ(copy.Reg, 250);
    EXPECT_EQ(copy.Bit, 6);
    EXPECT_EQ(copy.Align, 1);
    EXPECT_EQ(copy.Button, 11);
    EXPECT_EQ(copy.InternalGetText(), "Pompa");
}

TEST_F(ButtonTest, MissingKeysTakeTheirDefaults)
{
    ctrl.SetButton(4);
    PropertyBag bag;
    ctrl.LoadProperties(bag);
    EXPECT_EQ(ctrl.Button, 0);
}
