// The automation properties and their setters' rules.
#include "clients/text/tests/text_fixture.h"

namespace {
Variant Get(COleControl& c, DISPID id)
{
    Variant v;
    EXPECT_EQ(c.GetProperty(id, {}, &v), S_OK) << id;
    return v;
}
}  // namespace

TEST_F(TextTest, CaptionSettersStoreAndRepaintTheControl)
{
    EXPECT_EQ(ctrl->PutProperty(DISPID_TEXT_CAPTIONON, {}, Variant::String("Ferma")), S_OK);
    EXPECT_EQ(ctrl->CaptionOn, "Ferma");
    EXPECT_TRUE(ctrl->IsModified());
    EXPECT_EQ(Invalidated(), (std::vector<RECT>{RECT{0, 0, 168, 24}}));
    ctrl->PutProperty(DISPID_TEXT_CAPTIONOFF, {}, Variant::String("In marcia"));
    EXPECT_EQ(Get(*ctrl, DISPID_TEXT_CAPTIONOFF).AsString(), "In marcia");
    EXPECT_EQ(Get(*ctrl, DISPID_TEXT_CAPTIONON).AsString(), "Ferma");
    ctrl->PutProperty(DISPID_TEXT_CAPTIONON, {}, Variant::String(""));
    EXPECT_EQ(ctrl->CaptionOn, "") << "an empty text is a text";
}

TEST_F(TextTest, NullCaptionIsIgnored)
{
    ctrl->SetCaptionOn("Ferma");
    ctrl->SetCaptionOff("In marcia");
    ctrl->SetModifiedFlag(FALSE);
    Invalidated();
    ctrl->SetCaptionOn(nullptr);
    ctrl->SetCaptionOff(nullptr);
    EXPECT_EQ(ctrl->CaptionOn, "Ferma");
    EXPECT_EQ(ctrl->CaptionOff, "In marcia");
    EXPECT_FALSE(ctrl->IsModified());
    EXPECT_TRUE(Invalidated().empty());
}

TEST_F(TextTest, AlignTakesZeroToTwoAndRepaintsTheWindow)
{
    for (int v : {2, 1, 0}) {
        EXPECT_EQ(ctrl->PutProperty(DISPID_TEXT_ALIGN, {}, Variant::Long(v)), S_OK);
        EXPECT_EQ(ctrl->Align, v);
        EXPECT_TRUE(ctrl->IsModified());
        EXPECT_EQ(Invalidated(), (std::vector<RECT>{RECT{0, 0, 168, 24}}));
        ctrl->SetModifiedFlag(FALSE);
    }
    ctrl->SetAlign(2);
    for (int v : {3, -1, 100})
        ctrl->PutProperty(DISPID_TEXT_ALIGN, {}, Variant::Long(v));
    EXPECT_EQ(Get(*ctrl, DISPID_TEXT_ALIGN).AsLong(), 2);
}

TEST_F(TextTest, BitKeepsTheCommonSetter)
{
    ctrl->PutProperty(DISPID_CLIENT_BIT, {}, Variant::Long(30));
    EXPECT_EQ(ctrl->Bit, 30);
    EXPECT_EQ(ctrl->mask, 0x40000000u);
    EXPECT_EQ(Invalidated(), (std::vector<RECT>{RECT{0, 0, 168, 24}}));
    ctrl->PutProperty(DISPID_CLIENT_BIT, {}, Variant::Long(31));
    EXPECT_EQ(ctrl->Bit, 30);
}
