// What the eight lamps and the caption panel show.
#include "clients/led8/tests/led8_fixture.h"

#include "clients/common/client_artwork.h"

using led8test::Crop;
using led8test::kGrey;
using led8test::Uniform;

TEST_F(Led8Test, NewControlIsTheCaptionPanelOverEightUnlitLamps)
{
    int cx = 0, cy = 0;
    ctrl->GetControlSize(&cx, &cy);
    EXPECT_EQ(cx, 224);
    EXPECT_EQ(cy, 48);
    EXPECT_EQ(LitLamps(0), 0u);
    nimbo::Pixels drawn = Render();
    nimbo::Pixels panel = ctrl->captionPanel.GetPixels();
    ASSERT_EQ(panel.width, 224);
    ASSERT_EQ(panel.height, 24);
    EXPECT_EQ(drawn.At(0, 0), panel.At(0, 0));
    EXPECT_EQ(drawn.At(223, 23), panel.At(223, 23));
    EXPECT_EQ(drawn.At(5, 5), panel.At(5, 5)) << "the panel's well stays around the fill";
}

TEST_F(Led8Test, LampStripHasThirtyTwoCellsLitAboveUnlit)
{
    ASSERT_EQ(strip.width, 896);
    ASSERT_EQ(strip.height, 48);
    for (int style = 0; style < kLed8Styles; ++style)
        EXPECT_NE(Cell(style, true).argb, Cell(style, false).argb) << "style " << style;
}

TEST_F(Led8Test, LowByteShowsLeastSignificantBitLeftmost)
{
    ctrl->value = 0x81;
    EXPECT_EQ(LitLamps(0), 0x81u);
    ctrl->value = 0x01;
    EXPECT_EQ(LitLamps(0), 0x01u) << "bit 0 is the leftmost lamp";
    ctrl->value = 0x7E;
    EXPECT_EQ(LitLamps(0), 0x7Eu);
}

TEST_F(Led8Test, BitPicksTheByteTheLampsShow)
{
    ctrl->value = 0x00008100;
    ctrl->Bit = 1;
    EXPECT_EQ(LitLamps(0), 0x81u);
    ctrl->Bit = 0;
    EXPECT_EQ(LitLamps(0), 0u);
    ctrl->value = 0x00810000;
    ctrl->Bit = 2;
    EXPECT_EQ(LitLamps(0), 0x81u);
    ctrl->value = static_cast<std::int32_t>(0x81000000u);
    ctrl->Bit = 3;
    EXPECT_EQ(LitLamps(0), 0x81u) << "the sign bit is the rightmost lamp of byte 3";
}

TEST_F(Led8Test, BitNamingNoByteShowsByteZeroAndFallsBackToIt)
{
    ctrl->value = 0x0281;
    ctrl->SetBit(5);
    EXPECT_EQ(ctrl->Bit, 5);
    ctrl->SetModifiedFlag(FALSE);
    EXPECT_EQ(LitLamps(0), 0x81u);
    EXPECT_EQ(ctrl->Bit, 0);
    EXPECT_FALSE(ctrl->IsModified()) << "the fallback is not a change of the user's";
    Variant bit;
    ctrl->GetProperty(DISPID_CLIENT_BIT, {}, &bit);
    EXPECT_EQ(bit.AsLong(), 0);
}

TEST_F(Led8Test, EveryStyleDrawsItsOwnCell)
{
    ctrl->value = 0x0F;
    for (int style : {0, 5, 12, 16, 31}) {
        ctrl->Led = style;
        EXPECT_EQ(LitLamps(style), 0x0Fu) << "style " << style;
    }
}

TEST_F(Led8Test, StyleOutsideTheStripShowsEmptyLampsNotForeignPixels)
{
    ctrl->value = 0xFF;
    for (int style : {-1, -100, 32, 40}) {
        ctrl->Led = style;  // as a persisted value arrives, unchecked
        nimbo::Pixels drawn = Render();
        EXPECT_TRUE(Uniform(Crop(drawn, 0, 24, 224, 24), kGrey)) << "style " << style;
    }
}

TEST_F(Led8Test, CaptionFillUsesBackColorInsideSixPixelMargin)
{
    ctrl->SetBackColor(RGB(0, 0, 255));
    nimbo::Pixels drawn = Render();
    EXPECT_TRUE(Uniform(Crop(drawn, 6, 6, 212, 12), 0xFF0000FFu));
    EXPECT_NE(drawn.At(5, 5), 0xFF0000FFu);
    EXPECT_NE(drawn.At(218, 18), 0xFF0000FFu);
}

namespace {

// The columns the caption's ink covers inside the fill.
std::pair<int, int> InkColumns(const nimbo::Pixels& drawn, std::uint32_t ink)
{
    int first = 1000, last = -1;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 224; ++x)
            if (drawn.At(x, y) == ink) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

}  // namespace

TEST_F(Led8Test, AlignPlacesTheCaptionRightCentredOrLeft)
{
    const std::uint32_t ink = 0xFFFF0000u;
    ctrl->SetText("MMMM");
    ctrl->SetBackColor(RGB(255, 255, 255));
    ctrl->SetForeColor(RGB(255, 0, 0));

    ctrl->Align = 0;
    auto [rl, rr] = InkColumns(Render(), ink);
    ASSERT_GE(rl, 6);
    EXPECT_LE(rr, 217);
    EXPECT_GE(rr, 213) << "flush right, 6 pixels from the edge";

    ctrl->Align = 1;
    auto [cl, cr] = InkColumns(Render(), ink);
    EXPECT_NEAR((cl + cr + 1) / 2.0, 112.0, 2.0);
    EXPECT_EQ(cr - cl, rr - rl);

    ctrl->Align = 2;  // only persisted data gets here
    auto [ll, lr] = InkColumns(Render(), ink);
    EXPECT_GE(ll, 6);
    EXPECT_LE(ll, 10);
    EXPECT_EQ(lr - ll, rr - rl);
}

TEST_F(Led8Test, OfflineLookIsGreyWithTheOfflineSign)
{
    ctrl->value = 0xFF;
    SendMessageA(ctrl->m_hWnd, WM_PLC_OFFLINE, 0, 0);
    nimbo::Pixels drawn = Render();
    EXPECT_EQ(Crop(drawn, 0, 0, 28, 24).argb, OfflineSign().argb);
    EXPECT_TRUE(Uniform(Crop(drawn, 28, 0, 196, 48), kGrey));
    EXPECT_TRUE(Uniform(Crop(drawn, 0, 24, 28, 24), kGrey));
}

TEST_F(Led8Test, DisabledLookIsGreyWithTheDisabledSign)
{
    ctrl->value = 0xFF;
    ctrl->SetEnabled(FALSE);
    nimbo::Pixels drawn = Render();
    EXPECT_EQ(Crop(drawn, 0, 0, 28, 24).argb, DisabledSign().argb);
    EXPECT_TRUE(Uniform(Crop(drawn, 28, 0, 196, 48), kGrey));
    SendMessageA(ctrl->m_hWnd, WM_PLC_OFFLINE, 0, 0);
    EXPECT_EQ(Crop(Render(), 0, 0, 28, 24).argb, OfflineSign().argb) << "offline wins over disabled";
}

TEST_F(Led8Test, WindowPaintsTheSameAsTheDrawing)
{
    ctrl->value = 0x81;
    ctrl->SetText("Allarmi");
    InvalidateRect(ctrl->m_hWnd, nullptr, TRUE);
    UpdateWindow(ctrl->m_hWnd);
    nimbo::Pixels shown = nimbo::GrabWindowPixels(ctrl->m_hWnd);
    ASSERT_EQ(shown.width, 224);
    ASSERT_EQ(shown.height, 48);
    EXPECT_EQ(shown.argb, Render().argb);
}
