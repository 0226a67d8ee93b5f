#include "platform/window/tests/win_recorder.h"
#include "platform/test_support.h"
#include "platform/wingdi.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

using nimbo::test::Recorder;
using nimbo::test::Rect;
using nimbo::test::RunUntil;

namespace {

bool Same(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(WinPaint, InvalidationsAreRecordedAndTaken)
{
    Recorder w;
    ASSERT_TRUE(w.CreateWindowed(0, Rect(0, 0, 80, 60)));
    nimbo::TakeInvalidations(w.m_hWnd);
    const RECT part{5, 6, 20, 30};
    EXPECT_TRUE(InvalidateRect(w.m_hWnd, &part, FALSE));
    EXPECT_TRUE(InvalidateRect(w.m_hWnd, nullptr, TRUE));
    const std::vector<RECT> got = nimbo::TakeInvalidations(w.m_hWnd);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_TRUE(Same(got[0], part));
    EXPECT_TRUE(Same(got[1], RECT{0, 0, 80, 60}));
    EXPECT_TRUE(nimbo::TakeInvalidations(w.m_hWnd).empty());
    EXPECT_TRUE(nimbo::TakeInvalidations(0x7FFFFFF0u).empty());
}

long ResidentKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}

// A panel invalidates for as long as it runs, and only tests ever take the
// record: nothing may be kept while they do not ask for it.
TEST(WinPaint, InvalidationsAreKeptOnlyWhileRecorded)
{
    Recorder w;
    ASSERT_TRUE(w.CreateWindowed(0, Rect(0, 0, 80, 60)));
    nimbo::RecordInvalidations(false);
    const long before = ResidentKb();
    const RECT part{5, 6, 20, 30};
    for (int i = 0; i < 1000000; ++i)
        InvalidateRect(w.m_hWnd, &part, FALSE);
    const long grownKb = ResidentKb() - before;
    EXPECT_TRUE(nimbo::TakeInvalidations(w.m_hWnd).empty());
    nimbo::RecordInvalidations(true);
    EXPECT_TRUE(nimbo::TakeInvalidations(w.m_hWnd).empty()) << "kept while nobody recorded";
    EXPECT_LT(grownKb, 4096) << "a million rectangles kept would be 16 MB";
}

TEST(WinPaint, FirstPaintErasesThenPaints)
{
    Recorder w;
    ASSERT_TRUE(w.CreateWindowed(0, Rect(0, 0, 40, 40)));
    RunUntil([&] { return w.Count(WM_PAINT) > 0; });
    const auto seen = w.Only({WM_ERASEBKGND, WM_PAINT});
    ASSERT_GE(seen.size(), 2u);
    EXPECT_EQ(seen[0], WM_ERASEBKGND);
    EXPECT_EQ(seen[1], WM_PAINT);
}

TEST(WinPaint, InvalidateWithEraseDeliversEraseThenPaint)
{
    Recorder w;
    ASSERT_TRUE(w.CreateWindowed(0, Rect(0, 0, 40, 40)));
    RunUntil([&] { return w.Count(WM_PAINT) > 0; });
    w.log.clear();

    InvalidateRect(w.m_hWnd, nullptr, TRUE);
    RunUntil([&] { return w.Count(WM_PAINT) > 0; });
    EXPECT_EQ(w.Only({WM_ERASEBKGND, WM_PAINT}), (std::vector<UINT>{WM_ERASEBKGND, WM_PAINT}));

    w.log.clear();
    const RECT part{0, 0, 10, 10};
    InvalidateRect(w.m_hWnd, &part, FALSE);
    RunUntil([&] { return w.Count(WM_PAINT) > 0; });
    EXPECT_EQ(w.Only({WM_ERASEBKGND, WM_PAINT}), (std::vector<UINT>{WM_PAINT}));
}

TEST(WinPaint, UpdateWindowPaintsWithoutTheLoop)
{
    Recorder w;
    ASSERT_TRUE(w.CreateWindowed(0, Rect(0, 0, 40, 40)));
    RunUntil([&] { return w.Count(WM_PAINT) > 0; });
    w.log.clear();
    UpdateWindow(w.m_hWnd);
    EXPECT_EQ(w.Count(WM_PAINT), 0) << "nothing was invalid";
    InvalidateRect(w.m_hWnd, nullptr, FALSE);
    UpdateWindow(w.m_hWnd);
    EXPECT_EQ(w.Count(WM_PAINT), 1);
}

TEST(WinPaint, PaintCarriesTheDcThatBeginPaintHandsOut)
{
    Recorder w;
    CDC* carried = nullptr;
    HDC begun = nullptr;
    w.handler = [&](UINT m, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_PAINT) {
            carried = reinterpret_cast<CDC*>(wp);
            PAINTSTRUCT ps{};
            begun = BeginPaint(w.m_hWnd, &ps);
            EndPaint(w.m_hWnd, &ps);
        }
        return std::nullopt;
    };
    ASSERT_TRUE(w.CreateWindowed(0, Rect(0, 0, 40, 40)));
    RunUntil([&] { return carried != nullptr; });
    EXPECT_NE(carried, nullptr);
    EXPECT_EQ(begun, carried);
    PAINTSTRUCT outside{};
    EXPECT_EQ(BeginPaint(w.m_hWnd, &outside), nullptr);
}

// A grey top-level window with a red child that paints a blue square.
struct PaintedPanel {
    Recorder top, child;
    PaintedPanel()
    {
        child.m_background = RGB(255, 0, 0);
        child.handler = [](UINT m, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
            if (m == WM_PAINT) {
                CBrush blue(RGB(0, 0, 255));
                const RECT square{5, 5, 15, 15};
                reinterpret_cast<CDC*>(wp)->FillRect(&square, &blue);
                return 0;
            }
            return std::nullopt;
        };
        EXPECT_TRUE(top.CreateWindowed(0, Rect(0, 0, 100, 80)));
        EXPECT_TRUE(child.CreateWindowed(top.m_hWnd, Rect(10, 10, 40, 30)));
    }
};

TEST(WinPaint, GrabShowsThePaintedChild)
{
    PaintedPanel panel;
    const nimbo::Pixels p = nimbo::GrabWindowPixels(panel.top.m_hWnd);
    ASSERT_EQ(p.width, 100);
    ASSERT_EQ(p.height, 80);
    EXPECT_EQ(p.At(0, 0), 0xFFC0C0C0u);
    EXPECT_EQ(p.At(9, 9), 0xFFC0C0C0u);
    EXPECT_EQ(p.At(10, 10), 0xFFFF0000u);
    EXPECT_EQ(p.At(14, 14), 0xFFFF0000u);
    EXPECT_EQ(p.At(15, 15), 0xFF0000FFu);
    EXPECT_EQ(p.At(24, 24), 0xFF0000FFu);
    EXPECT_EQ(p.At(25, 25), 0xFFFF0000u);
    EXPECT_EQ(p.At(49, 39), 0xFFFF0000u);
    EXPECT_EQ(p.At(50, 40), 0xFFC0C0C0u);

    const nimbo::Pixels c = nimbo::GrabWindowPixels(panel.child.m_hWnd);
    EXPECT_EQ(c.width, 40);
    EXPECT_EQ(c.height, 30);
    EXPECT_EQ(c.At(5, 5), 0xFF0000FFu);
    EXPECT_TRUE(nimbo::GrabWindowPixels(0x7FFFFFF0u).Empty());
}

TEST(WinPaint, SavedPngHasTheWindowsSize)
{
    PaintedPanel panel;
    const std::string path = "/tmp/win_paint_test_" + std::to_string(::getpid()) + ".png";
    ASSERT_TRUE(nimbo::SaveWindowPng(panel.top.m_hWnd, path));
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::remove(path.c_str());
    ASSERT_GE(bytes.size(), 24u);
    EXPECT_EQ(bytes.substr(1, 3), "PNG");
    auto big = [&](std::size_t at) {
        return (static_cast<unsigned>(static_cast<unsigned char>(bytes[at])) << 24) | (static_cast<unsigned char>(bytes[at + 1]) << 16) |
               (static_cast<unsigned char>(bytes[at + 2]) << 8) | static_cast<unsigned char>(bytes[at + 3]);
    };
    EXPECT_EQ(big(16), 100u);  // IHDR width
    EXPECT_EQ(big(20), 80u);   // IHDR height
    EXPECT_FALSE(nimbo::SaveWindowPng(0x7FFFFFF0u, path));
}

}  // namespace
