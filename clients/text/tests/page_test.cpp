// The two-caption text control's property page: labels that follow the bit,
// its own ranges and exchange order.
#include "clients/common/tests/page_fixture.h"
#include "clients/text/zem_text_prop_page.h"
#include "clients/text/tests/text_fixture.h"

#include "platform/propsheet.h"
#include "platform/registry.h"
#include "platform/scripting.h"

#include <cstdlib>

namespace {

class TextPageTest : public ::testing::Test, protected PageOn<CZemTextPropPage> {
protected:
    void SetUp() override
    {
        ctrl.ResetProperties();
        ctrl.SetPlc(2);
        ctrl.SetReg(40);
        ctrl.SetBit(3);
        ctrl.SetAlign(TEXT_ALIGN_CENTRE);
        ctrl.SetCaptionOn("Ferma");
        ctrl.SetCaptionOff("In marcia");
        OpenOn(ctrl);
    }
    // The page goes before the control it shows, which is a member here.
    void TearDown() override { page.DestroyWindow(); }

    CZemTextCtrl ctrl;
};

const DialogItem* ItemAt(const DialogTemplate& t, int x, int y)
{
    for (const DialogItem& item : t.items)
        if (item.x == x && item.y == y)
            return &item;
    return nullptr;
}

}  // namespace

TEST_F(TextPageTest, LayoutInDialogUnits)
{
    const DialogTemplate* t = page.Template();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->cx, 250);
    EXPECT_EQ(t->cy, 110);
    EXPECT_EQ(t->fontFace, "MS Sans Serif");
    EXPECT_EQ(t->fontPoints, 8);
    struct Field {
        int id;
        const char* label;
        RECT labelRect, fieldRect;  // x, y, width, height
    };
    const Field fields[] = {
        {206, "Titolo Stato ON", {7, 7, 67, 12}, {82, 7, 89, 12}},
        {208, "Titolo Stato OFF", {7, 28, 67, 12}, {82, 28, 89, 12}},
        {207, "Align", {188, 28, 28, 12}, {224, 28, 19, 12}},
        {204, "Numero di Plc", {7, 49, 210, 12}, {224, 49, 20, 12}},
        {203, "Numero di Registro da visualizzare", {7, 70, 210, 12}, {224, 70, 20, 12}},
        {202, "Numero di Bit da visualizzare", {7, 91, 210, 12}, {224, 91, 20, 12}},
    };
    for (const Field& f : fields) {
        const DialogItem* label = ItemAt(*t, f.labelRect.left, f.labelRect.top);
        ASSERT_NE(label, nullptr) << f.label;
        EXPECT_EQ(label->text, f.label);
        EXPECT_EQ(label->cx, f.labelRect.right);
        EXPECT_EQ(label->cy, f.labelRect.bottom);
        const DialogItem* field = ItemAt(*t, f.fieldRect.left, f.fieldRect.top);
        ASSERT_NE(field, nullptr) << f.id;
        EXPECT_EQ(field->id, static_cast<UINT>(f.id));
        EXPECT_EQ(field->kind, DialogItem::Edit);
        EXPECT_EQ(field->cx, f.fieldRect.right);
        EXPECT_EQ(field->cy, f.fieldRect.bottom);
    }
    const DialogItem* icon = ItemAt(*t, 222, 7);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->kind, DialogItem::Icon);
    EXPECT_EQ(icon->iconId, static_cast<UINT>(IDI_TEXT_PAGE));
    EXPECT_EQ(icon->cx, 20);
    EXPECT_EQ(icon->cy, 20);
    EXPECT_EQ(page.Caption(), "General");
}

TEST_F(TextPageTest, LabelsFollowTheBitNotTheNames)
{
    EXPECT_EQ(page.GetDlgItemText(IDC_TEXT_STATE_ON), "In marcia") << "beside \"Titolo Stato ON\": CaptionOff";
    EXPECT_EQ(page.GetDlgItemText(IDC_TEXT_STATE_OFF), "Ferma");
    EXPECT_EQ(page.GetDlgItemText(IDC_TEXT_ALIGN), "2");
    EXPECT_EQ(page.GetDlgItemText(IDC_TEXT_PLC), "2");
    EXPECT_EQ(page.GetDlgItemText(IDC_TEXT_REG), "40");
    EXPECT_EQ(page.GetDlgItemText(IDC_TEXT_BIT), "3");
}

TEST_F(TextPageTest, TextTypedBesideStateOnShowsWhileTheBitIsSet)
{
    page.SetDlgItemText(IDC_TEXT_STATE_ON, "Acceso");
    page.SetDlgItemText(IDC_TEXT_STATE_OFF, "Spento");
    ASSERT_TRUE(Apply());
    EXPECT_EQ(ctrl.CaptionOff, "Acceso");
    EXPECT_EQ(ctrl.CaptionOn, "Spento");

    CZemTextCtrl reference;
    reference.ResetProperties();
    reference.Align = ctrl.Align;
    reference.SetCaptionOn("Acceso");
    ctrl.value = 8;
    EXPECT_EQ(texttest::Render(ctrl).argb, texttest::Render(reference).argb);
}

TEST_F(TextPageTest, ApplyPutsEveryField)
{
    page.SetDlgItemText(IDC_TEXT_PLC, "32");
    page.SetDlgItemText(IDC_TEXT_ALIGN, "0");
    page.SetDlgItemText(IDC_TEXT_BIT, "30");
    page.SetDlgItemText(IDC_TEXT_REG, "8000");
    ASSERT_TRUE(Apply());
    EXPECT_EQ(ctrl.Plc, 32);
    EXPECT_EQ(ctrl.Align, 0);
    EXPECT_EQ(ctrl.Bit, 30);
    EXPECT_EQ(ctrl.Reg, 8000);
}

TEST_F(TextPageTest, BitThirtyOnePassesThePageNotTheProperty)
{
    page.SetDlgItemText(IDC_TEXT_BIT, "31");
    ASSERT_TRUE(Apply());
    EXPECT_EQ(ctrl.Bit, 3);
}

TEST_F(TextPageTest, EachRangeRefusesAndNothingIsApplied)
{
    const std::tuple<int, const char*, const char*> cases[] = {
        {IDC_TEXT_PLC, "0", "Please enter an integer between 1 and 32."},
        {IDC_TEXT_PLC, "33", "Please enter an integer between 1 and 32."},
        {IDC_TEXT_ALIGN, "3", "Please enter an integer between 0 and 2."},
        {IDC_TEXT_BIT, "32", "Please enter an integer between 0 and 31."},
        {IDC_TEXT_REG, "8001", "Please enter an integer between 0 and 8000."},
    };
    for (const auto& [id, typed, message] : cases) {
        std::string before = page.GetDlgItemText(id);
        page.SetDlgItemText(IDC_TEXT_STATE_OFF, "changed");
        page.SetDlgItemText(id, typed);
        EXPECT_FALSE(Apply()) << id << " " << typed;
        EXPECT_EQ(nimbo::LastMessageBoxText(), message);
        EXPECT_EQ(page.LastFailedItem(), id);
        EXPECT_EQ(ctrl.CaptionOn, "Ferma") << "nothing applied";
        page.SetDlgItemText(id, before);
    }
}

TEST_F(TextPageTest, FirstFieldInExchangeOrderIsReported)
{
    page.SetDlgItemText(IDC_TEXT_REG, "9000");
    page.SetDlgItemText(IDC_TEXT_BIT, "40");
    EXPECT_FALSE(Apply());
    EXPECT_EQ(page.LastFailedItem(), IDC_TEXT_BIT);
    page.SetDlgItemText(IDC_TEXT_ALIGN, "5");
    EXPECT_FALSE(Apply());
    EXPECT_EQ(page.LastFailedItem(), IDC_TEXT_ALIGN);
    page.SetDlgItemText(IDC_TEXT_PLC, "100");
    EXPECT_FALSE(Apply());
    EXPECT_EQ(page.LastFailedItem(), IDC_TEXT_PLC);
}
