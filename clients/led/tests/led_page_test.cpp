// The LED's property page: its ranges, the order it checks them in, and the
// preview that follows the style field.
#include "clients/common/tests/page_fixture.h"
#include "clients/led/led_artwork.h"
#include "clients/led/led_ctrl.h"
#include "clients/led/led_prop_page.h"
#include "platform/propsheet.h"
#include "platform/scripting.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class LedPageTest : public ::testing::Test, protected PageOn<CLedPropPage> {
protected:
    void SetUp() override
    {
        led.ResetProperties();
        led.SetPlc(2);
        led.SetReg(300);
        led.SetBit(4);
        led.SetLed(3);
        OpenOn(led);
    }
    // The page goes before the control it shows, which is a member here.
    void TearDown() override { page.DestroyWindow(); }
    // The preview's top left pixel, lit row.
    std::uint32_t PreviewPixel(int x, int y)
    {
        UpdateWindow(page.m_hWnd);
        RECT r = page.PreviewRect();
        return nimbo::GrabWindowPixels(page.m_hWnd).At(r.left + x, r.top + y);
    }

    CLedCtrl led;
};

}  // namespace

TEST_F(LedPageTest, FieldsStartFromTheProperties)
{
    EXPECT_EQ(page.GetDlgItemText(IDC_LAMP_BIT), "4");
    EXPECT_EQ(page.GetDlgItemText(IDC_LAMP_STYLE), "3");
    EXPECT_EQ(page.GetDlgItemText(IDC_LAMP_PLC), "2");
    EXPECT_EQ(page.Caption(), "Generale");
}

TEST_F(LedPageTest, PageRangesAreWiderThanTheSetters)
{
    page.SetDlgItemText(IDC_LAMP_BIT, "31");
    page.SetDlgItemText(IDC_LAMP_REG, "32000");
    page.SetDlgItemText(IDC_LAMP_STYLE, "32");
    page.SetDlgItemText(IDC_LAMP_PLC, "200");
    ASSERT_TRUE(Apply());
    EXPECT_EQ(led.Bit, 4) << "31 passes the page, the property keeps its value";
    EXPECT_EQ(led.Reg, 300);
    EXPECT_EQ(led.Led, 32) << "the property takes any style";
    EXPECT_EQ(led.Plc, 200);
}

TEST_F(LedPageTest, FirstFieldOutOfRangeStopsEverything)
{
    page.SetDlgItemText(IDC_LAMP_CAPTION, "Pompa");
    page.SetDlgItemText(IDC_LAMP_STYLE, "33");
    page.SetDlgItemText(IDC_LAMP_BIT, "32");
    int boxes = nimbo::MessageBoxCount();
    EXPECT_FALSE(Apply());
    EXPECT_EQ(nimbo::MessageBoxCount(), boxes + 1) << "one message, for the first field checked";
    EXPECT_EQ(nimbo::LastMessageBoxText(), "Please enter an integer between 0 and 31.");
    EXPECT_EQ(led.InternalGetText(), "") << "nothing applied";
    EXPECT_EQ(led.Led, 3);
}

TEST_F(LedPageTest, PreviewFollowsTheTypingAndStaysBlankPastTheStrip)
{
    nimbo::Pixels strip = LedLampStrip();
    page.SetDlgItemText(IDC_LAMP_STYLE, "17");
    EXPECT_EQ(page.previewStyle, 17u);
    EXPECT_EQ(PreviewPixel(14, 12), strip.At(17 * 28 + 14, 12));
    EXPECT_EQ(PreviewPixel(14, 36), strip.At(17 * 28 + 14, 36)) << "unlit below";
    page.SetDlgItemText(IDC_LAMP_STYLE, "32");
    EXPECT_EQ(page.previewStyle, 32u);
    std::uint32_t blank = PreviewPixel(14, 12);
    EXPECT_EQ(blank, PreviewPixel(2, 2)) << "nothing copied for a style the strip lacks";
}

TEST_F(LedPageTest, PreviewMarkerIsAGroupBoxAndTheFrameSaysGenerale)
{
    const DialogTemplate* t = page.Template();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->caption, "Generale");
    auto marker = std::find_if(t->items.begin(), t->items.end(),
                               [](const DialogItem& item) { return item.id == IDC_LAMP_PREVIEW; });
    ASSERT_NE(marker, t->items.end());
    EXPECT_EQ(marker->kind, DialogItem::GroupBox);
}

TEST_F(LedPageTest, SheetShowsTheLedPageThenTheColourPage)
{
    nimbo::RegisterPageFactory("LED.LedPropPage.1", [] { return static_cast<COlePropertyPage*>(new CLedPropPage); });
    std::vector<std::string> titles;
    nimbo::SetDialogDriver([&](CDialog& dialog) {
        if (auto* sheet = dynamic_cast<nimbo::CPropertySheet*>(&dialog))
            titles = sheet->PageTitles();
        dialog.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(led.DoVerb(OLEIVERB_PROPERTIES, 0), S_OK);
    nimbo::SetDialogDriver({});
    nimbo::RegisterPageFactory("LED.LedPropPage.1", {});
    ASSERT_EQ(titles.size(), 2u);
    EXPECT_EQ(titles[0], "Generale");
}
