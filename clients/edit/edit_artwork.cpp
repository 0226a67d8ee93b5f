// The numeric display's toolbox picture, made in code.
#include "clients/edit/edit_artwork.h"

#include "clients/common/pixel_font.h"
#include "platform/pixel_paint.h"

using namespace nimbo::paint;

nimbo::Pixels EditToolboxPicture()
{
    nimbo::Pixels p = nimbo::MakePixels(16, 15, Opaque(192, 192, 192));
    Bevel(p, 0, 0, 16, 11, Opaque(128, 128, 128), Opaque(255, 255, 255));
    Fill(p, 1, 1, 14, 9, Opaque(0, 0, 0));
    DrawPixelText(p, 3, 2, "12", Opaque(0, 230, 0));
    Fill(p, 2, 12, 12, 2, Opaque(128, 128, 128));
    return p;
}
