#include "platform/window/tests/win_recorder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <thread>

using nimbo::test::Recorder;
using nimbo::test::Rect;

namespace {

constexpr UINT kFirst = WM_USER + 1;
constexpr UINT kSecond = WM_USER + 2;
constexpr UINT kThird = WM_USER + 3;

TEST(WinMessages, SendRunsAtOncePostWaitsForTheLoopInOrder)
{
    Recorder w;
    w.handler = [](UINT m, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
        if (m == kSecond)
            return static_cast<LRESULT>(wp * 2);
        return std::nullopt;
    };
    ASSERT_TRUE(w.CreateWindowed(0, Rect(0, 0, 50, 50)));
    const HWND h = w.m_hWnd;
    EXPECT_TRUE(PostMessageA(h, kFirst, 1, 0));
    EXPECT_TRUE(PostMessageA(h, kThird, 3, 0));
    EXPECT_EQ(SendMessageA(h, kSecond, 21, 0), 42);
    EXPECT_EQ(w.Only({kFirst, kSecond, kThird}), (std::vector<UINT>{kSecond}));

    nimbo::test::RunUntil([&] { return w.Count(kThird) > 0; });
    EXPECT_EQ(w.Only({kFirst, kSecond, kThird}), (std::vector<UINT>{kSecond, kFirst, kThird}));
}

TEST(WinMessages, PostsFromAnotherThreadArriveInOrderOnTheWindowsThread)
{
    Recorder w;
    ASSERT_TRUE(w.CreateWindowed(0, Rect(0, 0, 50, 50)));
    const std::thread::id home = std::this_thread::get_id();
    bool allHome = true;
    w.handler = [&](UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == kFirst)
            allHome = allHome && std::this_thread::get_id() == home;
        return std::nullopt;
    };
    const HWND h = w.m_hWnd;
    std::thread poster([h] {
        for (WPARAM i = 0; i < 100; ++i)
            PostMessageA(h, kFirst, i, 0);
    });
    poster.join();
    nimbo::test::RunUntil([&] { return w.Count(kFirst) == 100; });
    std::vector<WPARAM> got;
    for (const auto& m : w.log)
        if (m.message == kFirst)
            got.push_back(m.wParam);
    ASSERT_EQ(got.size(), 100u);
    for (WPARAM i = 0; i < 100; ++i)
        EXPECT_EQ(got[i], i);
    EXPECT_TRUE(allHome);
}

TEST(WinMessages, PostedMessageToADestroyedWindowIsDropped)
{
    Recorder w;
    ASSERT_TRUE(w.CreateWindowed(0, Rect(0, 0, 50, 50)));
    const HWND h = w.m_hWnd;
    ASSERT_TRUE(PostMessageA(h, kFirst, 0, 0));
    w.DestroyWindow();
    nimbo::RunEventLoop(50);
    EXPECT_EQ(w.Count(kFirst), 0);
    EXPECT_FALSE(PostMessageA(h, kFirst, 0, 0));
}

TEST(WinMessages, DestroyedHandleIsNoLongerAWindow)
{
    Recorder w;
    ASSERT_TRUE(w.CreateWindowed(0, Rect(0, 0, 50, 50)));
    const HWND h = w.m_hWnd;
    EXPECT_TRUE(IsWindow(h));
    EXPECT_EQ(FromHandle(h), &w);
    SetWindowLongA(h, GWL_USERDATA, 99);

    w.DestroyWindow();
    EXPECT_EQ(w.m_hWnd, 0u);
    EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(FromHandle(h), nullptr);
    EXPECT_EQ(GetWindowLongA(h, GWL_USERDATA), 0);
    const auto before = w.log.size();
    EXPECT_EQ(SendMessageA(h, kFirst, 0, 0), 0);
    EXPECT_EQ(w.log.size(), before);
    EXPECT_FALSE(DestroyWindow(h));
    RECT r;
    EXPECT_FALSE(GetClientRect(h, &r));
    EXPECT_FALSE(InvalidateRect(h, nullptr, TRUE));
    EXPECT_EQ(SetTimer(h, 1, 10, nullptr), 0u);
    EXPECT_FALSE(IsWindow(0));
}

TEST(WinMessages, HandlesAreNonZeroAndNeverGivenTwice)
{
    static_assert(sizeof(HWND) == 4);
    std::set<HWND> seen;
    for (int i = 0; i < 40; ++i) {
        Recorder w;
        ASSERT_TRUE(w.CreateWindowed(0, Rect(0, 0, 10, 10)));
        EXPECT_NE(w.m_hWnd, 0u);
        EXPECT_TRUE(seen.insert(w.m_hWnd).second) << "handle " << w.m_hWnd << " given twice";
    }
}

TEST(WinMessages, CreateSeesItsOwnHandleAndSize)
{
    Recorder w;
    bool known = false;
    CREATESTRUCTA seen{};
    std::string name;
    w.handler = [&](UINT m, WPARAM, LPARAM lp) -> std::optional<LRESULT> {
        if (m == WM_CREATE) {
            known = IsWindow(w.m_hWnd) && FromHandle(w.m_hWnd) == &w;
            seen = *reinterpret_cast<const CREATESTRUCTA*>(lp);
            name = seen.lpszName;  // only good during the message
        }
        return std::nullopt;
    };
    ASSERT_TRUE(w.CreateWindowed(0, Rect(5, 6, 70, 40), "panel"));
    EXPECT_TRUE(known);
    EXPECT_EQ(seen.cx, 70);
    EXPECT_EQ(seen.cy, 40);
    EXPECT_EQ(name, "panel");
    EXPECT_EQ(w.log.front().message, WM_CREATE);
}

TEST(WinMessages, CreateFailsWhenWmCreateAnswersMinusOne)
{
    Recorder w;
    HWND during = 0;
    w.handler = [&](UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_CREATE) {
            during = w.m_hWnd;
            return -1;
        }
        return std::nullopt;
    };
    EXPECT_FALSE(w.CreateWindowed(0, Rect(0, 0, 30, 30)));
    EXPECT_NE(during, 0u);
    EXPECT_FALSE(IsWindow(during));
    EXPECT_EQ(w.m_hWnd, 0u);
    EXPECT_EQ(w.Only({WM_CREATE, WM_DESTROY}), (std::vector<UINT>{WM_CREATE, WM_DESTROY}));
}

TEST(WinMessages, ChildOfAMissingParentIsRefused)
{
    Recorder w;
    EXPECT_FALSE(w.CreateWindowed(0x7FFFFFF0u, Rect(0, 0, 10, 10)));
    EXPECT_EQ(w.m_hWnd, 0u);
    EXPECT_TRUE(w.log.empty());
}

TEST(WinMessages, UserDataRoundTrip)
{
    Recorder w;
    ASSERT_TRUE(w.CreateWindowed(0, Rect(0, 0, 10, 10)));
    const HWND h = w.m_hWnd;
    EXPECT_EQ(GetWindowLongA(h, GWL_USERDATA), 0);
    int anchor = 0;
    const auto pointer = reinterpret_cast<LONG_PTR>(&anchor);
    EXPECT_EQ(SetWindowLongA(h, GWL_USERDATA, pointer), 0);
    EXPECT_EQ(GetWindowLongA(h, GWL_USERDATA), pointer);
    EXPECT_EQ(SetWindowLongA(h, GWL_USERDATA, 7), pointer);
    EXPECT_EQ(GetWindowLongA(h, GWL_USERDATA), 7);
    EXPECT_EQ(GetWindowLongA(h, -4), 0);
    EXPECT_EQ(SetWindowLongA(h, -4, 5), 0);
}

TEST(WinMessages, WindowTextGoesThroughMessages)
{
    Recorder w;
    ASSERT_TRUE(w.CreateWindowed(0, Rect(0, 0, 10, 10), "first"));
    char buffer[16];
    EXPECT_EQ(GetWindowTextA(w.m_hWnd, buffer, sizeof buffer), 5);
    EXPECT_STREQ(buffer, "first");
    EXPECT_TRUE(SetWindowTextA(w.m_hWnd, "second one"));
    EXPECT_EQ(w.Count(WM_SETTEXT), 1);
    EXPECT_EQ(GetWindowTextA(w.m_hWnd, buffer, 4), 3);
    EXPECT_STREQ(buffer, "sec");
    EXPECT_EQ(SendMessageA(w.m_hWnd, WM_GETTEXTLENGTH, 0, 0), 10);
}

TEST(WinMessages, DestroyingAParentDestroysItsChildrenAfterIt)
{
    Recorder parent, child, grandchild;
    std::vector<HWND> order;
    auto note = [&](Recorder& r) {
        r.handler = [&order, &r](UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
            if (m == WM_DESTROY)
                order.push_back(r.m_hWnd);
            return std::nullopt;
        };
    };
    note(parent);
    note(child);
    note(grandchild);
    ASSERT_TRUE(parent.CreateWindowed(0, Rect(0, 0, 100, 100)));
    ASSERT_TRUE(child.CreateWindowed(parent.m_hWnd, Rect(10, 10, 50, 50)));
    ASSERT_TRUE(grandchild.CreateWindowed(child.m_hWnd, Rect(5, 5, 10, 10)));
    const std::vector<HWND> expected{parent.m_hWnd, child.m_hWnd, grandchild.m_hWnd};
    EXPECT_EQ(GetParent(grandchild.m_hWnd), child.m_hWnd);

    parent.DestroyWindow();
    EXPECT_EQ(order, expected);
    for (HWND h : expected)
        EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(child.m_hWnd, 0u);
    EXPECT_EQ(grandchild.m_hWnd, 0u);
}

TEST(WinMessages, ObjectGoingAwayTakesItsWindow)
{
    HWND h = 0;
    {
        CWnd plain;
        ASSERT_TRUE(plain.CreateWindowed(0, Rect(0, 0, 10, 10)));
        h = plain.m_hWnd;
    }
    EXPECT_FALSE(IsWindow(h));
}

TEST(WinMessages, CloseDestroysByDefault)
{
    Recorder w;
    ASSERT_TRUE(w.CreateWindowed(0, Rect(0, 0, 10, 10)));
    const HWND h = w.m_hWnd;
    SendMessageA(h, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(h));
}

}  // namespace
