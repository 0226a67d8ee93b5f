// An eight-LED control in a top-level window of its own, fed by a real port
// object, and ways to look at what it draws.
#pragma once

#include "clients/led8/zem_led8_ctrl.h"
#include "platform/test_support.h"
#include "link/com_ser.h"
#include "platform/wingdi.h"

#include <gtest/gtest.h>

#include <memory>

namespace led8test {

constexpr std::uint32_t kGrey = 0xFFC0C0C0u;

inline nimbo::Pixels Crop(const nimbo::Pixels& p, int x, int y, int w, int h)
{
    nimbo::Pixels out = nimbo::MakePixels(w, h, 0);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            out.Set(i, j, p.At(x + i, y + j));
    return out;
}

inline bool Uniform(const nimbo::Pixels& p, std::uint32_t argb)
{
    for (std::uint32_t v : p.argb)
        if (v != argb)
            return false;
    return !p.Empty();
}

}  // namespace led8test

class Led8Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        port = std::make_unique<CComSer>();
        ctrl = std::make_unique<CZemLed8Ctrl>();
        ctrl->ResetProperties();
        ASSERT_TRUE(ctrl->CreateControlWindow(0, 0, 0));
        ctrl->SetModifiedFlag(FALSE);
        nimbo::TakeInvalidations(ctrl->m_hWnd);
        strip = ctrl->lampStrip.GetPixels();
    }

    // The server's data message for plc, with register reg holding v.
    LRESULT Feed(int plc, int reg, std::int32_t v)
    {
        port->registers[reg] = v;
        return SendMessageA(ctrl->m_hWnd, WM_PLC_DATA, plc, reinterpret_cast<LPARAM>(port.get()));
    }
    void Bind(int plc, int reg)
    {
        ctrl->SetPlc(plc);
        ctrl->SetReg(reg);
        ctrl->SetModifiedFlag(FALSE);
        nimbo::TakeInvalidations(ctrl->m_hWnd);
    }
    // The control drawn as the container would, on a background it never uses.
    nimbo::Pixels Render()
    {
        auto dc = nimbo::CreateImageDC(kLed8Width, 48, RGB(1, 2, 3));
        RECT bounds{0, 0, kLed8Width, 48};
        ctrl->OnDraw(dc.get(), bounds, bounds);
        return nimbo::DCPixels(dc.get());
    }
    nimbo::Pixels Lamp(const nimbo::Pixels& drawn, int i)
    {
        return led8test::Crop(drawn, i * kLed8LampWidth, kLed8CaptionHeight, kLed8LampWidth, kLed8LampHeight);
    }
    nimbo::Pixels Cell(int style, bool lit)
    {
        return led8test::Crop(strip, style * kLed8LampWidth, lit ? 0 : kLed8LampHeight, kLed8LampWidth,
                              kLed8LampHeight);
    }
    // Which of the eight lamps show lit, as bits, leftmost in bit 0.
    unsigned LitLamps(int style)
    {
        nimbo::Pixels drawn = Render();
        unsigned lit = 0;
        for (int i = 0; i < kLed8Lamps; ++i) {
            nimbo::Pixels lamp = Lamp(drawn, i);
            if (lamp.argb == Cell(style, true).argb)
                lit |= 1u << i;
            else
                EXPECT_EQ(lamp.argb, Cell(style, false).argb) << "lamp " << i << " is neither lit nor unlit";
        }
        return lit;
    }
    std::vector<RECT> Invalidated() { return nimbo::TakeInvalidations(ctrl->m_hWnd); }

    std::unique_ptr<CComSer> port;
    std::unique_ptr<CZemLed8Ctrl> ctrl;
    nimbo::Pixels strip;
};

inline bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline std::ostream& operator<<(std::ostream& os, const RECT& r)
{
    return os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
