// A numeric display driven in-process, in a container window of its own,
// with a port object to feed it registers.
#pragma once

#include "clients/edit/edit_ctrl.h"
#include "platform/test_support.h"
#include "platform/wingdi.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

inline bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline std::string RectText(const RECT& r)
{
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) + ", " +
           std::to_string(r.bottom) + ")";
}

class EditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ctrl = std::make_unique<CZEMEDITCtrl>();
        ctrl->ResetProperties();
        port = std::make_unique<CComSer>();
    }
    void TearDown() override
    {
        ctrl.reset();
        container.DestroyWindow();
    }

    // Creates the control's window at (10, 20) of a container window, and
    // forgets what creation invalidated.
    void Show()
    {
        ASSERT_TRUE(container.CreateWindowed(0, RECT{0, 0, 400, 300}, "container"));
        ASSERT_TRUE(ctrl->CreateControlWindow(container.m_hWnd, 10, 20));
        nimbo::TakeInvalidations(ctrl->m_hWnd);
    }
    LRESULT Feed(int plc, int reg, std::int32_t v)
    {
        port->registers[reg] = v;
        return SendMessageA(ctrl->m_hWnd, WM_PLC_DATA, static_cast<WPARAM>(plc), reinterpret_cast<LPARAM>(port.get()));
    }
    HRESULT Put(DISPID id, const Variant& v) { return ctrl->PutProperty(id, {}, v); }
    Variant Get(DISPID id)
    {
        Variant v;
        EXPECT_EQ(ctrl->GetProperty(id, {}, &v), S_OK) << id;
        return v;
    }
    SIZE Extent() const
    {
        SIZE s{};
        int cx = 0, cy = 0;
        ctrl->GetControlSize(&cx, &cy);
        s.cx = cx;
        s.cy = cy;
        return s;
    }
    // The control's window rectangle in the container's coordinates.
    RECT Placement() const
    {
        RECT r{};
        GetWindowRect(ctrl->m_hWnd, &r);
        POINT a{r.left, r.top}, b{r.right, r.bottom};
        ScreenToClient(container.m_hWnd, &a);
        ScreenToClient(container.m_hWnd, &b);
        return RECT{a.x, a.y, b.x, b.y};
    }
    // Width and height of a text in the control's value font.
    SIZE Measure(const std::string& text) const
    {
        auto dc = nimbo::CreateImageDC(1, 1, 0);
        dc->SelectObject(&ctrl->valueFont);
        return dc->GetTextExtent(text);
    }
    LOGFONTA Font() const
    {
        LOGFONTA log{};
        ctrl->valueFont.GetLogFont(&log);
        return log;
    }
    // What OnDraw puts on a picture of the control's size.
    nimbo::Pixels Draw(COLORREF ground = RGB(255, 0, 255))
    {
        const RECT& r = ctrl->controlRect;
        auto dc = nimbo::CreateImageDC(r.right, r.bottom, ground);
        ctrl->OnDraw(dc.get(), r, r);
        return nimbo::DCPixels(dc.get());
    }

    std::unique_ptr<CZEMEDITCtrl> ctrl;
    std::unique_ptr<CComSer> port;
    CWnd container;
};
