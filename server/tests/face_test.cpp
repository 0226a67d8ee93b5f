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

// On a form being designed the face stands still: every repaint, however
// many, shows the first frame and moves the animation on by nothing.
TEST_F(ServerTest, OnADesignedFormTheFaceStandsStill)
{
    server->SetAmbientUserMode(FALSE);
    server->iconFrame = 8;  // the frame that draws nothing
    for (int paint = 0; paint < 3; ++paint) {
        auto dc = nimbo::CreateImageDC(32, 32, RGB(255, 0, 255));
        RECT r{0, 0, 32, 32};
        server->OnDraw(dc.get(), r, r);
        auto first = nimbo::CreateImageDC(32, 32, RGB(255, 0, 255));
        first->DrawIcon(0, 0, server->icons[0]);
        EXPECT_EQ(nimbo::DCPixels(dc.get()).argb, nimbo::DCPixels(first.get()).argb) << paint;
    }
    EXPECT_EQ(server->iconFrame, 8);
}
