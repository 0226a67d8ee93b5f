// The eight-LED control's own pictures; the lamps are the LED's.
#include "clients/led8/zem_led8_artwork.h"

#include "clients/common/client_artwork.h"
#include "platform/pixel_paint.h"

using namespace nimbo::paint;

nimbo::Pixels Led8CaptionPanel() { return SunkenPanel(224, 24); }

nimbo::Pixels Led8ToolboxPicture()
{
    nimbo::Pixels p = nimbo::MakePixels(16, 15, Opaque(192, 192, 192));
    Fill(p, 1, 1, 14, 4, Opaque(255, 255, 255));
    Frame(p, 1, 1, 14, 4, Opaque(0, 0, 0));
    for (int i = 0; i < 4; ++i) {
        bool lit = i == 0 || i == 3;
        Fill(p, 1 + 4 * i, 8, 3, 3, lit ? Opaque(0, 230, 0) : Opaque(0, 64, 0));
        Frame(p, 1 + 4 * i, 8, 3, 3, Opaque(0, 0, 0));
    }
    return p;
}
