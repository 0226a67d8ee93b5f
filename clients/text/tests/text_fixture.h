// A two-caption text control in a top-level window of its own, fed by a
// real port object, and ways to look at what it draws.
#pragma once

#include "clients/text/zem_text_ctrl.h"
#include "platform/test_support.h"
#include "link/com_ser.h"
#include "platform/wingdi.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace texttest {

constexpr std::uint32_t kGrey = 0xFFC0C0C0u;
constexpr std::uint32_t kInk = 0xFFFF0000u;

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

// The first and last column holding ink; (1000, -1) when there is none.
inline std::pair<int, int> InkColumns(const nimbo::Pixels& p)
{
    int first = 1000, last = -1;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            if (p.At(x, y) == kInk) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

// A control drawn as the container would, on a background it never uses.
inline nimbo::Pixels Render(CZemTextCtrl& c)
{
    auto dc = nimbo::CreateImageDC(kTextWidth, kTextHeight, RGB(1, 2, 3));
    RECT bounds{0, 0, kTextWidth, kTextHeight};
    c.OnDraw(dc.get(), bounds, bounds);
    return nimbo::DCPixels(dc.get());
}

}  // namespace texttest

class TextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        port = std::make_unique<CComSer>();
        ctrl = std::make_unique<CZemTextCtrl>();
        ctrl->ResetProperties();
        ctrl->SetForeColor(RGB(255, 0, 0));
        ASSERT_TRUE(ctrl->CreateControlWindow(0, 0, 0));
        ctrl->SetModifiedFlag(FALSE);
        nimbo::TakeInvalidations(ctrl->m_hWnd);
    }

    LRESULT Feed(int plc, int reg, std::int32_t v)
    {
        port->registers[reg] = v;
        return SendMessageA(ctrl->m_hWnd, WM_PLC_DATA, plc, reinterpret_cast<LPARAM>(port.get()));
    }
    void Bind(int plc, int reg, int bit)
    {
        ctrl->SetPlc(plc);
        ctrl->SetReg(reg);
        ctrl->SetBit(bit);
        ctrl->SetModifiedFlag(FALSE);
        nimbo::TakeInvalidations(ctrl->m_hWnd);
    }
    nimbo::Pixels Render() { return texttest::Render(*ctrl); }
    // What a control showing text, aligned as this one, looks like.
    nimbo::Pixels Showing(const std::string& text)
    {
        CZemTextCtrl reference;
        reference.ResetProperties();
        reference.SetForeColor(ctrl->GetForeColor());
        reference.Align = ctrl->Align;
        reference.SetCaptionOn(text.c_str());
        return texttest::Render(reference);
    }
    std::vector<RECT> Invalidated() { return nimbo::TakeInvalidations(ctrl->m_hWnd); }

    std::unique_ptr<CComSer> port;
    std::unique_ptr<CZemTextCtrl> ctrl;
};

inline bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline std::ostream& operator<<(std::ostream& os, const RECT& r)
{
    return os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
