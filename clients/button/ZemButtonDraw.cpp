// The button's normal look: picture (or the clock while a write is pending)
// and caption box, in the order Align asks.
#include "clients/button/ZemButtonCtrl.h"

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
        int row = BitSet() ? 0 : kButtonHeight;
        // A style outside the strip shows an empty cell rather than a copy
        // from outside the picture.
        if (Button >= 0 && Button < kButtonStyles) {
            BlitPart(dc, at->x, at->y, kButtonWidth, kButtonHeight, &buttonStrip, Button * kButtonWidth, row);
        } else if (dc != nullptr) {
            RECT blank{at->x, at->y, at->x + kButtonWidth, at->y + kButtonHeight};
            dc->FillRect(&blank, static_cast<CBrush*>(GetStockObject(LTGRAY_BRUSH)));
        }
    }
    at->x += kButtonWidth;
    valueRect.right = at->x;
}

void CZemButtonCtrl::DrawCaption(CDC* dc, POINT* at)
{
    BlitAt(dc, at->x, at->y, &captionBackground);
    RECT box{at->x + 6, at->y + 6, at->x + kButtonCaptionWidth - 6, at->y + kButtonHeight - 6};
    CBrush fill(TranslateColor(GetBackColor()));
    dc->FillRect(&box, &fill);
    dc->FrameRect(&box, static_cast<CBrush*>(GetStockObject(BLACK_BRUSH)));
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(TranslateColor(GetForeColor()));
    UINT alignment = Align == 0 ? DT_RIGHT : DT_LEFT;
    std::string caption = InternalGetText();
    dc->DrawText(caption.c_str(), -1, &box, alignment | DT_VCENTER | DT_SINGLELINE);
    at->x += kButtonCaptionWidth;
}
