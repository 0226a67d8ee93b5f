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

TEST_F(TextTest, PropertiesKeepTheirDispatchIdentifiers)
{
    const DispatchTable& table = ctrl->Dispatch();
    const std::pair<const char*, DISPID> expected[] = {
        {"Plc", 1}, {"Reg", 2}, {"Bit", 3}, {"Client", 4}, {"CaptionOn", 5}, {"CaptionOff", 6}, {"Align", 7},
        {"ForeColor", DISPID_FORECOLOR}, {"Enabled", DISPID_ENABLED}, {"ReadyState", DISPID_READYSTATE},
    };
    for (auto [name, id] : expected) {
        const DispEntry* e = table.Find(name);
        ASSERT_NE(e, nullptr) << name;
        EXPECT_EQ(e->id, id) << name;
    }
    for (const char* absent : {"Caption", "BackColor", "Value", "Led"})
        EXPECT_EQ(table.Find(absent), nullptr) << absent;
}

TEST_F(TextTest, DeclaresReadyStateChangeWithoutParameters)
{
    const EventEntry* e = ctrl->Dispatch().FindEvent(DISPID_READYSTATECHANGE);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->name, "ReadyStateChange");
    EXPECT_TRUE(e->paramNames.empty());
}

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

TEST_F(TextTest, ClientIsTheWindowAndReadOnly)
{
    EXPECT_EQ(Get(*ctrl, DISPID_CLIENT_CLIENT).AsLong(), static_cast<std::int32_t>(ctrl->m_hWnd));
    EXPECT_EQ(ctrl->PutProperty(DISPID_CLIENT_CLIENT, {}, Variant::Long(1)), CTL_E_SETNOTSUPPORTED);
}

TEST_F(TextTest, ContainerCannotResizeIt)
{
    EXPECT_FALSE(ctrl->RequestExtent(200, 30));
    int cx = 0, cy = 0;
    ctrl->GetControlSize(&cx, &cy);
    EXPECT_EQ(cx, 168);
    EXPECT_EQ(cy, 24);
}
