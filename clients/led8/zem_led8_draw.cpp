// The eight-LED control's normal look: the caption panel above, the lamp
// row below.
#include "clients/led8/zem_led8_ctrl.h"

namespace {
constexpr int kCaptionInset = 6;
}  // namespace

void CZemLed8Ctrl::DrawOnline(CDC* dc)
{
    DrawCaptionStrip(dc);
    DrawLeds(dc);
}

void CZemLed8Ctrl::DrawCaptionStrip(CDC* dc)
{
    BlitOrigin(dc, &captionPanel);
    RECT box{kCaptionInset, kCaptionInset, kLed8Width - kCaptionInset, kLed8CaptionHeight - kCaptionInset};
    CBrush fill(TranslateColor(GetBackColor()));
    dc->FillRect(&box, &fill);
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(TranslateColor(GetForeColor()));
    UINT alignment = Align == 0 ? DT_RIGHT : Align == 1 ? DT_CENTER : DT_LEFT;
    std::string caption = InternalGetText();
    dc->DrawText(caption.c_str(), -1, &box, alignment | DT_VCENTER | DT_SINGLELINE);
}

std::uint32_t CZemLed8Ctrl::FirstLampMask()
{
    if (Bit < 1 || Bit > 3)
        Bit = 0;
    return 1u << (8 * Bit);
}

void CZemLed8Ctrl::DrawLeds(CDC* dc)
{
    mask = FirstLampMask();
    // A persisted style the strip has no cell for shows empty lamps rather
    // than whatever lies beside the strip.
    bool known = Led >= 0 && Led < kLed8Styles;
    auto* blank = static_cast<CBrush*>(GetStockObject(LTGRAY_BRUSH));
    for (int i = 0; i < kLed8Lamps; ++i) {
        int x = i * kLed8LampWidth;
        if (known) {
            int row = BitSet() ? 0 : kLed8LampHeight;
            BlitPart(dc, x, kLed8CaptionHeight, kLed8LampWidth, kLed8LampHeight, &lampStrip, Led * kLed8LampWidth, row);
        } else {
            RECT cell{x, kLed8CaptionHeight, x + kLed8LampWidth, kLed8CaptionHeight + kLed8LampHeight};
            dc->FillRect(&cell, blank);
        }
        mask <<= 1;
    }
}
