// The LED's normal look: lamp and caption box, in the order Align asks.
#include "clients/led/led_ctrl.h"

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
    BlitStyleCell(dc, *at, &lampStrip, Led, kLedStyles, kLampWidth, kLampHeight, BitSet());
    at->x += kLampWidth;
    valueRect.right = at->x;
}

void CLedCtrl::DrawCaption(CDC* dc, POINT* at)
{
    DrawCaptionBox(dc, *at, &captionBackground, kCaptionWidth, kLampHeight);
    at->x += kCaptionWidth;
}
