// The button's pictures, made in code: the strip of 12 styles (bit set in
// the upper row, bit clear in the lower), the caption panel and the clock.
#include "clients/button/zem_button_artwork.h"

#include "clients/common/client_artwork.h"
#include "clients/common/pixel_font.h"
#include "platform/pixel_paint.h"

#include <cmath>
#include <string>

using namespace nimbo::paint;

namespace {

constexpr int kW = 40, kH = 24;

struct Hue {
    std::uint8_t r, g, b;
};
const Hue kGreen{0, 220, 0}, kBlue{40, 80, 255}, kRed{235, 0, 0}, kMagenta{225, 0, 225};

std::uint32_t Bright(Hue h) { return Opaque(h.r, h.g, h.b); }
std::uint32_t Dim(Hue h) { return Opaque(h.r / 3, h.g / 3, h.b / 3); }

const std::uint32_t kFace = Opaque(192, 192, 192);
const std::uint32_t kWhite = Opaque(255, 255, 255);
const std::uint32_t kBlack = Opaque(0, 0, 0);
const std::uint32_t kShadow = Opaque(128, 128, 128);
const std::uint32_t kDarkShadow = Opaque(64, 64, 64);

// Legends are doubled one pixel to the right, so they read as bold.
void Legend(nimbo::Pixels& c, const std::string& text, std::uint32_t colour, int dx = 0, int dy = 0)
{
    int x = (kW - PixelTextWidth(text) - 1) / 2 + dx;
    DrawPixelText(c, x, 8 + dy, text, colour);
    DrawPixelText(c, x + 1, 8 + dy, text, colour);
}

// A two-pixel bevel: raised with light on top, sunken with it below.
void Key(nimbo::Pixels& c, int x, int y, int w, int h, bool raised)
{
    if (raised) {
        Bevel(c, x, y, w, h, kWhite, kBlack);
        Bevel(c, x + 1, y + 1, w - 2, h - 2, Opaque(224, 224, 224), kShadow);
    } else {
        Bevel(c, x, y, w, h, kBlack, kWhite);
        Bevel(c, x + 1, y + 1, w - 2, h - 2, kShadow, Opaque(224, 224, 224));
    }
}

void Coloured(nimbo::Pixels& c, Hue h, bool set)
{
    Fill(c, 2, 2, kW - 4, kH - 4, set ? Bright(h) : Dim(h));
    Key(c, 1, 1, kW - 2, kH - 2, set);
    Legend(c, set ? "ON" : "OFF", set ? kWhite : Opaque(200, 200, 200), set ? 0 : 1, set ? 0 : 1);
}
void GreenKey(nimbo::Pixels& c, bool set) { Coloured(c, kGreen, set); }
void BlueKey(nimbo::Pixels& c, bool set) { Coloured(c, kBlue, set); }
void RedKey(nimbo::Pixels& c, bool set) { Coloured(c, kRed, set); }
void MagentaKey(nimbo::Pixels& c, bool set) { Coloured(c, kMagenta, set); }

void GreyPanel(nimbo::Pixels& c, bool set)
{
    Fill(c, 2, 2, kW - 4, kH - 4, set ? Opaque(224, 224, 224) : Opaque(96, 96, 96));
    Key(c, 1, 1, kW - 2, kH - 2, set);
    Legend(c, set ? "ON" : "OFF", set ? Opaque(0, 160, 0) : Opaque(255, 40, 40));
}

void SlideSwitch(nimbo::Pixels& c, bool set)
{
    Fill(c, 3, 5, kW - 6, kH - 10, set ? Bright(kGreen) : Bright(kRed));
    Bevel(c, 2, 4, kW - 4, kH - 8, kDarkShadow, kWhite);
    int knob = set ? 4 : kW - 4 - 14;
    Fill(c, knob, 2, 14, kH - 4, kFace);
    Key(c, knob, 2, 14, kH - 4, true);
    for (int i = 0; i < 3; ++i)
        Fill(c, knob + 4 + 2 * i, 7, 1, kH - 14, kShadow);
}

void PlainKey(nimbo::Pixels& c, bool set)
{
    Key(c, 1, 1, kW - 2, kH - 2, set);
    // A pressed key sinks: its legend moves down and right.
    Legend(c, set ? "ON" : "OFF", kBlack, set ? 0 : 1, set ? 0 : 1);
}

void Diamond(nimbo::Pixels& c, bool set)
{
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            int d = std::abs(2 * x + 1 - kW) + std::abs(2 * y + 1 - kH);
            if (d <= 22)
                c.Set(x, y, d >= 19 ? (y < kH / 2 ? kWhite : kDarkShadow) : Opaque(212, 212, 212));
        }
    if (set) {
        Disc(c, kW, kH, 9, Opaque(0, 100, 0));
        Disc(c, kW, kH, 7, Bright(kGreen));
        Disc(c, kW - 2, kH - 2, 2, Opaque(200, 255, 200));
    }
}

void RoundedKey(nimbo::Pixels& c, bool set)
{
    const int x0 = 2, y0 = 2, x1 = kW - 3, y1 = kH - 3, r = 5;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            int cx = x < x0 + r ? x0 + r : (x > x1 - r ? x1 - r : x);
            int cy = y < y0 + r ? y0 + r : (y > y1 - r ? y1 - r : y);
            int d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
            if (d > r * r)
                continue;
            bool edge = d > (r - 1) * (r - 1) || x == x0 || x == x1 || y == y0 || y == y1;
            c.Set(x, y, edge ? kBlack : (set ? Opaque(235, 235, 235) : Opaque(150, 150, 150)));
        }
    Legend(c, set ? "ON" : "OFF", set ? Opaque(0, 140, 0) : Opaque(190, 0, 0));
}

void Dial(nimbo::Pixels& c, bool set)
{
    Disc(c, kW, kH, 22, kBlack);
    Disc(c, kW, kH, 20, kWhite);
    // The sector sweeps from twelve o'clock toward the side its state names.
    const double kPi = 3.14159265358979;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            double dx = x + 0.5 - kW / 2.0, dy = y + 0.5 - kH / 2.0;
            if (dx * dx + dy * dy > 8.5 * 8.5)
                continue;
            double a = std::atan2(dx, -dy);  // 0 at twelve o'clock, clockwise
            bool in = set ? (a >= 0 && a <= kPi / 2) : (a <= 0 && a >= -kPi / 2);
            if (in)
                c.Set(x, y, set ? Bright(kGreen) : Bright(kRed));
        }
    Line(c, kW / 2, kH / 2, set ? kW / 2 + 7 : kW / 2 - 7, kH / 2 - 7, kBlack);
}

void Bulb(nimbo::Pixels& c, bool set)
{
    std::uint32_t glass = set ? Opaque(255, 240, 60) : Opaque(210, 210, 200);
    if (set)
        for (int i = 0; i < 8; ++i) {
            double a = i * 3.14159265358979 / 4;
            int x0 = 20 + static_cast<int>(std::lround(9 * std::cos(a)));
            int y0 = 9 + static_cast<int>(std::lround(9 * std::sin(a)));
            int x1 = 20 + static_cast<int>(std::lround(11 * std::cos(a)));
            int y1 = 9 + static_cast<int>(std::lround(11 * std::sin(a)));
            if (y0 < 15)
                Line(c, x0, y0, x1, y1, Opaque(255, 200, 0));
        }
    Disc(c, 40, 18, 15, set ? Opaque(200, 150, 0) : kDarkShadow);
    Disc(c, 40, 18, 13, glass);
    if (set)
        Disc(c, 36, 14, 3, kWhite);
    Fill(c, 17, 16, 7, 6, Opaque(150, 150, 150));
    for (int y = 17; y < 22; y += 2)
        Fill(c, 17, y, 7, 1, kDarkShadow);
    Fill(c, 19, 22, 3, 1, kBlack);
}

void Flame(nimbo::Pixels& c, bool set)
{
    if (set) {
        // A drop point up: narrow at the tip, round at the base.
        for (int y = 1; y < 22; ++y) {
            double t = (y - 1) / 20.0;
            int half = static_cast<int>(std::lround(t < 0.6 ? 7 * t / 0.6 : 7 * std::sqrt(1 - (t - 0.6) / 0.45)));
            int inner = half * 3 / 5;
            Fill(c, 20 - half, y, 2 * half + 1, 1, Opaque(235, 80, 0));
            if (y > 8)
                Fill(c, 20 - inner, y, 2 * inner + 1, 1, Opaque(255, 220, 40));
        }
        Fill(c, 12, 22, 17, 1, kDarkShadow);
    } else {
        const int puffs[][3] = {{20, 18, 4}, {17, 12, 3}, {22, 7, 3}, {19, 3, 2}};
        for (const auto& p : puffs)
            Disc(c, 2 * p[0] + 1, 2 * p[1] + 1, 2 * p[2], Opaque(120, 120, 120));
        for (const auto& p : puffs)
            Disc(c, 2 * p[0], 2 * p[1], 2 * p[2] - 2, Opaque(160, 160, 160));
        Fill(c, 12, 22, 17, 1, kDarkShadow);
    }
}

using CellPainter = void (*)(nimbo::Pixels&, bool set);

}  // namespace

nimbo::Pixels ButtonStrip()
{
    const CellPainter cells[] = {GreenKey,   BlueKey, RedKey,     MagentaKey, GreyPanel, SlideSwitch,
                                 PlainKey,   Diamond, RoundedKey, Dial,       Bulb,      Flame};
    nimbo::Pixels strip = nimbo::MakePixels(12 * kW, 2 * kH, kFace);
    for (int cell = 0; cell < 12; ++cell)
        for (int row = 0; row < 2; ++row) {
            nimbo::Pixels c = nimbo::MakePixels(kW, kH, kFace);
            cells[cell](c, row == 0);
            for (int y = 0; y < kH; ++y)
                for (int x = 0; x < kW; ++x)
                    strip.Set(cell * kW + x, row * kH + y, c.At(x, y));
        }
    return strip;
}

nimbo::Pixels ButtonCaptionPanel() { return BevelledSquare(128, 24); }

nimbo::Pixels ButtonPendingClock()
{
    nimbo::Pixels p = BevelledSquare(kW, kH);
    Disc(p, kW, kH, 21, kBlack);
    Disc(p, kW, kH, 19, kWhite);
    for (int i = 0; i < 12; ++i) {
        double a = i * 3.14159265358979 / 6;
        int x = static_cast<int>(std::floor(kW / 2.0 + 8 * std::sin(a)));
        int y = static_cast<int>(std::floor(kH / 2.0 - 8 * std::cos(a)));
        p.Set(x, y, i % 3 == 0 ? kBlack : kShadow);
    }
    Line(p, 20, 12, 20, 5, kBlack);
    Line(p, 20, 12, 24, 12, kBlack);
    p.Set(20, 12, Bright(kRed));
    return p;
}

nimbo::Pixels ButtonToolboxPicture()
{
    nimbo::Pixels p = nimbo::MakePixels(16, 15, kFace);
    Fill(p, 1, 2, 14, 11, Bright(kGreen));
    Bevel(p, 0, 1, 16, 13, kWhite, kBlack);
    Fill(p, 5, 5, 6, 5, kWhite);
    return p;
}
