// The items a dialog draws itself: group frames, icons and colour swatches.
#include "platform/dialogs/dlg_widgets_qt.h"
#include "platform/window/win_table_qt.h"

namespace nimbo::dlg {

void NotifyParent(HWND window, UINT id, WORD code)
{
    if (HWND parent = GetParent(window))
        SendMessageA(parent, WM_COMMAND, MAKEWPARAM(static_cast<int>(id), code), static_cast<LPARAM>(window));
}

bool GroupBoxWnd::Create(HWND parent, const RECT& rect, const std::string& text, CFont* font)
{
    font_ = font;
    if (!CreateWindowed(parent, rect, text))
        return false;
    // Templates list frames before or after what they frame; either way
    // the frame must not hide its contents nor take their clicks.
    if (QWidget* widget = win::WidgetOf(m_hWnd)) {
        widget->lower();
        widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    return true;
}

LRESULT GroupBoxWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SETTEXT) {
        const LRESULT done = DefWindowProc(message, wParam, lParam);
        InvalidateRect(m_hWnd, nullptr, TRUE);
        return done;
    }
    if (message != WM_PAINT)
        return DefWindowProc(message, wParam, lParam);
    auto* dc = reinterpret_cast<CDC*>(wParam);
    RECT client;
    if (!dc || !GetClientRect(m_hWnd, &client))
        return 0;
    char text[256];
    GetWindowTextA(m_hWnd, text, sizeof text);
    CFont* old = font_ ? dc->SelectObject(font_) : nullptr;
    const SIZE extent = text[0] ? dc->GetTextExtent(text, -1) : SIZE{0, 0};
    const int top = extent.cy / 2;
    const int width = client.right, height = client.bottom - top;
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
    // Etched as Windows etches: a sunken line with a raised one inside.
    dc->Draw3dRect(0, top, width, height, shadow, light);
    dc->Draw3dRect(1, top + 1, width - 2, height - 2, light, shadow);
    if (text[0]) {
        dc->FillSolidRect(6, 0, extent.cx + 4, extent.cy, GetSysColor(COLOR_BTNFACE));
        dc->SetBkMode(TRANSPARENT);
        dc->SetTextColor(GetSysColor(COLOR_BTNTEXT));
        dc->TextOut(8, 0, text, -1);
    }
    if (old)
        dc->SelectObject(old);
    return 0;
}

bool IconWnd::Create(HWND parent, const RECT& rect, HICON icon)
{
    icon_ = icon;
    return CreateWindowed(parent, rect);
}

LRESULT IconWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        if (auto* dc = reinterpret_cast<CDC*>(wParam); dc && icon_)
            dc->DrawIcon(0, 0, icon_);
        return 0;
    }
    return DefWindowProc(message, wParam, lParam);
}

bool SwatchWnd::Create(HWND parent, const RECT& rect)
{
    return CreateWindowed(parent, rect);
}

void SwatchWnd::SetColor(COLORREF color)
{
    color_ = color;
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

LRESULT SwatchWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        auto* dc = reinterpret_cast<CDC*>(wParam);
        RECT client;
        if (dc && GetClientRect(m_hWnd, &client)) {
            dc->FillSolidRect(&client, RGB(0, 0, 0));
            dc->FillSolidRect(1, 1, client.right - 2, client.bottom - 2, color_);
        }
        return 0;
    }
    return DefWindowProc(message, wParam, lParam);
}

}  // namespace nimbo::dlg
