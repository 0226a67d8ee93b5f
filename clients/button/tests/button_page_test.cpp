// The button's property page: its fields, their ranges and order, and the
// preview that follows the style field.
#include "clients/button/zem_button_prop_page.h"
#include "platform/test_support.h"
#include "clients/button/tests/button_fixture.h"
#include "clients/common/tests/page_fixture.h"
#include "platform/propsheet.h"

#include <cstdlib>

namespace {

class ButtonPageTest : public ButtonTest, protected PageOn<CZemButtonPropPage> {
protected:
    void SetUp() override
    {
        ButtonTest::SetUp();
        OpenOn(ctrl);
    }
    void Fill(std::int32_t bit, std::int32_t align, std::int32_t plc, std::int32_t reg, std::int32_t style)
    {
        page.SetDlgItemText(IDC_BUTTON_BIT, std::to_string(bit));
        page.SetDlgItemText(IDC_BUTTON_ALIGN, std::to_string(align));
        page.SetDlgItemText(IDC_BUTTON_PLC, std::to_string(plc));
        page.SetDlgItemText(IDC_BUTTON_REG, std::to_string(reg));
        page.SetDlgItemText(IDC_BUTTON_STYLE, std::to_string(style));
    }
    // The preview's 40 x 48 as the page shows it.
    nimbo::Pixels Preview()
    {
        nimbo::Pixels shown = nimbo::GrabWindowPixels(page.m_hWnd);
        RECT f = page.PreviewRect();
        nimbo::Pixels out = nimbo::MakePixels(40, 48, 0);
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 40; ++x)
                out.Set(x, y, shown.At(f.left + x, f.top + y));
        return out;
    }
};

const DialogItem* ItemOf(const DialogTemplate& t, UINT id)
{
    for (const DialogItem& item : t.items)
        if (item.id == id)
            return &item;
    return nullptr;
}

}  // namespace

TEST_F(ButtonPageTest, LaidOutAsTheLedPageWithAWiderPreview)
{
    const DialogTemplate* t = page.Template();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->cx, 250);
    EXPECT_EQ(t->cy, 110);
    EXPECT_EQ(t->fontFace, "MS Sans Serif");
    EXPECT_EQ(t->fontPoints, 8);
    const DialogItem* preview = ItemOf(*t, IDC_BUTTON_PREVIEW);
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ((std::vector<int>{preview->x, preview->y, preview->cx, preview->cy}), (std::vector<int>{152, 13, 43, 30}));
    const DialogItem* style = ItemOf(*t, IDC_BUTTON_STYLE);
    ASSERT_NE(style, nullptr);
    EXPECT_EQ((std::vector<int>{style->x, style->y, style->cx, style->cy}), (std::vector<int>{111, 13, 19, 12}));
    std::vector<std::string> labels;
    for (const DialogItem& item : t->items)
        if (item.kind == DialogItem::Static && item.id == IDC_STATIC)
            labels.push_back(item.text);
    EXPECT_EQ(labels, (std::vector<std::string>{"Align", "Tipo", "Titolo", "Numero di Plc",
                                                "Numero di Registro da visualizzare",
                                                "Numero di Bit da visualizzare"}));
    EXPECT_EQ(page.Caption(), "General");
}

// What the button's page keeps of its own beside the shared layout.
TEST_F(ButtonPageTest, PreviewMarkerIsAPlainStaticAndTheFrameHasNoCaption)
{
    const DialogTemplate* t = page.Template();
    ASSERT_NE(t, nullptr);
    const DialogItem* preview = ItemOf(*t, IDC_BUTTON_PREVIEW);
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->kind, DialogItem::Static);
    EXPECT_EQ(t->caption, "");
}

TEST_F(ButtonPageTest, FieldsAreLoadedFromTheControl)
{
    page.DestroyWindow();
    Bind(4, 2, 300);
    ctrl.SetButton(9);
    ctrl.SetText("Luce");
    ASSERT_TRUE(page.Create(0));
    EXPECT_EQ(page.GetDlgItemText(IDC_BUTTON_BIT), "4");
    EXPECT_EQ(page.GetDlgItemText(IDC_BUTTON_PLC), "2");
    EXPECT_EQ(page.GetDlgItemText(IDC_BUTTON_REG), "300");
    EXPECT_EQ(page.GetDlgItemText(IDC_BUTTON_STYLE), "9");
    EXPECT_EQ(page.GetDlgItemText(IDC_BUTTON_CAPTION), "Luce");
    EXPECT_EQ(page.previewStyle, 9u);
}

TEST_F(ButtonPageTest, ApplyPutsEveryField)
{
    Fill(7, 1, 200, 31999, 12);
    page.SetDlgItemText(IDC_BUTTON_CAPTION, "Pompa");
    ASSERT_TRUE(Apply());
    EXPECT_EQ(ctrl.Bit, 7);
    EXPECT_EQ(ctrl.Align, 1);
    EXPECT_EQ(ctrl.Plc, 200);
    EXPECT_EQ(ctrl.Reg, 31999);
    EXPECT_EQ(ctrl.Button, 12);
    EXPECT_EQ(ctrl.InternalGetText(), "Pompa");
}

TEST_F(ButtonPageTest, WiderRangesPassThePageButNotTheControl)
{
    Bind(3, 1, 10);
    Fill(31, 0, 1, 32000, 2);
    ASSERT_TRUE(Apply());
    EXPECT_EQ(ctrl.Bit, 3);
    EXPECT_EQ(ctrl.Reg, 10);
    EXPECT_EQ(ctrl.Button, 2);
}

TEST_F(ButtonPageTest, FirstFieldOutOfRangeStopsEverything)
{
    Bind(3, 1, 10);
    Fill(32, 0, 0, 5, 13);
    EXPECT_FALSE(Apply());
    EXPECT_EQ(page.LastFailedItem(), IDC_BUTTON_BIT) << "Bit is exchanged first";
    Fill(2, 0, 0, 5, 13);
    EXPECT_FALSE(Apply());
    EXPECT_EQ(page.LastFailedItem(), IDC_BUTTON_PLC);
    Fill(2, 0, 1, 5, 13);
    EXPECT_FALSE(Apply());
    EXPECT_EQ(page.LastFailedItem(), IDC_BUTTON_STYLE);
    EXPECT_EQ(ctrl.Bit, 3) << "nothing applied";
    EXPECT_EQ(ctrl.Reg, 10);
}

TEST_F(ButtonPageTest, PreviewFollowsEveryKeystroke)
{
    const nimbo::Pixels strip = ButtonStrip();
    nimbo::TakeInvalidations(page.m_hWnd);
    page.SetDlgItemText(IDC_BUTTON_STYLE, "1");
    EXPECT_EQ(page.previewStyle, 1u);
    page.SetDlgItemText(IDC_BUTTON_STYLE, "10");
    EXPECT_EQ(page.previewStyle, 10u);
    auto rects = nimbo::TakeInvalidations(page.m_hWnd);
    ASSERT_EQ(rects.size(), 2u);
    RECT f = page.PreviewRect();
    EXPECT_EQ(rects[1].left, f.left);
    EXPECT_EQ(rects[1].top, f.top);
    EXPECT_TRUE(SameArea(Preview(), 0, 0, strip, 400, 0, 40, 48));
    page.SetDlgItemText(IDC_BUTTON_STYLE, "12");
    EXPECT_TRUE(AllOf(Preview(), 0, 0, 40, 48, kLightGrey)) << "no cell 12 in the strip";
}
