// A bar control with a window, fed by a port object of its own.
#pragma once

#include "clients/bar/zem_bar_artwork.h"
#include "platform/test_support.h"
#include "clients/bar/zem_bar_ctrl.h"
#include "clients/common/client_artwork.h"
#include "platform/wingdi.h"

#include <gtest/gtest.h>

#include <memory>

constexpr std::uint32_t kLightGrey = 0xFFC0C0C0u;
constexpr COLORREF kMarker = RGB(1, 2, 3);

class BarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        port = std::make_unique<CComSer>();
        ctrl.ResetProperties();
        ASSERT_TRUE(ctrl.CreateControlWindow(0, 0, 0));
        ctrl.SetPlc(1);
        ctrl.SetReg(40);
        nimbo::TakeInvalidations(ctrl.m_hWnd);
    }
    void TearDown() override { ctrl.DestroyWindow(); }

    LRESULT Data(int plc, std::int32_t registerValue)
    {
        port->registers[40] = registerValue;
        return SendMessageA(ctrl.m_hWnd, WM_PLC_DATA, plc, reinterpret_cast<LPARAM>(port.get()));
    }
    void Offline() { SendMessageA(ctrl.m_hWnd, WM_PLC_OFFLINE, 0, 0); }

    // Drawn on a picture larger than the control, to see that nothing
    // lands outside it.
    nimbo::Pixels Draw()
    {
        auto dc = nimbo::CreateImageDC(100, 210, kMarker);
        RECT r{0, 0, 84, 192};
        ctrl.OnDraw(dc.get(), r, r);
        return nimbo::DCPixels(dc.get());
    }

    std::unique_ptr<CComSer> port;
    CZemBarCtrl ctrl;
};

inline bool SameArea(const nimbo::Pixels& a, int ax, int ay, const nimbo::Pixels& b, int bx, int by, int w, int h)
{
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (a.At(ax + x, ay + y) != b.At(bx + x, by + y))
                return false;
    return true;
}

inline bool AllOf(const nimbo::Pixels& p, int x0, int y0, int w, int h, std::uint32_t colour)
{
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x)
            if (p.At(x, y) != colour)
                return false;
    return true;
}

// The bar with its lower `lit` rows lit.
inline bool BarShows(const nimbo::Pixels& p, int lit)
{
    return SameArea(p, 0, 0, BarColumnEmpty(), 0, 0, 24, 168 - lit) &&
           SameArea(p, 0, 168 - lit, BarColumnFull(), 0, 168 - lit, 24, lit);
}

// The percentage's two cells (10 the dash, 11 blank).
inline bool PercentShows(const nimbo::Pixels& p, int tens, int units)
{
    const nimbo::Pixels strip = BarPercentDigits();
    return SameArea(p, 24, 0, strip, tens * 30, 0, 30, 48) && SameArea(p, 54, 0, strip, units * 30, 0, 30, 48);
}

// A number's cells, left to right (10 the dash, 11 blank).
inline bool NumberShows(const nimbo::Pixels& p, int x, int y, bool large, std::initializer_list<int> cells)
{
    const nimbo::Pixels strip = large ? BarLargeDigits() : BarSmallDigits();
    const int w = large ? 15 : 12, h = large ? 20 : 16;
    for (int cell : cells) {
        if (!SameArea(p, x, y, strip, cell * w, 0, w, h))
            return false;
        x += w;
    }
    return true;
}

inline bool NothingOutsideTheControl(const nimbo::Pixels& p)
{
    const std::uint32_t marker = nimbo::ToArgb(kMarker);
    return AllOf(p, 84, 0, 16, 210, marker) && AllOf(p, 0, 192, 100, 18, marker);
}
