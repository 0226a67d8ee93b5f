// The numeric display's normal look: the number in a sunken box, in the
// control's colours, and the caption in a grey strip below.
#include "clients/edit/edit_ctrl.h"

namespace {
// As InflateRect has it: a negative amount shrinks.
void Inflate(RECT* r, int by)
{
    r->left -= by;
    r->top -= by;
    r->right += by;
    r->bottom += by;
}
}  // namespace

void CZEMEDITCtrl::DrawOnline(CDC* dc)
{
    const COLORREF oldText = dc->SetTextColor(TranslateColor(GetForeColor()));
    const COLORREF oldBack = dc->SetBkColor(TranslateColor(GetBackColor()));

    RECT box = valueRect;
    Inflate(&box, kEditMargin);
    Draw3DFrame(dc, &box);
    RECT whole = controlRect;
    Draw3DFrame(dc, &whole);

    // The background mode is left as the DC has it: opaque by default, so
    // the character cells take the back colour.
    CFont* oldFont = dc->SelectObject(&valueFont);
    RECT number = valueRect;
    dc->DrawText(FormatValueText(), &number, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (oldFont)
        dc->SelectObject(oldFont);
    dc->SetTextColor(oldText);
    dc->SetBkColor(oldBack);

    RECT strip = controlRect;
    strip.top = valueRect.bottom;
    Inflate(&strip, -kEditMargin);
    dc->FillRect(&strip, static_cast<CBrush*>(GetStockObject(LTGRAY_BRUSH)));
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    dc->DrawText(InternalGetText(), &strip, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc->SetBkMode(oldMode);
}
