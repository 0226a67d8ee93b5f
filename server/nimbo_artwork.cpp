// The server's pictures, made in code. The face is a cloud (the kit's
// name) over a ring of eight lamps; the animation lights one lamp after the
// other, and the fresh-data face lights them all green.
#include "server/nimbo_resources.h"

#include "platform/pixel_paint.h"

#include <cmath>

namespace {

using namespace nimbo::paint;

constexpr std::uint32_t kClear = 0x00000000u;
const std::uint32_t kCloud = Opaque(236, 240, 248);
const std::uint32_t kCloudEdge = Opaque(96, 112, 144);
const std::uint32_t kLampOff = Opaque(64, 80, 64);
const std::uint32_t kLampOn = Opaque(255, 216, 0);
const std::uint32_t kLampFresh = Opaque(0, 224, 64);

void Cloud(nimbo::Pixels& p)
{
    Disc(p, 24, 22, 15, kCloudEdge);
    Disc(p, 40, 18, 18, kCloudEdge);
    Fill(p, 6, 18, 22, 6, kCloudEdge);
    Disc(p, 24, 22, 13, kCloud);
    Disc(p, 40, 18, 16, kCloud);
    Fill(p, 7, 18, 20, 5, kCloud);
}

// lit: the lamp that is on (0..7), -1 none, 8 all fresh.
nimbo::Pixels Face(int lit)
{
    nimbo::Pixels p = nimbo::MakePixels(32, 32, kClear);
    Cloud(p);
    // The ring hangs from the cloud's lower half and keeps every lamp inside
    // the icon, a pixel short of its bottom edge. Lamp centres fall on pixel
    // corners, so that the eight lamps have one shape.
    for (int i = 0; i < 8; ++i) {
        double a = i * 3.14159265358979 / 4.0;
        int cx2 = 2 * (16 + static_cast<int>(std::lround(10 * std::sin(a))));
        int cy2 = 2 * (20 - static_cast<int>(std::lround(9 * std::cos(a))));
        std::uint32_t c = lit == 8 ? kLampFresh : i == lit ? kLampOn : kLampOff;
        Disc(p, cx2, cy2, 5, Opaque(16, 16, 16));
        Disc(p, cx2, cy2, 3, c);
    }
    return p;
}

nimbo::Pixels Badge()
{
    nimbo::Pixels p = nimbo::MakePixels(32, 32, kClear);
    Fill(p, 2, 2, 28, 28, Opaque(0, 64, 128));
    Bevel(p, 2, 2, 28, 28, Opaque(128, 176, 224), Opaque(0, 24, 64));
    // A "Z" in white.
    Fill(p, 9, 9, 14, 2, Opaque(255, 255, 255));
    Fill(p, 9, 21, 14, 2, Opaque(255, 255, 255));
    for (int i = 0; i < 10; ++i)
        Fill(p, 20 - i, 11 + i, 2, 1, Opaque(255, 255, 255));
    return p;
}

nimbo::Pixels Toolbox()
{
    nimbo::Pixels p = nimbo::MakePixels(16, 15, Opaque(192, 192, 192));
    Disc(p, 12, 12, 8, kCloudEdge);
    Disc(p, 20, 10, 9, kCloudEdge);
    Disc(p, 12, 12, 6, kCloud);
    Disc(p, 20, 10, 7, kCloud);
    for (int i = 0; i < 4; ++i)
        Fill(p, 2 + 4 * i, 11, 2, 2, i == 1 ? kLampOn : kLampOff);
    return p;
}

}  // namespace

HINSTANCE NimboResources()
{
    static HINSTANCE module = [] {
        HINSTANCE m = nimbo::RegisterResourceModule("nimbo");
        nimbo::AddStringResource(m, IDS_NIMBO, "Zem Nimbo V1.00");
        nimbo::AddStringResource(m, IDS_NIMBO_PPG, "Zem Nimbo V1.00-Property Page");
        nimbo::AddIconResource(m, IDI_ABOUTDLL, [] { return Face(8); });
        nimbo::AddIconResource(m, IDI_ABOUT_RIGHT, Badge);
        nimbo::AddBitmapResource(m, IDB_NIMBO, Toolbox);
        // Animation frames 0..7 are icons 201 and 203..209.
        const UINT frames[8] = {201, 203, 204, 205, 206, 207, 208, 209};
        for (int i = 0; i < 8; ++i)
            nimbo::AddIconResource(m, frames[i], [i] { return Face(i); });
        nimbo::AddIconResource(m, IDI_FRESH_DATA, [] { return Face(8); });
        return m;
    }();
    return module;
}
