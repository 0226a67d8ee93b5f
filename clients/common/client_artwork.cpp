#include "clients/common/client_artwork.h"

#include "platform/pixel_paint.h"

using namespace nimbo::paint;

namespace {
const std::uint32_t kFace = Opaque(192, 192, 192);
const std::uint32_t kLight = Opaque(255, 255, 255);
const std::uint32_t kShadow = Opaque(128, 128, 128);
const std::uint32_t kRed = Opaque(224, 0, 0);
}  // namespace

nimbo::Pixels BevelledSquare(int width, int height)
{
    nimbo::Pixels p = nimbo::MakePixels(width, height, kFace);
    Bevel(p, 0, 0, width, height, kLight, Opaque(0, 0, 0));
    Bevel(p, 1, 1, width - 2, height - 2, kFace, kShadow);
    return p;
}

nimbo::Pixels SunkenPanel(int width, int height)
{
    nimbo::Pixels p = BevelledSquare(width, height);
    Bevel(p, 4, 4, width - 8, height - 8, kShadow, kLight);
    Bevel(p, 5, 5, width - 10, height - 10, Opaque(0, 0, 0), Opaque(223, 223, 223));
    return p;
}

// A broken link: a ring with two red arrow heads chasing each other.
nimbo::Pixels OfflineSign()
{
    nimbo::Pixels p = BevelledSquare(28, 24);
    Ring(p, 28, 24, 16, 11, Opaque(0, 0, 0));
    // Arrow head at the top pointing right, at the bottom pointing left.
    for (int i = 0; i < 4; ++i) {
        Fill(p, 15, 2 + i, 4 - i, 1, kRed);
        Fill(p, 15, 9 - i, 4 - i, 1, kRed);
        Fill(p, 10 + i, 14 + i, 4 - i, 1, kRed);
        Fill(p, 10 + i, 21 - i, 4 - i, 1, kRed);
    }
    Fill(p, 14, 5, 1, 2, kRed);
    Fill(p, 13, 17, 1, 2, kRed);
    return p;
}

nimbo::Pixels DisabledSign()
{
    nimbo::Pixels p = BevelledSquare(28, 24);
    Disc(p, 28, 24, 14, Opaque(0, 0, 0));
    return p;
}
