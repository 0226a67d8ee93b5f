// Small drawing steps on plain pixels, for artwork made in code: every
// picture of the kit can be made again from its source.
#pragma once

#include "platform/pixels.h"

#include <cstdint>

namespace nimbo::paint {

constexpr std::uint32_t Opaque(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return 0xFF000000u | (std::uint32_t{r} << 16) | (std::uint32_t{g} << 8) | b;
}

inline void Fill(Pixels& p, int x, int y, int w, int h, std::uint32_t c)
{
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            p.Set(i, j, c);
}

inline void Frame(Pixels& p, int x, int y, int w, int h, std::uint32_t c)
{
    Fill(p, x, y, w, 1, c);
    Fill(p, x, y + h - 1, w, 1, c);
    Fill(p, x, y, 1, h, c);
    Fill(p, x + w - 1, y, 1, h, c);
}

// A raised (or sunken) bevel one pixel wide around the rectangle.
inline void Bevel(Pixels& p, int x, int y, int w, int h, std::uint32_t light, std::uint32_t dark)
{
    Fill(p, x, y, w, 1, light);
    Fill(p, x, y, 1, h, light);
    Fill(p, x, y + h - 1, w, 1, dark);
    Fill(p, x + w - 1, y, 1, h, dark);
}

// A disc centred at (cx, cy) given in half pixels, so that even sizes centre exactly.
inline void Disc(Pixels& p, int cx2, int cy2, int radius2, std::uint32_t c)
{
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            int dx = 2 * x + 1 - cx2, dy = 2 * y + 1 - cy2;
            if (dx * dx + dy * dy <= radius2 * radius2)
                p.Set(x, y, c);
        }
}

inline void Ring(Pixels& p, int cx2, int cy2, int outer2, int inner2, std::uint32_t c)
{
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            int dx = 2 * x + 1 - cx2, dy = 2 * y + 1 - cy2;
            int d = dx * dx + dy * dy;
            if (d <= outer2 * outer2 && d > inner2 * inner2)
                p.Set(x, y, c);
        }
}

inline void Line(Pixels& p, int x0, int y0, int x1, int y1, std::uint32_t c)
{
    int dx = x1 > x0 ? x1 - x0 : x0 - x1, sx = x0 < x1 ? 1 : -1;
    int dy = y1 > y0 ? y0 - y1 : y1 - y0, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        p.Set(x0, y0, c);
        if (x0 == x1 && y0 == y1)
            break;
        int e2 = 2 * err;
        if (e2 >= dy) { err += dy; x0 += sx; }
        if (e2 <= dx) { err += dx; y0 += sy; }
    }
}

}  // namespace nimbo::paint
