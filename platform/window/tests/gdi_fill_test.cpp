#include "platform/window/tests/gdi_pixels_util.h"

#include <gtest/gtest.h>

using nimbo::test::CountPixels;
using nimbo::test::kBlack;
using nimbo::test::kWhite;

namespace {

constexpr std::uint32_t kRed = 0xFFFF0000u;

TEST(GdiColors, RgbIsInGdiByteOrder)
{
    static_assert(RGB(1, 2, 3) == 0x00030201u);
    EXPECT_EQ(GetRValue(RGB(10, 20, 30)), 10);
    EXPECT_EQ(GetGValue(RGB(10, 20, 30)), 20);
    EXPECT_EQ(GetBValue(RGB(10, 20, 30)), 30);
    EXPECT_EQ(nimbo::ToArgb(RGB(0x12, 0x34, 0x56)), 0xFF123456u);
    EXPECT_EQ(nimbo::FromArgb(0xFF123456u), RGB(0x12, 0x34, 0x56));
}

TEST(GdiColors, SystemColoursAreTheClassicScheme)
{
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(192, 192, 192));
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), RGB(128, 128, 128));
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), RGB(255, 255, 255));
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(255, 255, 255));
    EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), RGB(0, 0, 0));
    EXPECT_EQ(GetSysColor(COLOR_BTNTEXT), RGB(0, 0, 0));
    EXPECT_EQ(GetSysColor(COLOR_3DDKSHADOW), RGB(0, 0, 0));
}

TEST(GdiFill, FillRectCoversLeftAndTopButNotRightAndBottom)
{
    auto dc = nimbo::CreateImageDC(10, 10, RGB(255, 255, 255));
    CBrush red(RGB(255, 0, 0));
    const RECT r{2, 3, 6, 8};
    dc->FillRect(&r, &red);
    const nimbo::Pixels p = nimbo::DCPixels(dc.get());
    EXPECT_EQ(CountPixels(p, kRed), 4 * 5);
    EXPECT_EQ(p.At(2, 3), kRed);
    EXPECT_EQ(p.At(5, 7), kRed);
    EXPECT_EQ(p.At(6, 7), kWhite);
    EXPECT_EQ(p.At(5, 8), kWhite);
    EXPECT_EQ(p.At(1, 3), kWhite);
}

TEST(GdiFill, FrameRectIsOnePixelJustInside)
{
    auto dc = nimbo::CreateImageDC(12, 10, RGB(255, 255, 255));
    CBrush red(RGB(255, 0, 0));
    const RECT r{1, 1, 9, 7};
    dc->FrameRect(&r, &red);
    const nimbo::Pixels p = nimbo::DCPixels(dc.get());
    EXPECT_EQ(CountPixels(p, kRed), 2 * 8 + 2 * 4);
    EXPECT_EQ(p.At(1, 1), kRed);
    EXPECT_EQ(p.At(8, 1), kRed);
    EXPECT_EQ(p.At(1, 6), kRed);
    EXPECT_EQ(p.At(8, 6), kRed);
    EXPECT_EQ(p.At(2, 2), kWhite);
    EXPECT_EQ(p.At(9, 7), kWhite);
    EXPECT_EQ(p.At(0, 0), kWhite);
}

TEST(GdiFill, EmptyOrHollowFillsNothing)
{
    auto dc = nimbo::CreateImageDC(8, 8, RGB(255, 255, 255));
    CBrush red(RGB(255, 0, 0));
    const RECT backwards{6, 6, 2, 2};
    dc->FillRect(&backwards, &red);
    const RECT all{0, 0, 8, 8};
    dc->FillRect(&all, static_cast<CBrush*>(GetStockObject(NULL_BRUSH)));
    CBrush empty;
    dc->FillRect(&all, &empty);
    EXPECT_EQ(CountPixels(nimbo::DCPixels(dc.get()), kWhite), 64);
}

TEST(GdiFill, FillSolidRectLeavesTheBackgroundColourSet)
{
    auto dc = nimbo::CreateImageDC(8, 8, RGB(255, 255, 255));
    dc->FillSolidRect(1, 1, 3, 2, RGB(255, 0, 0));
    EXPECT_EQ(dc->GetBkColor(), RGB(255, 0, 0));
    EXPECT_EQ(CountPixels(nimbo::DCPixels(dc.get()), kRed), 6);
}

TEST(GdiFill, Draw3dRectGivesCornersAsMfcDoes)
{
    auto dc = nimbo::CreateImageDC(8, 8, RGB(128, 128, 128));
    dc->Draw3dRect(0, 0, 5, 4, RGB(255, 255, 255), RGB(0, 0, 0));
    const nimbo::Pixels p = nimbo::DCPixels(dc.get());
    EXPECT_EQ(p.At(0, 0), kWhite);
    EXPECT_EQ(p.At(3, 0), kWhite);
    EXPECT_EQ(p.At(4, 0), kBlack);  // top-right corner: bottom-right colour
    EXPECT_EQ(p.At(0, 2), kWhite);
    EXPECT_EQ(p.At(0, 3), kBlack);  // bottom-left corner
    EXPECT_EQ(p.At(4, 3), kBlack);
    EXPECT_EQ(p.At(2, 2), 0xFF808080u);
    EXPECT_EQ(p.At(5, 0), 0xFF808080u);
}

TEST(GdiFill, RectangleFramesWithThePenAndFillsWithTheBrush)
{
    auto dc = nimbo::CreateImageDC(10, 10, RGB(255, 255, 255));
    CGdiObject* oldBrush = dc->SelectStockObject(GRAY_BRUSH);
    EXPECT_EQ(oldBrush, GetStockObject(WHITE_BRUSH));
    dc->Rectangle(1, 1, 6, 5);
    const nimbo::Pixels p = nimbo::DCPixels(dc.get());
    EXPECT_EQ(p.At(1, 1), kBlack);
    EXPECT_EQ(p.At(5, 4), kBlack);
    EXPECT_EQ(p.At(6, 4), kWhite);
    EXPECT_EQ(p.At(2, 2), 0xFF808080u);
    EXPECT_EQ(p.At(4, 3), 0xFF808080u);
    EXPECT_EQ(CountPixels(p, 0xFF808080u), 3 * 2);
}

TEST(GdiFill, LinesLeaveOutTheirEndPoint)
{
    auto dc = nimbo::CreateImageDC(10, 10, RGB(255, 255, 255));
    dc->MoveTo(1, 1);
    dc->LineTo(5, 1);
    dc->LineTo(5, 6);
    const nimbo::Pixels p = nimbo::DCPixels(dc.get());
    EXPECT_EQ(p.At(1, 1), kBlack);
    EXPECT_EQ(p.At(4, 1), kBlack);
    EXPECT_EQ(p.At(5, 1), kBlack);  // drawn as the start of the second line
    EXPECT_EQ(p.At(5, 5), kBlack);
    EXPECT_EQ(p.At(5, 6), kWhite);
    EXPECT_EQ(CountPixels(p, kBlack), 4 + 5);

    auto diagonal = nimbo::CreateImageDC(10, 10, RGB(255, 255, 255));
    diagonal->MoveTo(0, 0);
    diagonal->LineTo(4, 4);
    const nimbo::Pixels d = nimbo::DCPixels(diagonal.get());
    EXPECT_EQ(d.At(0, 0), kBlack);
    EXPECT_EQ(d.At(3, 3), kBlack);
    EXPECT_EQ(d.At(4, 4), kWhite);
}

TEST(GdiFill, PenColourAndNullPen)
{
    auto dc = nimbo::CreateImageDC(10, 10, RGB(255, 255, 255));
    CPen red(PS_SOLID, 1, RGB(255, 0, 0));
    CPen* old = dc->SelectObject(&red);
    EXPECT_EQ(old, GetStockObject(BLACK_PEN));
    dc->MoveTo(0, 2);
    dc->LineTo(4, 2);
    dc->SelectStockObject(NULL_PEN);
    dc->MoveTo(0, 5);
    dc->LineTo(9, 5);
    const nimbo::Pixels p = nimbo::DCPixels(dc.get());
    EXPECT_EQ(CountPixels(p, kRed), 4);
    EXPECT_EQ(CountPixels(p, kBlack), 0);
}

TEST(GdiFill, PixelsRoundTrip)
{
    auto dc = nimbo::CreateImageDC(4, 4, RGB(0, 0, 0));
    EXPECT_EQ(dc->SetPixel(2, 1, RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(dc->GetPixel(2, 1), RGB(1, 2, 3));
    EXPECT_EQ(dc->GetPixel(9, 9), CLR_INVALID);
    EXPECT_EQ(nimbo::DCPixels(dc.get()).At(2, 1), 0xFF010203u);
}

TEST(GdiFill, RestoreDcBringsBackColoursObjectsAndClip)
{
    auto dc = nimbo::CreateImageDC(10, 10, RGB(255, 255, 255));
    dc->SetTextColor(RGB(1, 1, 1));
    const int saved = dc->SaveDC();
    EXPECT_EQ(saved, 1);
    dc->SetTextColor(RGB(2, 2, 2));
    dc->SetBkMode(TRANSPARENT);
    dc->SelectStockObject(BLACK_BRUSH);
    dc->IntersectClipRect(0, 0, 2, 2);
    CBrush red(RGB(255, 0, 0));
    const RECT all{0, 0, 10, 10};
    dc->FillRect(&all, &red);
    EXPECT_EQ(CountPixels(nimbo::DCPixels(dc.get()), kRed), 4);

    EXPECT_TRUE(dc->RestoreDC(-1));
    EXPECT_EQ(dc->GetTextColor(), RGB(1, 1, 1));
    EXPECT_EQ(dc->GetBkMode(), OPAQUE);
    EXPECT_EQ(dc->GetCurrentBrush(), GetStockObject(WHITE_BRUSH));
    dc->FillRect(&all, &red);
    EXPECT_EQ(CountPixels(nimbo::DCPixels(dc.get()), kRed), 100);
    EXPECT_FALSE(dc->RestoreDC(-1));
}

TEST(GdiFill, StockObjectsHaveTheirColoursAndSurviveDeleteObject)
{
    auto dc = nimbo::CreateImageDC(5, 1, RGB(255, 0, 0));
    const int stock[] = {WHITE_BRUSH, LTGRAY_BRUSH, GRAY_BRUSH, DKGRAY_BRUSH, BLACK_BRUSH};
    const std::uint32_t want[] = {0xFFFFFFFFu, 0xFFC0C0C0u, 0xFF808080u, 0xFF404040u, 0xFF000000u};
    for (int i = 0; i < 5; ++i) {
        auto* brush = static_cast<CBrush*>(GetStockObject(stock[i]));
        ASSERT_NE(brush, nullptr);
        EXPECT_FALSE(brush->DeleteObject());
        const RECT one{i, 0, i + 1, 1};
        dc->FillRect(&one, brush);
    }
    const nimbo::Pixels p = nimbo::DCPixels(dc.get());
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(p.At(i, 0), want[i]) << "stock brush " << stock[i];
    EXPECT_NE(GetStockObject(SYSTEM_FONT), nullptr);
    EXPECT_NE(GetStockObject(DEFAULT_GUI_FONT), nullptr);
    EXPECT_EQ(GetStockObject(99), nullptr);
}

}  // namespace
