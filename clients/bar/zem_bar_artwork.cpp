// The bar's pictures, made in code: the segment column unlit and lit, the
// seven-segment digit strips, the labels and the caption panel.
#include "clients/bar/zem_bar_artwork.h"

#include "clients/common/client_artwork.h"
#include "clients/common/pixel_font.h"
#include "platform/pixel_paint.h"

#include <string>

using namespace nimbo::paint;

namespace {

const std::uint32_t kBlack = Opaque(0, 0, 0);
const std::uint32_t kWhite = Opaque(255, 255, 255);
const std::uint32_t kShadow = Opaque(128, 128, 128);

struct Hue {
    std::uint8_t r, g, b;
};
const Hue kGreen{0, 230, 0}, kRed{240, 0, 0}, kCyan{0, 230, 230}, kYellow{250, 240, 0};

std::uint32_t Lit(Hue h) { return Opaque(h.r, h.g, h.b); }
std::uint32_t Unlit(Hue h) { return Opaque(h.r / 4, h.g / 4, h.b / 4); }
std::uint32_t Ghost(Hue h) { return Opaque(h.r / 8, h.g / 8, h.b / 8); }

// ---- the column ----

constexpr int kColumnWidth = 24, kColumnHeight = 168;

// Yellow at the top, red in the middle, green at the bottom.
Hue ZoneAt(int y) { return y < 56 ? kYellow : (y < 112 ? kRed : kGreen); }

nimbo::Pixels Column(bool lit)
{
    nimbo::Pixels p = nimbo::MakePixels(kColumnWidth, kColumnHeight, kBlack);
    Bevel(p, 0, 0, kColumnWidth, kColumnHeight, kShadow, kWhite);
    Bevel(p, 1, 1, kColumnWidth - 2, kColumnHeight - 2, Opaque(64, 64, 64), Opaque(192, 192, 192));
    // Segments of three rows and a dark row between, counted from the bottom
    // so that the lowest segment sits on the frame.
    for (int y = kColumnHeight - 3; y >= 2; --y)
        if ((kColumnHeight - 3 - y) % 4 != 3)
            Fill(p, 4, y, kColumnWidth - 8, 1, lit ? Lit(ZoneAt(y)) : Unlit(ZoneAt(y)));
    return p;
}

// ---- seven segments ----

// Bits a to g: top, upper right, lower right, bottom, lower left, upper left, middle.
const unsigned char kSegments[] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
constexpr unsigned char kDashSegments = 0x40;

struct CellShape {
    int width, height, marginX, marginY, thickness;
};

// Unlit segments show faintly where the cell is large enough to tell them
// from lit ones.
void SevenSegments(nimbo::Pixels& p, int x, int y, const CellShape& s, unsigned char on, Hue h)
{
    const bool ghosts = s.thickness >= 3;
    const int l = x + s.marginX, r = x + s.width - s.marginX;
    const int t = y + s.marginY, b = y + s.height - s.marginY;
    const int k = s.thickness, m = (t + b) / 2;
    const int gap = k >= 3 ? 1 : 0;
    struct Bar {
        int x, y, w, h;
    };
    const Bar bars[7] = {
        {l + k + gap, t, r - l - 2 * k - 2 * gap, k},                    // a
        {r - k, t + k + gap, k, m - k / 2 - t - k - 2 * gap},            // b
        {r - k, m + k - k / 2 + gap, k, b - k - (m + k - k / 2) - 2 * gap},  // c
        {l + k + gap, b - k, r - l - 2 * k - 2 * gap, k},                // d
        {l, m + k - k / 2 + gap, k, b - k - (m + k - k / 2) - 2 * gap},      // e
        {l, t + k + gap, k, m - k / 2 - t - k - 2 * gap},                // f
        {l + k + gap, m - k / 2, r - l - 2 * k - 2 * gap, k},            // g
    };
    for (int i = 0; i < 7; ++i)
        if ((on >> i) & 1)
            Fill(p, bars[i].x, bars[i].y, bars[i].w, bars[i].h, Lit(h));
        else if (ghosts)
            Fill(p, bars[i].x, bars[i].y, bars[i].w, bars[i].h, Ghost(h));
}

nimbo::Pixels DigitStrip(const CellShape& s, Hue h, bool withDash)
{
    const int cells = withDash ? 12 : 11;
    nimbo::Pixels p = nimbo::MakePixels(cells * s.width, s.height, kBlack);
    for (int d = 0; d < 10; ++d)
        SevenSegments(p, d * s.width, 0, s, kSegments[d], h);
    if (withDash)
        SevenSegments(p, 10 * s.width, 0, s, kDashSegments, h);
    SevenSegments(p, (cells - 1) * s.width, 0, s, 0, h);
    return p;
}

// ---- labels ----

nimbo::Pixels Label(int height, const std::string& text, Hue h)
{
    nimbo::Pixels p = nimbo::MakePixels(60, height, kBlack);
    DrawPixelText(p, (60 - PixelTextWidth(text, 2)) / 2, (height - 14) / 2, text, Lit(h), 2);
    return p;
}

}  // namespace

nimbo::Pixels BarColumnEmpty() { return Column(false); }
nimbo::Pixels BarColumnFull() { return Column(true); }
nimbo::Pixels BarCaptionPanel() { return BevelledSquare(84, 24); }

nimbo::Pixels BarPercentDigits() { return DigitStrip(CellShape{30, 48, 5, 4, 4}, kGreen, true); }
nimbo::Pixels BarSmallDigits() { return DigitStrip(CellShape{12, 16, 2, 1, 2}, kRed, true); }
nimbo::Pixels BarLargeDigits() { return DigitStrip(CellShape{15, 20, 2, 2, 2}, kCyan, true); }

nimbo::Pixels BarPercentLabel() { return Label(16, "%", kGreen); }
nimbo::Pixels BarMinLabel() { return Label(16, "MIN", kRed); }
nimbo::Pixels BarMaxLabel() { return Label(16, "MAX", kRed); }
nimbo::Pixels BarValueLabel() { return Label(20, "Val", kCyan); }

nimbo::Pixels BarToolboxPicture()
{
    nimbo::Pixels p = nimbo::MakePixels(15, 16, Opaque(192, 192, 192));
    Fill(p, 4, 0, 7, 16, kBlack);
    for (int y = 1; y < 15; y += 2)
        Fill(p, 5, y, 5, 1, y < 7 ? Unlit(kGreen) : Lit(kGreen));
    return p;
}
