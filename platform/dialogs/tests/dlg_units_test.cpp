#include "platform/dialog.h"
#include "platform/scripting.h"

#include <gtest/gtest.h>

namespace {

DialogTemplate Page()
{
    DialogTemplate t;
    t.caption = "Page";
    t.cx = 250;
    t.cy = 110;
    t.items = {{DialogItem::Edit, 10, "", 7, 7, 50, 14}, {DialogItem::Static, IDC_STATIC, "Label", 60, 9, 40, 8}};
    return t;
}

TEST(DlgUnits, ClassicFaceKeepsWindowsBaseUnits)
{
    const SIZE base = nimbo::DialogBaseUnits("MS Sans Serif", 8);
    EXPECT_EQ(base.cx, 6);
    EXPECT_EQ(base.cy, 13);
    EXPECT_EQ(nimbo::DialogBaseUnits("ms shell dlg", 8).cx, 6);
}

TEST(DlgUnits, PageTemplateInPixels)
{
    const SIZE size = nimbo::DialogPixelSize(Page());
    EXPECT_EQ(size.cx, 375);  // 250 * 6 / 4
    EXPECT_EQ(size.cy, 179);  // 110 * 13 / 8 = 178.75, rounded
}

TEST(DlgUnits, RectanglesRoundEachEdge)
{
    const RECT r = nimbo::DialogUnitsToPixels(Page(), RECT{7, 7, 57, 21});
    EXPECT_EQ(r.left, 11);    // 10.5 rounds up
    EXPECT_EQ(r.top, 11);     // 11.375
    EXPECT_EQ(r.right, 86);   // 85.5
    EXPECT_EQ(r.bottom, 34);  // 34.125
}

TEST(DlgUnits, OtherFontsAreMeasured)
{
    const SIZE small = nimbo::DialogBaseUnits("Arial", 8);
    const SIZE large = nimbo::DialogBaseUnits("Arial", 16);
    EXPECT_GT(small.cx, 3);
    EXPECT_GT(small.cy, 8);
    EXPECT_GT(large.cx, small.cx);
    EXPECT_GT(large.cy, small.cy);
}

TEST(DlgUnits, DialogWindowAndItemsArePlacedInPixels)
{
    CDialog dialog(Page());
    ASSERT_TRUE(dialog.Create(0));
    RECT client{};
    ASSERT_TRUE(GetClientRect(dialog.m_hWnd, &client));
    EXPECT_EQ(client.right, 375);
    EXPECT_EQ(client.bottom, 179);

    const HWND edit = dialog.GetDlgItem(10);
    ASSERT_NE(edit, 0u);
    RECT outer{}, inner{};
    ASSERT_TRUE(GetWindowRect(dialog.m_hWnd, &outer));
    ASSERT_TRUE(GetWindowRect(edit, &inner));
    EXPECT_EQ(inner.left - outer.left, 11);
    EXPECT_EQ(inner.top - outer.top, 11);
    EXPECT_EQ(inner.right - inner.left, 75);
    EXPECT_EQ(inner.bottom - inner.top, 23);
    EXPECT_EQ(dialog.GetDlgItem(99), 0u);
}

TEST(DlgUnits, TemplatesAreKeptPerModuleAndNumber)
{
    HINSTANCE one = nimbo::RegisterResourceModule("dlg-units-one");
    HINSTANCE two = nimbo::RegisterResourceModule("dlg-units-two");
    nimbo::AddDialogResource(one, 5, Page());
    EXPECT_NE(nimbo::FindDialogResource(one, 5), nullptr);
    EXPECT_EQ(nimbo::FindDialogResource(two, 5), nullptr);
    EXPECT_EQ(nimbo::FindDialogResource(one, 6), nullptr);

    DialogTemplate other = Page();
    other.caption = "Replaced";
    nimbo::AddDialogResource(one, 5, other);
    EXPECT_EQ(nimbo::FindDialogResource(one, 5)->caption, "Replaced");

    HINSTANCE before = AfxGetResourceHandle();
    AfxSetResourceHandle(one);
    const DialogTemplate* current = nimbo::FindDialogResource(nullptr, 5);
    AfxSetResourceHandle(before);
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current->caption, "Replaced");
}

TEST(DlgUnits, MissingTemplateMakesNoDialog)
{
    CDialog dialog(nimbo::RegisterResourceModule("dlg-units-empty"), 1);
    EXPECT_EQ(dialog.Template(), nullptr);
    EXPECT_FALSE(dialog.Create(0));
    nimbo::SetDialogDriver([](CDialog&) {});
    EXPECT_EQ(dialog.DoModal(0), -1);
    nimbo::SetDialogDriver(nullptr);
}

}  // namespace
