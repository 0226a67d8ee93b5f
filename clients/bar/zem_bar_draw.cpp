// The bar's normal look: the bar, the caption box and the readout beside
// the bar.
#include "clients/bar/zem_bar_ctrl.h"

#include <algorithm>
#include <cstdlib>

namespace {

// 64 bits: a register times 168 does not fit in 32.
std::int64_t Span(std::int32_t min, std::int32_t max)
{
    return std::llabs(static_cast<std::int64_t>(max) - min);
}

}  // namespace

// The value itself, not its distance from Min, is measured against the span.
int CZemBarCtrl::LitRows() const
{
    std::int64_t span = Span(Min, Max);
    if (span == 0)
        return 0;
    std::int64_t rows = static_cast<std::int64_t>(value) * kBarHeight / span;
    return static_cast<int>(std::clamp<std::int64_t>(rows, 0, kBarHeight));
}

int CZemBarCtrl::Percentage() const
{
    std::int64_t span = Span(Min, Max);
    if (span == 0 || value < 0)
        return -1;
    std::int64_t p = static_cast<std::int64_t>(value) * 99 / span;
    return p > 99 ? -1 : static_cast<int>(p);
}

void CZemBarCtrl::DrawOnline(CDC* dc)
{
    POINT at{0, 0};
    DrawBar(dc, &at);
    DrawCaption(dc, &at);
    DrawReadout(dc, &at);
}

void CZemBarCtrl::DrawBar(CDC* dc, POINT* at)
{
    int lit = LitRows();
    if (lit != 0) {
        at->y = kBarHeight - lit;
        BlitPart(dc, at->x, at->y, kBarWidth, lit, &fullBar, 0, kBarHeight - lit);
    }
    if (kBarHeight - lit != 0) {
        at->y = 0;
        BlitPart(dc, at->x, at->y, kBarWidth, kBarHeight - lit, &emptyBar, 0, 0);
    }
    at->y = kBarHeight;
}

void CZemBarCtrl::DrawCaption(CDC* dc, POINT* at)
{
    BlitAt(dc, at->x, at->y, &captionBackground);
    RECT box{at->x + 6, at->y + 6, at->x + kBarControlWidth - 6, at->y + kBarCaptionHeight - 6};
    CBrush fill(TranslateColor(GetBackColor()));
    dc->FillRect(&box, &fill);
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(TranslateColor(GetForeColor()));
    // Align 2 only comes from a stored form; anything else shows no text.
    UINT alignment;
    switch (Align) {
    case 0: alignment = DT_RIGHT; break;
    case 1: alignment = DT_CENTER; break;
    case 2: alignment = DT_LEFT; break;
    default: return;
    }
    std::string caption = InternalGetText();
    dc->DrawText(caption.c_str(), -1, &box, alignment | DT_VCENTER | DT_SINGLELINE);
}

void CZemBarCtrl::DrawReadout(CDC* dc, POINT* at)
{
    int p = Percentage();
    int tens = p < 0 ? kPercentDash : (p / 10 == 0 ? kPercentBlank : p / 10);
    int units = p < 0 ? kPercentDash : p % 10;
    BlitPart(dc, kReadoutX, 0, kPercentDigitWidth, kPercentDigitHeight, &percentDigits, tens * kPercentDigitWidth, 0);
    BlitPart(dc, kReadoutX + kPercentDigitWidth, 0, kPercentDigitWidth, kPercentDigitHeight, &percentDigits,
             units * kPercentDigitWidth, 0);
    BlitAt(dc, kReadoutX, 48, &percentLabel);
    *at = POINT{kReadoutX, 64};
    DrawNumber(Max, dc, at, false);
    BlitAt(dc, kReadoutX, 80, &maxLabel);
    *at = POINT{kReadoutX, 96};
    DrawNumber(value, dc, at, true);
    BlitAt(dc, kReadoutX, 116, &valueLabel);
    *at = POINT{kReadoutX, 136};
    DrawNumber(Min, dc, at, false);
    BlitAt(dc, kReadoutX, 152, &minLabel);
}

void CZemBarCtrl::DrawNumber(std::int32_t n, CDC* dc, POINT* at, bool large)
{
    const int cells = large ? 4 : 5;
    const int width = large ? kLargeDigitWidth : kSmallDigitWidth;
    const int height = large ? kLargeDigitHeight : kSmallDigitHeight;
    CBitmap* digits = large ? &largeDigits : &smallDigits;
    // The cells have no minus sign and no room for more digits. A number
    // that does not fit shows as dashes, as the percentage does: the
    // nearest number that fits would read as a true one.
    if (n < 0 || n > (large ? 9999 : 99999)) {
        for (int cell = 0; cell < cells; ++cell) {
            BlitPart(dc, at->x, at->y, width, height, digits, kDigitDash * width, 0);
            at->x += width;
        }
        return;
    }
    std::int32_t divisor = large ? 1000 : 10000;
    bool leading = true;
    for (int cell = 0; cell < cells - 1; ++cell) {
        int digit = n / divisor;
        n %= divisor;
        divisor /= 10;
        if (digit != 0)
            leading = false;
        BlitPart(dc, at->x, at->y, width, height, digits, (leading ? kDigitBlank : digit) * width, 0);
        at->x += width;
    }
    BlitPart(dc, at->x, at->y, width, height, digits, n * width, 0);
    at->x += width;
}
