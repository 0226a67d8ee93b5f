#include "platform/window/tests/win_recorder.h"

#include <gtest/gtest.h>

using nimbo::test::Recorder;
using nimbo::test::Rect;
using nimbo::test::RunUntil;

namespace {

int Ticks(const Recorder& w, WPARAM id)
{
    int n = 0;
    for (const auto& m : w.log)
        if (m.message == WM_TIMER && m.wParam == id)
            ++n;
    return n;
}

TEST(WinTimers, FireOnlyWhileTheLoopRuns)
{
    Recorder w;
    ASSERT_TRUE(w.CreateWindowed(0, Rect(0, 0, 10, 10)));
    EXPECT_EQ(SetTimer(w.m_hWnd, 7, 20, nullptr), 7u);
    EXPECT_EQ(Ticks(w, 7), 0);
    EXPECT_TRUE(RunUntil([&] { return Ticks(w, 7) >= 3; }));
    EXPECT_EQ(w.Count(WM_TIMER), Ticks(w, 7));
}

TEST(WinTimers, KillTimerStopsThem)
{
    Recorder w;
    ASSERT_TRUE(w.CreateWindowed(0, Rect(0, 0, 10, 10)));
    ASSERT_EQ(SetTimer(w.m_hWnd, 3, 10, nullptr), 3u);
    EXPECT_TRUE(RunUntil([&] { return Ticks(w, 3) >= 1; }));
    EXPECT_TRUE(KillTimer(w.m_hWnd, 3));
    const int before = Ticks(w, 3);
    nimbo::RunEventLoop(100);
    EXPECT_EQ(Ticks(w, 3), before);
    EXPECT_FALSE(KillTimer(w.m_hWnd, 3));
}

TEST(WinTimers, SettingAnIdAgainRestartsTheSameTimer)
{
    Recorder w;
    ASSERT_TRUE(w.CreateWindowed(0, Rect(0, 0, 10, 10)));
    ASSERT_EQ(SetTimer(w.m_hWnd, 5, 10, nullptr), 5u);
    ASSERT_EQ(SetTimer(w.m_hWnd, 5, 15, nullptr), 5u);
    EXPECT_TRUE(KillTimer(w.m_hWnd, 5));
    nimbo::RunEventLoop(60);
    EXPECT_EQ(Ticks(w, 5), 0);
}

TEST(WinTimers, BadWindowGetsNoTimer)
{
    EXPECT_EQ(SetTimer(0, 1, 10, nullptr), 0u);
    EXPECT_EQ(SetTimer(0x7FFFFFF0u, 1, 10, nullptr), 0u);
    EXPECT_FALSE(KillTimer(0, 1));
}

TEST(WinTimers, NestedLoopKeepsOtherTimersFiring)
{
    Recorder ticker, dialogOwner;
    ASSERT_TRUE(ticker.CreateWindowed(0, Rect(0, 0, 10, 10)));
    ASSERT_TRUE(dialogOwner.CreateWindowed(0, Rect(0, 0, 10, 10)));
    int ticksInside = -1;
    dialogOwner.handler = [&](UINT m, WPARAM id, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_TIMER && id == 2) {
            KillTimer(dialogOwner.m_hWnd, 2);
            const int before = Ticks(ticker, 1);
            // Loops inside a tick, as a modal box would.
            RunUntil([&] { return Ticks(ticker, 1) >= before + 3; });
            ticksInside = Ticks(ticker, 1) - before;
            return 0;
        }
        return std::nullopt;
    };
    SetTimer(ticker.m_hWnd, 1, 15, nullptr);
    SetTimer(dialogOwner.m_hWnd, 2, 10, nullptr);
    RunUntil([&] { return ticksInside >= 0; });
    EXPECT_GE(ticksInside, 3);
}

TEST(WinTimers, DestroyingAWindowStopsItsTimers)
{
    Recorder w;
    ASSERT_TRUE(w.CreateWindowed(0, Rect(0, 0, 10, 10)));
    SetTimer(w.m_hWnd, 1, 10, nullptr);
    w.DestroyWindow();
    nimbo::RunEventLoop(60);
    EXPECT_EQ(w.Count(WM_TIMER), 0);
}

TEST(WinTimers, WindowMayDestroyItselfInItsOwnTick)
{
    Recorder w;
    ASSERT_TRUE(w.CreateWindowed(0, Rect(0, 0, 10, 10)));
    w.handler = [&](UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_TIMER)
            w.DestroyWindow();
        return std::nullopt;
    };
    SetTimer(w.m_hWnd, 1, 10, nullptr);
    RunUntil([&] { return w.m_hWnd == 0; });
    nimbo::RunEventLoop(50);
    EXPECT_EQ(w.Count(WM_TIMER), 1);
    EXPECT_EQ(w.m_hWnd, 0u);
}

TEST(WinTimers, ModalLoopAnswersWhatEndModalLoopWasGiven)
{
    Recorder dialog;
    ASSERT_TRUE(dialog.CreateWindowed(0, Rect(0, 0, 10, 10)));
    dialog.handler = [&](UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_TIMER && Ticks(dialog, 9) == 3) {
            KillTimer(dialog.m_hWnd, 9);
            nimbo::EndModalLoop(dialog.m_hWnd, 42);
        }
        return std::nullopt;
    };
    SetTimer(dialog.m_hWnd, 9, 10, nullptr);
    EXPECT_EQ(nimbo::RunModalLoop(dialog.m_hWnd), 42);
    EXPECT_EQ(Ticks(dialog, 9), 3);
    EXPECT_TRUE(IsWindow(dialog.m_hWnd));
}

TEST(WinTimers, ModalLoopEndedBeforeItRunsReturnsAtOnce)
{
    Recorder dialog;
    ASSERT_TRUE(dialog.CreateWindowed(0, Rect(0, 0, 10, 10)));
    nimbo::EndModalLoop(dialog.m_hWnd, 5);
    EXPECT_EQ(nimbo::RunModalLoop(dialog.m_hWnd), 5);
}

TEST(WinTimers, ModalLoopEndingFromEndUntilTheLoopReturns)
{
    Recorder dialog;
    ASSERT_TRUE(dialog.CreateWindowed(0, Rect(0, 0, 10, 10)));
    bool endingInside = false;
    dialog.handler = [&](UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_TIMER) {
            KillTimer(dialog.m_hWnd, 1);
            nimbo::EndModalLoop(dialog.m_hWnd, IDOK);
            endingInside = nimbo::ModalLoopEnding(dialog.m_hWnd);
        }
        return std::nullopt;
    };
    SetTimer(dialog.m_hWnd, 1, 10, nullptr);
    EXPECT_FALSE(nimbo::ModalLoopEnding(dialog.m_hWnd));
    EXPECT_EQ(nimbo::RunModalLoop(dialog.m_hWnd), IDOK);
    EXPECT_TRUE(endingInside);
    EXPECT_FALSE(nimbo::ModalLoopEnding(dialog.m_hWnd));
}

TEST(WinTimers, ModalLoopOfADestroyedWindowAnswersMinusOne)
{
    Recorder dialog;
    ASSERT_TRUE(dialog.CreateWindowed(0, Rect(0, 0, 10, 10)));
    dialog.handler = [&](UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_TIMER)
            dialog.DestroyWindow();
        return std::nullopt;
    };
    SetTimer(dialog.m_hWnd, 1, 10, nullptr);
    EXPECT_EQ(nimbo::RunModalLoop(dialog.m_hWnd), -1);
    EXPECT_EQ(nimbo::RunModalLoop(0x7FFFFFF0u), -1);
}

TEST(WinTimers, EndThenDestroyKeepsTheResult)
{
    Recorder dialog;
    ASSERT_TRUE(dialog.CreateWindowed(0, Rect(0, 0, 10, 10)));
    dialog.handler = [&](UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_TIMER) {
            nimbo::EndModalLoop(dialog.m_hWnd, IDOK);
            dialog.DestroyWindow();
        }
        return std::nullopt;
    };
    SetTimer(dialog.m_hWnd, 1, 10, nullptr);
    EXPECT_EQ(nimbo::RunModalLoop(dialog.m_hWnd), IDOK);
}

TEST(WinTimers, QuitEventLoopEndsAnOpenEndedLoop)
{
    Recorder w;
    ASSERT_TRUE(w.CreateWindowed(0, Rect(0, 0, 10, 10)));
    bool gaveUp = false;
    w.handler = [&](UINT m, WPARAM id, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_USER)
            nimbo::QuitEventLoop(0);
        if (m == WM_TIMER && id == 99) {  // only so a broken quit cannot hang the suite
            gaveUp = true;
            nimbo::QuitEventLoop(0);
        }
        return std::nullopt;
    };
    SetTimer(w.m_hWnd, 99, 10000, nullptr);
    PostMessageA(w.m_hWnd, WM_USER, 0, 0);
    nimbo::RunEventLoop(-1);
    EXPECT_FALSE(gaveUp);
    EXPECT_EQ(w.Count(WM_USER), 1);
}

}  // namespace
