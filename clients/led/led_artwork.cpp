// The LED's pictures, made in code: the strip of 32 lamp styles (lit in the
// upper row, unlit in the lower) and the caption panel.
#include "clients/led/led_artwork.h"

#include "clients/common/client_artwork.h"
#include "clients/common/pixel_font.h"
#include "platform/pixel_paint.h"

using namespace nimbo::paint;

namespace {

struct Hue {
    std::uint8_t r, g, b;
};
const Hue kGreen{0, 230, 0}, kRed{240, 0, 0}, kMagenta{230, 0, 230}, kBlue{40, 80, 255}, kWhite{255, 255, 255};

std::uint32_t Lit(Hue h) { return Opaque(h.r, h.g, h.b); }
std::uint32_t Dark(Hue h) { return Opaque(h.r / 4, h.g / 4, h.b / 4); }
std::uint32_t Highlight(Hue h) { return Opaque(255 - (255 - h.r) / 3, 255 - (255 - h.g) / 3, 255 - (255 - h.b) / 3); }

const std::uint32_t kFace = Opaque(192, 192, 192);
const std::uint32_t kBlack = Opaque(0, 0, 0);

// One 28 x 24 cell drawn into its own picture, then copied into the strip.
using CellPainter = void (*)(nimbo::Pixels&, Hue, bool lit);

void SmallRound(nimbo::Pixels& c, Hue h, bool lit)
{
    Disc(c, 28, 24, 16, Opaque(128, 128, 128));
    Disc(c, 28, 24, 14, Opaque(255, 255, 255));
    Disc(c, 29, 25, 13, Opaque(64, 64, 64));
    Disc(c, 28, 24, 11, lit ? Lit(h) : Dark(h));
    if (lit)
        Disc(c, 24, 20, 3, Highlight(h));
}

void Square(nimbo::Pixels& c, Hue h, bool lit)
{
    Bevel(c, 7, 5, 14, 14, Opaque(255, 255, 255), Opaque(64, 64, 64));
    Fill(c, 8, 6, 12, 12, lit ? Lit(h) : Dark(h));
}

void Legend(nimbo::Pixels& c, Hue h, bool lit)
{
    Fill(c, 2, 4, 24, 16, lit ? Lit(h) : Dark(h));
    Frame(c, 2, 4, 24, 16, kBlack);
    std::string text = lit ? "ON" : "OFF";
    DrawPixelText(c, 14 - PixelTextWidth(text) / 2, 9, text, lit ? kBlack : Opaque(255, 255, 255));
}

void Digit(nimbo::Pixels& c, Hue h, bool lit)
{
    Fill(c, 4, 2, 20, 20, kBlack);
    std::string text = lit ? "1" : "0";
    DrawPixelText(c, 14 - PixelTextWidth(text, 2) / 2, 5, text, lit ? Lit(h) : Dark(h), 2);
}

void LargeRound(nimbo::Pixels& c, Hue h, bool lit)
{
    Disc(c, 28, 24, 22, kBlack);
    Disc(c, 28, 24, 20, lit ? Lit(h) : Dark(h));
    if (lit) {
        Disc(c, 22, 18, 6, Highlight(h));
        Disc(c, 21, 17, 3, Opaque(255, 255, 255));
    }
}

void Oval(nimbo::Pixels& c, Hue h, bool lit)
{
    for (int y = 1; y < 23; ++y)
        for (int x = 1; x < 27; ++x)
            c.Set(x, y, (x + y) % 3 == 0 ? Opaque(128, 128, 128) : kFace);
    Bevel(c, 1, 1, 26, 22, Opaque(64, 64, 64), Opaque(255, 255, 255));
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 28; ++x) {
            int dx = 2 * x + 1 - 28, dy = 2 * y + 1 - 24;
            if (dx * dx * 100 / (18 * 18) + dy * dy * 100 / (12 * 12) <= 100)
                c.Set(x, y, lit ? Lit(h) : Dark(h));
        }
}

void Triangle(nimbo::Pixels& c, Hue h, bool lit, bool right)
{
    for (int i = 0; i < 16; ++i) {
        int half = right ? (16 - i) / 2 : i / 2;
        Fill(c, 6 + i, 12 - half, 1, 2 * half + 1, lit ? Lit(h) : Dark(h));
    }
}
void TriangleRight(nimbo::Pixels& c, Hue h, bool lit) { Triangle(c, h, lit, true); }
void TriangleLeft(nimbo::Pixels& c, Hue h, bool lit) { Triangle(c, h, lit, false); }

void SmallRed(nimbo::Pixels& c, Hue, bool lit)
{
    Disc(c, 28, 24, 10, kBlack);
    Disc(c, 28, 24, 8, lit ? Lit(kRed) : Dark(kRed));
    if (lit)
        Disc(c, 26, 22, 2, Opaque(255, 200, 200));
}

struct StyleRun {
    CellPainter paint;
    std::vector<Hue> hues;
};

}  // namespace

nimbo::Pixels LedLampStrip()
{
    const StyleRun runs[] = {
        {SmallRound, {kGreen, kRed, kMagenta, kBlue}},
        {Square, {kGreen, kRed, kMagenta, kBlue}},
        {Legend, {kGreen, kRed, kMagenta, kBlue}},
        {Digit, {kWhite, kGreen, kRed, kMagenta, kBlue}},
        {LargeRound, {kGreen, kRed, kMagenta, kBlue}},
        {Oval, {kGreen, kRed, kMagenta, kBlue}},
        {TriangleRight, {kGreen, kRed, kBlue}},
        {TriangleLeft, {kGreen, kRed, kBlue}},
        {SmallRed, {kRed}},
    };
    nimbo::Pixels strip = nimbo::MakePixels(32 * 28, 48, kFace);
    int cell = 0;
    for (const StyleRun& run : runs)
        for (Hue h : run.hues) {
            for (int row = 0; row < 2; ++row) {
                nimbo::Pixels c = nimbo::MakePixels(28, 24, kFace);
                run.paint(c, h, row == 0);
                for (int y = 0; y < 24; ++y)
                    for (int x = 0; x < 28; ++x)
                        strip.Set(cell * 28 + x, row * 24 + y, c.At(x, y));
            }
            ++cell;
        }
    return strip;
}

nimbo::Pixels LedCaptionPanel() { return BevelledSquare(140, 24); }
