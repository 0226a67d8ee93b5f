// The LED's normal look: lamp and caption box, in the order Align asks.
#include "clients/led/LedCtrl.h"

void CLedCtrl::DrawOnline(CDC* dc)
{
    POINT at{0, 0};
    if (Align == 0) {
        DrawLamp(dc, &at);
        DrawCaption(dc, &at);
    } else {
        DrawCaption(dc, &at);
        DrawLamp(dc, &at);
    }
}

void CLedCtrl::DrawLamp(CDC* dc, POINT* at)
{
    valueRect.left = at->x;
    UpdateMask();
    int row = BitSet() ? 0 : kLampHeight;
    // A style outside the strip shows an empty cell rather than a copy from
    // outside the picture.
    if (Led >= 0 && Led < kLedStyles) {
        BlitPart(dc, at->x, at->y, kLampWidth, kLampHeight, &lampStrip, Led * kLampWidth, row);
    } else {
        RECT blank{at->x, at->y, at->x + kLampWidth, at->y + kLampHeight};
        dc->FillRect(&blank, static_cast<CBrush*>(GetStockObject(LTGRAY_BRUSH)));
    }
    at->x += kLampWidth;
    valueRect.right = at->x;
}

void CLedCtrl::DrawCaption(CDC* dc, POINT* at)
{
    BlitAt(dc, at->x, at->y, &captionBackground);
    RECT box{at->x + 6, at->y + 6, at->x + kCaptionWidth - 6, at->y + kLampHeight - 6};
    CBrush fill(TranslateColor(GetBackColor()));
    dc->FillRect(&box, &fill);
    dc->FrameRect(&box, static_cast<CBrush*>(GetStockObject(BLACK_BRUSH)));
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(TranslateColor(GetForeColor()));
    UINT alignment = Align == 0 ? DT_RIGHT : DT_LEFT;
    std::string caption = InternalGetText();
    dc->DrawText(caption.c_str(), -1, &box, alignment | DT_VCENTER | DT_SINGLELINE);
    at->x += kCaptionWidth;
}
