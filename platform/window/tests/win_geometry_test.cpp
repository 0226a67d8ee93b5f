#include "platform/window/tests/win_recorder.h"

#include <gtest/gtest.h>

using nimbo::test::Recorder;
using nimbo::test::Rect;

namespace {

bool Same(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

::testing::AssertionResult RectIs(const RECT& got, const RECT& want)
{
    if (Same(got, want))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got {" << got.left << "," << got.top << "," << got.right << ","
                                         << got.bottom << "} want {" << want.left << "," << want.top << ","
                                         << want.right << "," << want.bottom << "}";
}

TEST(WinGeometry, ChildWindowRectIsInScreenCoordinates)
{
    Recorder top, child;
    ASSERT_TRUE(top.CreateWindowed(0, Rect(100, 80, 400, 300)));
    ASSERT_TRUE(child.CreateWindowed(top.m_hWnd, Rect(10, 20, 60, 40)));
    nimbo::RunEventLoop(20);

    RECT outer, inner, client;
    ASSERT_TRUE(GetWindowRect(top.m_hWnd, &outer));
    EXPECT_EQ(outer.right - outer.left, 400);
    EXPECT_EQ(outer.bottom - outer.top, 300);

    ASSERT_TRUE(MoveWindow(child.m_hWnd, 30, 25, 50, 35, TRUE));
    ASSERT_TRUE(GetWindowRect(child.m_hWnd, &inner));
    EXPECT_TRUE(RectIs(inner, RECT{outer.left + 30, outer.top + 25, outer.left + 80, outer.top + 60}));
    ASSERT_TRUE(GetClientRect(child.m_hWnd, &client));
    EXPECT_TRUE(RectIs(client, RECT{0, 0, 50, 35}));

    POINT p{3, 4};
    ASSERT_TRUE(ClientToScreen(child.m_hWnd, &p));
    EXPECT_EQ(p.x, outer.left + 33);
    EXPECT_EQ(p.y, outer.top + 29);
    ASSERT_TRUE(ScreenToClient(top.m_hWnd, &p));
    EXPECT_EQ(p.x, 33);
    EXPECT_EQ(p.y, 29);
}

TEST(WinGeometry, TopLevelWindowSitsWhereItWasPut)
{
    Recorder top;
    ASSERT_TRUE(top.CreateWindowed(0, Rect(120, 90, 200, 100)));
    nimbo::RunEventLoop(20);
    RECT r;
    ASSERT_TRUE(GetWindowRect(top.m_hWnd, &r));
    EXPECT_TRUE(RectIs(r, RECT{120, 90, 320, 190}));
}

TEST(WinGeometry, ResizingSendsWmSizeWithTheClientSize)
{
    Recorder top, child;
    ASSERT_TRUE(top.CreateWindowed(0, Rect(0, 0, 200, 200)));
    ASSERT_TRUE(child.CreateWindowed(top.m_hWnd, Rect(0, 0, 20, 20)));
    child.log.clear();
    ASSERT_TRUE(MoveWindow(child.m_hWnd, 5, 5, 64, 48, FALSE));
    ASSERT_GE(child.Count(WM_SIZE), 1);
    LPARAM last = 0;
    for (const auto& m : child.log)
        if (m.message == WM_SIZE)
            last = m.lParam;
    EXPECT_EQ(LOWORD(last), 64);
    EXPECT_EQ(HIWORD(last), 48);
}

TEST(WinGeometry, ShowWindowHidesAndShowsAndAnswersTheOldState)
{
    Recorder top, child;
    ASSERT_TRUE(top.CreateWindowed(0, Rect(0, 0, 100, 100)));
    ASSERT_TRUE(child.CreateWindowed(top.m_hWnd, Rect(0, 0, 20, 20)));
    EXPECT_TRUE(IsWindowVisible(child.m_hWnd));
    EXPECT_TRUE(ShowWindow(child.m_hWnd, SW_HIDE));
    EXPECT_FALSE(IsWindowVisible(child.m_hWnd));
    EXPECT_FALSE(ShowWindow(child.m_hWnd, SW_SHOW));
    EXPECT_TRUE(IsWindowVisible(child.m_hWnd));

    ShowWindow(top.m_hWnd, SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(child.m_hWnd));
    ShowWindow(top.m_hWnd, SW_SHOW);
    EXPECT_TRUE(IsWindowVisible(child.m_hWnd));
}

TEST(WinGeometry, EnableWindowAnswersWhetherItWasDisabled)
{
    Recorder top;
    ASSERT_TRUE(top.CreateWindowed(0, Rect(0, 0, 10, 10)));
    EXPECT_TRUE(IsWindowEnabled(top.m_hWnd));
    EXPECT_FALSE(EnableWindow(top.m_hWnd, FALSE));
    EXPECT_FALSE(IsWindowEnabled(top.m_hWnd));
    EXPECT_TRUE(EnableWindow(top.m_hWnd, TRUE));
}

}  // namespace
