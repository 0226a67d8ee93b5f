// The eight-LED control's property page: its fields, ranges and preview.
#include "clients/common/tests/page_fixture.h"
#include "clients/led8/zem_led8_prop_page.h"
#include "platform/test_support.h"
#include "clients/led8/tests/led8_fixture.h"

#include "platform/propsheet.h"
#include "platform/registry.h"
#include "platform/scripting.h"

#include <cstdlib>

using led8test::Crop;

namespace {

class Led8PageTest : public ::testing::Test, protected PageOn<CZemLed8PropPage> {
protected:
    void SetUp() override
    {
        ctrl.ResetProperties();
        ctrl.SetPlc(3);
        ctrl.SetReg(120);
        ctrl.SetBit(2);
        ctrl.SetAlign(1);
        ctrl.SetLed(5);
        ctrl.SetText("Allarmi");
        OpenOn(ctrl);
    }
    // The page goes before the control it shows, which is a member here.
    void TearDown() override { page.DestroyWindow(); }
    nimbo::Pixels Preview()
    {
        UpdateWindow(page.m_hWnd);
        RECT r = page.PreviewRect();
        return Crop(nimbo::GrabWindowPixels(page.m_hWnd), r.left, r.top, kLed8LampWidth, 2 * kLed8LampHeight);
    }

    CZemLed8Ctrl ctrl;
};

const DialogItem* ItemAt(const DialogTemplate& t, int x, int y)
{
    for (const DialogItem& item : t.items)
        if (item.x == x && item.y == y)
            return &item;
    return nullptr;
}

}  // namespace

TEST_F(Led8PageTest, LayoutInDialogUnits)
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
        {207, "Align", {7, 13, 28, 12}, {41, 13, 19, 12}},
        {209, "Tipo", {71, 13, 28, 12}, {111, 13, 19, 12}},
        {206, "Titolo", {7, 32, 27, 12}, {41, 32, 89, 12}},
        {204, "Numero di Plc", {7, 51, 210, 12}, {224, 51, 20, 12}},
        {203, "Numero di Registro da visualizzare", {7, 70, 210, 12}, {224, 70, 20, 12}},
        {202, "Numero di Byte da visualizzare(0..3)", {7, 89, 210, 12}, {224, 89, 20, 12}},
    };
    for (const Field& f : fields) {
        const DialogItem* label = ItemAt(*t, f.labelRect.left, f.labelRect.top);
        ASSERT_NE(label, nullptr) << f.label;
        EXPECT_EQ(label->text, f.label);
        EXPECT_EQ(label->kind, DialogItem::Static);
        EXPECT_EQ(label->cx, f.labelRect.right);
        EXPECT_EQ(label->cy, f.labelRect.bottom);
        const DialogItem* field = ItemAt(*t, f.fieldRect.left, f.fieldRect.top);
        ASSERT_NE(field, nullptr) << f.id;
        EXPECT_EQ(field->id, static_cast<UINT>(f.id));
        EXPECT_EQ(field->kind, DialogItem::Edit);
        EXPECT_EQ(field->cx, f.fieldRect.right);
        EXPECT_EQ(field->cy, f.fieldRect.bottom);
    }
    const DialogItem* marker = ItemAt(*t, 152, 13);
    ASSERT_NE(marker, nullptr);
    EXPECT_EQ(marker->id, 208u);
    EXPECT_EQ(marker->cx, 30);
    EXPECT_EQ(marker->cy, 30);
    EXPECT_FALSE(IsWindowVisible(page.GetDlgItem(208)));
    EXPECT_EQ(page.Caption(), "Generale");
}

TEST_F(Led8PageTest, FieldsShowTheControlsProperties)
{
    EXPECT_EQ(page.GetDlgItemText(IDC_LED8_BIT), "2");
    EXPECT_EQ(page.GetDlgItemText(IDC_LED8_CAPTION), "Allarmi");
    EXPECT_EQ(page.GetDlgItemText(IDC_LED8_ALIGN), "1");
    EXPECT_EQ(page.GetDlgItemText(IDC_LED8_PLC), "3");
    EXPECT_EQ(page.GetDlgItemText(IDC_LED8_REG), "120");
    EXPECT_EQ(page.GetDlgItemText(IDC_LED8_STYLE), "5");
    EXPECT_FALSE(page.IsDirty());
}

TEST_F(Led8PageTest, ApplyPutsEveryField)
{
    page.SetDlgItemText(IDC_LED8_BIT, "3");
    page.SetDlgItemText(IDC_LED8_CAPTION, "Pompe");
    page.SetDlgItemText(IDC_LED8_ALIGN, "0");
    page.SetDlgItemText(IDC_LED8_PLC, "200");
    page.SetDlgItemText(IDC_LED8_REG, "0");
    page.SetDlgItemText(IDC_LED8_STYLE, "31");
    ASSERT_TRUE(Apply());
    EXPECT_EQ(ctrl.Bit, 3);
    EXPECT_EQ(ctrl.InternalGetText(), "Pompe");
    EXPECT_EQ(ctrl.Align, 0);
    EXPECT_EQ(ctrl.Plc, 200);
    EXPECT_EQ(ctrl.Reg, 0);
    EXPECT_EQ(ctrl.Led, 31);
}

TEST_F(Led8PageTest, RegisterThirtyTwoThousandPassesThePageNotTheProperty)
{
    page.SetDlgItemText(IDC_LED8_REG, "32000");
    ASSERT_TRUE(Apply());
    EXPECT_EQ(ctrl.Reg, 120);
}

TEST_F(Led8PageTest, EachRangeRefusesAndNothingIsApplied)
{
    const std::tuple<int, const char*, const char*> cases[] = {
        {IDC_LED8_BIT, "4", "Please enter an integer between 0 and 3."},
        {IDC_LED8_ALIGN, "2", "Please enter an integer between 0 and 1."},
        {IDC_LED8_PLC, "0", "Please enter an integer between 1 and 200."},
        {IDC_LED8_PLC, "201", "Please enter an integer between 1 and 200."},
        {IDC_LED8_REG, "32001", "Please enter an integer between 0 and 32000."},
        {IDC_LED8_STYLE, "32", "Please enter an integer between 0 and 31."},
    };
    for (const auto& [id, typed, message] : cases) {
        std::string before = page.GetDlgItemText(id);
        page.SetDlgItemText(IDC_LED8_CAPTION, "changed");
        page.SetDlgItemText(id, typed);
        EXPECT_FALSE(Apply()) << id << " " << typed;
        EXPECT_EQ(nimbo::LastMessageBoxText(), message);
        EXPECT_EQ(page.LastFailedItem(), id);
        EXPECT_EQ(ctrl.InternalGetText(), "Allarmi") << "nothing applied";
        page.SetDlgItemText(id, before);
    }
}

TEST_F(Led8PageTest, FirstFieldInExchangeOrderIsReported)
{
    page.SetDlgItemText(IDC_LED8_STYLE, "99");
    page.SetDlgItemText(IDC_LED8_PLC, "0");
    EXPECT_FALSE(Apply());
    EXPECT_EQ(page.LastFailedItem(), IDC_LED8_PLC);
    page.SetDlgItemText(IDC_LED8_BIT, "9");
    EXPECT_FALSE(Apply());
    EXPECT_EQ(page.LastFailedItem(), IDC_LED8_BIT);
}

TEST_F(Led8PageTest, PreviewSitsOnTheMarkerAndShowsTheStyleLitAboveUnlit)
{
    RECT units{152, 13, 152 + 30, 13 + 30};
    page.MapDialogRect(&units);
    RECT r = page.PreviewRect();
    EXPECT_EQ(r.left, units.left);
    EXPECT_EQ(r.top, units.top);
    EXPECT_EQ(page.previewStyle, 5u);
    nimbo::Pixels strip = ctrl.lampStrip.GetPixels();
    EXPECT_EQ(Preview().argb, Crop(strip, 5 * 28, 0, 28, 48).argb);
}

TEST_F(Led8PageTest, PreviewFollowsTheTyping)
{
    nimbo::TakeInvalidations(page.m_hWnd);
    page.SetDlgItemText(IDC_LED8_STYLE, "17");
    EXPECT_EQ(page.previewStyle, 17u);
    std::vector<RECT> invalid = nimbo::TakeInvalidations(page.m_hWnd);
    ASSERT_FALSE(invalid.empty());
    EXPECT_EQ(invalid.back(), page.PreviewRect());
    nimbo::Pixels strip = ctrl.lampStrip.GetPixels();
    EXPECT_EQ(Preview().argb, Crop(strip, 17 * 28, 0, 28, 48).argb);
}

TEST_F(Led8PageTest, NumberNamingNoStyleLeavesThePreviewEmpty)
{
    nimbo::Pixels strip = ctrl.lampStrip.GetPixels();
    for (const char* typed : {"32", "500", "4294967295"}) {
        page.SetDlgItemText(IDC_LED8_STYLE, typed);
        EXPECT_TRUE(led8test::Uniform(Preview(), nimbo::ToArgb(page.m_background))) << typed;
    }
    page.SetDlgItemText(IDC_LED8_STYLE, "x");
    EXPECT_EQ(page.previewStyle, 0u) << "what is no number reads as 0";
    EXPECT_EQ(Preview().argb, Crop(strip, 0, 0, 28, 48).argb);
}
