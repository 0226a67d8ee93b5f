// The button's normal look: picture (or the clock while a write is pending)
// and caption box, in the order Align asks.
#include "clients/button/zem_button_ctrl.h"

void CZemButtonCtrl::DrawOnline(CDC* dc)
{
    POINT at{0, 0};
    if (Align == 0) {
        DrawButton(dc, &at);
        DrawCaption(dc, &at);
    } else {
        DrawCaption(dc, &at);
        DrawButton(dc, &at);
    }
}

void CZemButtonCtrl::DrawButton(CDC* dc, POINT* at)
{
    // The clock stands where the picture stands, so the left edge follows
    // the position in both cases: a stale edge would repaint the wrong area
    // once Align changed during a pending write.
    valueRect.left = at->x;
    if (writePending) {
        BlitAt(dc, at->x, at->y, &pendingBitmap);
    } else {
        UpdateMask();
        BlitStyleCell(dc, *at, &buttonStrip, Button, kButtonStyles, kButtonWidth, kButtonHeight, BitSet());
    }
    at->x += kButtonWidth;
    valueRect.right = at->x;
}

void CZemButtonCtrl::DrawCaption(CDC* dc, POINT* at)
{
    DrawCaptionBox(dc, *at, &captionBackground, kButtonCaptionWidth, kButtonHeight);
    at->x += kButtonCaptionWidth;
}
