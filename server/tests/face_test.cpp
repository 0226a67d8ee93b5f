// The face icons as the control draws them.
#include "server/tests/server_fixture.h"

namespace {

int CountColour(HICON icon, COLORREF colour)
{
    auto dc = nimbo::CreateImageDC(32, 32, RGB(255, 0, 255));
    EXPECT_TRUE(dc->DrawIcon(0, 0, icon));
    const nimbo::Pixels p = nimbo::DCPixels(dc.get());
    int n = 0;
    for (std::uint32_t v : p.argb)
        n += v == nimbo::ToArgb(colour) ? 1 : 0;
    return n;
}

}  // namespace

// A lamp drawn partly or wholly off the icon shows less of its light.
TEST_F(ServerTest, EveryLampOfEveryFaceLiesInsideTheIcon)
{
    const COLORREF on = RGB(255, 216, 0), fresh = RGB(0, 224, 64);
    const int lamp = CountColour(server->icons[0], on);
    ASSERT_GT(lamp, 0);
    for (int frame = 1; frame < 8; ++frame)
        EXPECT_EQ(CountColour(server->icons[frame], on), lamp) << frame;
    EXPECT_EQ(CountColour(server->icons[8], fresh), 8 * lamp);
}
