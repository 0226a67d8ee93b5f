// The LED's look, properties and identity.
#include "clients/led/led_artwork.h"
#include "platform/test_support.h"
#include "clients/led/led_ctrl.h"
#include "platform/olectl.h"

#include <gtest/gtest.h>

namespace {

class LedTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        led.ResetProperties();
        ASSERT_TRUE(led.CreateControlWindow(0, 0, 0));
        led.PutProperty(DISPID_CLIENT_PLC, {}, Variant::Long(1));
        led.PutProperty(DISPID_CLIENT_REG, {}, Variant::Long(300));
        nimbo::TakeInvalidations(led.m_hWnd);
    }
    void Show(std::int32_t v)
    {
        port.registers[300] = v;
        SendMessageA(led.m_hWnd, WM_PLC_DATA, 1, reinterpret_cast<LPARAM>(&port));
    }
    nimbo::Pixels Draw()
    {
        auto dc = nimbo::CreateImageDC(168, 24, RGB(255, 255, 255));
        RECT r{0, 0, 168, 24};
        led.OnDraw(dc.get(), r, r);
        return nimbo::DCPixels(dc.get());
    }
    // True when the 28 x 24 area at x shows the strip's cell at (sx, sy).
    static bool ShowsCell(const nimbo::Pixels& p, int x, int sx, int sy)
    {
        static const nimbo::Pixels strip = LedLampStrip();
        for (int j = 0; j < 24; ++j)
            for (int i = 0; i < 28; ++i)
                if (p.At(x + i, j) != strip.At(sx + i, sy + j))
                    return false;
        return true;
    }
    // The leftmost and rightmost columns of the caption box holding text.
    static std::pair<int, int> TextSpan(const nimbo::Pixels& p, int boxLeft)
    {
        int first = -1, last = -1;
        for (int x = boxLeft + 1; x < boxLeft + 127; ++x)
            for (int y = 7; y < 17; ++y)
                if (p.At(x, y) == 0xFF000000u) {
                    if (first < 0)
                        first = x;
                    last = x;
                }
        return {first, last};
    }

    CLedCtrl led;
    CComSer port;
};

}  // namespace

TEST_F(LedTest, LampShowsTheBitLitOrUnlit)
{
    led.PutProperty(DISPID_LED_LED, {}, Variant::Long(1));
    Show(0x1);
    EXPECT_TRUE(ShowsCell(Draw(), 0, 28, 0));
    Variant v;
    led.GetProperty(DISPID_LED_VALUE, {}, &v);
    EXPECT_EQ(v.AsLong(), 1);
    Show(0x6);
    EXPECT_TRUE(ShowsCell(Draw(), 0, 28, 24));
    led.GetProperty(DISPID_LED_VALUE, {}, &v);
    EXPECT_EQ(v.AsLong(), 0) << "Value is the bit, never the register";
}

TEST_F(LedTest, AlignPlacesLampAndCaption)
{
    led.PutProperty(DISPID_CAPTION, {}, Variant::String("ABC"));
    led.PutProperty(DISPID_BACKCOLOR, {}, Variant::Long(RGB(255, 255, 255)));
    led.PutProperty(DISPID_FORECOLOR, {}, Variant::Long(RGB(0, 0, 0)));
    Show(1);
    nimbo::Pixels left = Draw();
    EXPECT_TRUE(ShowsCell(left, 0, 0, 0)) << "Align 0: lamp first";
    auto span = TextSpan(left, 34);
    ASSERT_GE(span.first, 0);
    EXPECT_GE(span.second, 34 + 126 - 6) << "right-aligned next to the lamp's far side";

    led.PutProperty(DISPID_CLIENT_ALIGN, {}, Variant::Long(1));
    nimbo::Pixels right = Draw();
    EXPECT_TRUE(ShowsCell(right, 140, 0, 0)) << "Align 1: lamp last";
    span = TextSpan(right, 6);
    ASSERT_GE(span.first, 0);
    EXPECT_LE(span.first, 6 + 6) << "left-aligned";
    EXPECT_EQ(right.At(6, 6), 0xFF000000u) << "the box is framed in black";
    EXPECT_EQ(right.At(8, 8), 0xFFFFFFFFu) << "and filled with BackColor";
}

TEST_F(LedTest, ValueChangesRepaintOnlyTheLamp)
{
    led.PutProperty(DISPID_CLIENT_ALIGN, {}, Variant::Long(1));
    Draw();  // places the lamp at 140
    nimbo::TakeInvalidations(led.m_hWnd);
    Show(1);
    auto rects = nimbo::TakeInvalidations(led.m_hWnd);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].left, 140);
    EXPECT_EQ(rects[0].right, 168);
    led.PutProperty(DISPID_LED_LED, {}, Variant::Long(5));
    led.PutProperty(DISPID_CLIENT_BIT, {}, Variant::Long(2));
    rects = nimbo::TakeInvalidations(led.m_hWnd);
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[1].left, 140);
    Show(1 | 0x100);  // another bit changed: still repainted, looks the same
    EXPECT_EQ(nimbo::TakeInvalidations(led.m_hWnd).size(), 1u);
}

TEST_F(LedTest, StoredBitIsShownAtOnce)
{
    PropertyBag bag;
    bag.Write("Plc", Variant::Long(1));
    bag.Write("Reg", Variant::Long(300));
    bag.Write("Bit", Variant::Long(5));
    bag.Write("Led", Variant::Long(2));
    led.LoadProperties(bag);
    Show(0x20);
    EXPECT_TRUE(ShowsCell(Draw(), 0, 56, 0));
}

TEST_F(LedTest, StyleOutsideTheStripShowsABlankCell)
{
    Show(1);
    for (int style : {32, -1, 1000000, INT32_MIN}) {
        led.Led = style;
        nimbo::Pixels p = Draw();
        for (int y = 0; y < 24; y += 5)
            for (int x = 0; x < 28; x += 5)
                ASSERT_EQ(p.At(x, y), 0xFFC0C0C0u) << style;
    }
}

TEST_F(LedTest, PersistsLedAfterTheCommonKeys)
{
    led.PutProperty(DISPID_LED_LED, {}, Variant::Long(31));
    PropertyBag bag;
    led.SaveProperties(&bag);
    EXPECT_EQ(bag.Values().back().first, "Led");
    EXPECT_EQ(bag.Values().back().second.AsLong(), 31);
    CLedCtrl other;
    other.ResetProperties();
    EXPECT_EQ(other.Led, 0);
    other.LoadProperties(bag);
    EXPECT_EQ(other.Led, 31);
    EXPECT_EQ(other.Reg, 300);
}

TEST(LedArtwork, StripHasThirtyTwoCellsLitAboveUnlit)
{
    nimbo::Pixels strip = LedLampStrip();
    EXPECT_EQ(strip.width, 896);
    EXPECT_EQ(strip.height, 48);
    for (int cell = 0; cell < 32; ++cell) {
        bool differs = false;
        for (int y = 0; y < 24 && !differs; ++y)
            for (int x = 0; x < 28 && !differs; ++x)
                differs = strip.At(cell * 28 + x, y) != strip.At(cell * 28 + x, y + 24);
        EXPECT_TRUE(differs) << "cell " << cell << " looks the same lit and unlit";
    }
    EXPECT_EQ(LedCaptionPanel().width, 140);
}
