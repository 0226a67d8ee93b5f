// A button control with a window, and a port object on a memory line with
// a virtual clock, so that what a click writes can be read off the line.
#pragma once

#include "clients/button/zem_button_artwork.h"
#include "platform/test_support.h"
#include "clients/button/zem_button_ctrl.h"
#include "clients/common/client_artwork.h"
#include "platform/clock.h"
#include "platform/serial_memory.h"
#include "platform/wingdi.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

constexpr std::uint32_t kLightGrey = 0xFFC0C0C0u;

class ButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        nimbo::SetTickSource(&clock);
        line = std::make_shared<nimbo::MemoryLine>();
        nimbo::UseMemoryLines({{"COM1", line}});
        port = std::make_unique<CComSer>();
        // Open answers 1 only with a PLC to scan.
        port->plcEnabled[0] = 1;
        ASSERT_EQ(port->Open(4096, 4096, 0), 1) << nimbo::LastSerialOpenFailure();
        ctrl.ResetProperties();
        ASSERT_TRUE(ctrl.CreateControlWindow(0, 0, 0));
        nimbo::TakeInvalidations(ctrl.m_hWnd);
    }
    void TearDown() override
    {
        ctrl.DestroyWindow();
        port.reset();
        nimbo::SetSerialOpener({});
        nimbo::SetTickSource(nullptr);
    }

    // Binds the control to PLC 1, register 100, the given bit.
    void Bind(int bit, int plc = 1, int reg = 100)
    {
        ctrl.SetPlc(plc);
        ctrl.SetReg(reg);
        ctrl.SetBit(bit);
    }
    LRESULT Data(int plc, std::int32_t registerValue, int reg = 100)
    {
        port->registers[reg] = registerValue;
        return SendMessageA(ctrl.m_hWnd, WM_PLC_DATA, plc, reinterpret_cast<LPARAM>(port.get()));
    }
    void Offline() { SendMessageA(ctrl.m_hWnd, WM_PLC_OFFLINE, 0, 0); }
    void Click(int x, int y) { SendMessageA(ctrl.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }

    nimbo::Pixels Draw()
    {
        auto dc = nimbo::CreateImageDC(168, 24, RGB(1, 2, 3));
        RECT r{0, 0, 168, 24};
        ctrl.OnDraw(dc.get(), r, r);
        return nimbo::DCPixels(dc.get());
    }

    // The write-register requests on the line: (register, value) each.
    std::vector<std::pair<int, std::int32_t>> Writes() const
    {
        std::vector<std::pair<int, std::int32_t>> out;
        const auto& w = line->written;
        for (std::size_t i = 0; i + 11 <= w.size(); ++i)
            if (w[i] == 0xFF && w[i + 2] == 11 && w[i + 3] == 29) {
                std::uint32_t v = (std::uint32_t{w[i + 6]} << 24) | (std::uint32_t{w[i + 7]} << 16) |
                                  (std::uint32_t{w[i + 8]} << 8) | w[i + 9];
                out.emplace_back(w[i + 4] * 256 + w[i + 5], static_cast<std::int32_t>(v));
                i += 10;
            }
        return out;
    }

    nimbo::VirtualClock clock;
    std::shared_ptr<nimbo::MemoryLine> line;
    std::unique_ptr<CComSer> port;
    CZemButtonCtrl ctrl;
};

// Whether the w x h area of a at (ax, ay) matches that of b at (bx, by).
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
