// The two-caption text control's pictures, made in code.
#include "clients/text/zem_text_artwork.h"

#include "clients/common/client_artwork.h"
#include "clients/common/pixel_font.h"
#include "platform/pixel_paint.h"

using namespace nimbo::paint;

namespace {
const std::uint32_t kFace = Opaque(192, 192, 192);
const std::uint32_t kBlack = Opaque(0, 0, 0);
const std::uint32_t kWhite = Opaque(255, 255, 255);
}  // namespace

nimbo::Pixels TextPanel() { return SunkenPanel(168, 24); }

nimbo::Pixels TextDisabledPanel() { return BevelledSquare(168, 24); }

nimbo::Pixels TextToolboxPicture()
{
    nimbo::Pixels p = nimbo::MakePixels(16, 15, kFace);
    Fill(p, 0, 2, 16, 11, kWhite);
    Frame(p, 0, 2, 16, 11, kBlack);
    DrawPixelText(p, 5, 4, "A", kBlack);
    return p;
}

nimbo::Pixels TextPageIcon()
{
    nimbo::Pixels p = nimbo::MakePixels(32, 32, 0);
    auto state = [&p](int y, const std::string& text, std::uint32_t ink) {
        Fill(p, 0, y, 32, 14, kFace);
        Bevel(p, 0, y, 32, 14, kWhite, Opaque(64, 64, 64));
        DrawPixelText(p, 16 - PixelTextWidth(text) / 2, y + 4, text, ink);
    };
    state(1, "ON", Opaque(0, 128, 0));
    state(17, "OFF", Opaque(192, 0, 0));
    return p;
}
