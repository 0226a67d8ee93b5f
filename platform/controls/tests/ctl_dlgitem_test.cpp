// Controls as windows of their parent: found by id, text by id, geometry.
#include "platform/controls.h"
#include "platform/window/tests/win_recorder.h"

#include <gtest/gtest.h>

using nimbo::test::Rect;
using nimbo::test::Recorder;

namespace {

TEST(CtlDlgItem, ChildrenFoundByIdAndTextByHandleOrId)
{
    Recorder dialog, other;
    CStatic label;
    CEdit edit;
    ASSERT_TRUE(dialog.CreateWindowed(0, Rect(50, 40, 300, 200)));
    ASSERT_TRUE(other.CreateWindowed(0, Rect(0, 0, 100, 100)));
    ASSERT_TRUE(label.Create(dialog.m_hWnd, Rect(10, 10, 100, 20), 100, "Port:"));
    ASSERT_TRUE(edit.Create(dialog.m_hWnd, Rect(10, 40, 100, 21), 101, "COM1"));

    EXPECT_EQ(GetDlgItem(dialog.m_hWnd, 100), label.m_hWnd);
    EXPECT_EQ(GetDlgItem(dialog.m_hWnd, 101), edit.m_hWnd);
    EXPECT_EQ(GetDlgItem(dialog.m_hWnd, 102), 0u);
    EXPECT_EQ(GetDlgItem(other.m_hWnd, 100), 0u);
    EXPECT_EQ(GetParent(edit.m_hWnd), dialog.m_hWnd);
    EXPECT_EQ(edit.GetDlgCtrlID(), 101u);

    EXPECT_TRUE(SetDlgItemTextA(dialog.m_hWnd, 101, "COM2"));
    EXPECT_EQ(edit.GetText(), "COM2");
    EXPECT_FALSE(SetDlgItemTextA(dialog.m_hWnd, 999, "x"));
    char text[8] = "junk";
    EXPECT_EQ(GetDlgItemTextA(dialog.m_hWnd, 100, text, sizeof text), 5u);
    EXPECT_STREQ(text, "Port:");
    EXPECT_EQ(GetDlgItemTextA(dialog.m_hWnd, 999, text, sizeof text), 0u);
    EXPECT_STREQ(text, "");
}

TEST(CtlDlgItem, ControlsAreWindowsWithGeometry)
{
    Recorder dialog;
    CButton button;
    ASSERT_TRUE(dialog.CreateWindowed(0, Rect(50, 40, 300, 200)));
    ASSERT_TRUE(button.Create(dialog.m_hWnd, Rect(10, 20, 80, 25), 1, "OK"));
    ASSERT_TRUE(IsWindow(button.m_hWnd));
    RECT outer{}, inner{};
    ASSERT_TRUE(GetWindowRect(dialog.m_hWnd, &outer));
    ASSERT_TRUE(GetWindowRect(button.m_hWnd, &inner));
    EXPECT_EQ(inner.left - outer.left, 10);
    EXPECT_EQ(inner.top - outer.top, 20);
    EXPECT_EQ(inner.right - inner.left, 80);
    EXPECT_EQ(inner.bottom - inner.top, 25);

    // Destroying the dialog takes its controls along.
    const HWND handle = button.m_hWnd;
    dialog.DestroyWindow();
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(button.m_hWnd, 0u);
}

// Three lists with one id stacked in a page without an id of its own, one
// of them shown: that one is found, whichever it is.
class CtlFindDescendant : public ::testing::TestWithParam<int> {};

TEST_P(CtlFindDescendant, PrefersTheVisibleOneAndLooksInsideOtherWindows)
{
    Recorder dialog, page;
    CListCtrl lists[3];
    ASSERT_TRUE(dialog.CreateWindowed(0, Rect(0, 0, 300, 200)));
    ASSERT_TRUE(page.CreateWindowed(dialog.m_hWnd, Rect(0, 0, 300, 200)));
    for (CListCtrl& list : lists) {
        ASSERT_TRUE(list.Create(page.m_hWnd, Rect(10, 10, 200, 150), 205));
        ShowWindow(list.m_hWnd, SW_HIDE);
    }
    ShowWindow(lists[GetParam()].m_hWnd, SW_SHOW);

    EXPECT_EQ(nimbo::FindDescendant(dialog.m_hWnd, 205), lists[GetParam()].m_hWnd);
    EXPECT_EQ(nimbo::FindDescendant(dialog.m_hWnd, 206), 0u);
}

INSTANTIATE_TEST_SUITE_P(Shown, CtlFindDescendant, ::testing::Values(0, 1, 2));

}  // namespace
