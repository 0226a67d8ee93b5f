// A 32 x 32 icon in sixteen colours: a yellow lightning bolt over a dark
// blue generator housing.
#include "hosts/dorvo/dorvo_icon.h"

#include "platform/pixel_paint.h"
#include "platform/resources.h"

using namespace nimbo::paint;

namespace {

nimbo::Pixels GeneratorIcon()
{
    nimbo::Pixels p = nimbo::MakePixels(32, 32, 0);
    Fill(p, 2, 8, 28, 20, Opaque(0, 0, 128));
    Bevel(p, 2, 8, 28, 20, Opaque(0, 0, 255), Opaque(0, 0, 0));
    Fill(p, 6, 28, 4, 3, Opaque(128, 128, 128));
    Fill(p, 22, 28, 4, 3, Opaque(128, 128, 128));
    const std::uint32_t bolt = Opaque(255, 255, 0);
    for (int i = 0; i < 9; ++i)
        Fill(p, 18 - i, 2 + i, 4, 1, bolt);
    Fill(p, 11, 11, 10, 2, bolt);
    for (int i = 0; i < 10; ++i)
        Fill(p, 17 - i / 2 - i, 13 + i, 4, 1, bolt);
    return p;
}

}  // namespace

void RegisterDorvoIcon()
{
    HINSTANCE module = nimbo::RegisterResourceModule("dorvo");
    nimbo::AddIconResource(module, 1, GeneratorIcon);
}
