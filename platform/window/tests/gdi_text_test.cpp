#include "platform/window/tests/gdi_pixels_util.h"

#include <gtest/gtest.h>

#include <cstdlib>

using nimbo::test::CountPixels;
using nimbo::test::InkBox;
using nimbo::test::kBlack;
using nimbo::test::kWhite;

namespace {

CFont* MakeFont(CFont& font, int height, int weight, const char* face, int width = 0,
                BYTE pitch = DEFAULT_PITCH | FF_DONTCARE)
{
    EXPECT_TRUE(font.CreateFontA(height, width, 0, 0, weight, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, pitch, face));
    return &font;
}

int InkOf(CFont& font, const char* text)
{
    auto dc = nimbo::CreateImageDC(200, 40, RGB(255, 255, 255));
    dc->SelectObject(&font);
    dc->SetBkMode(TRANSPARENT);
    dc->TextOut(2, 2, text, -1);
    return CountPixels(nimbo::DCPixels(dc.get()), kBlack);
}

TEST(GdiText, CourierNewBoldComesOutFixedPitchAndBold)
{
    CFont bold, regular;
    MakeFont(bold, -16, FW_BOLD, "Courier New");
    MakeFont(regular, -16, FW_NORMAL, "Courier New");
    EXPECT_EQ(nimbo::FontFamilyInUse(&bold), "Liberation Mono");

    auto dc = nimbo::CreateImageDC(10, 10, RGB(255, 255, 255));
    dc->SelectObject(&bold);
    const SIZE i = dc->GetTextExtent("i", 1);
    const SIZE w = dc->GetTextExtent("W", 1);
    EXPECT_GT(i.cx, 0);
    EXPECT_EQ(i.cx, w.cx);
    EXPECT_EQ(dc->GetTextExtent("iiii", -1).cx, 4 * i.cx);
    TEXTMETRICA tm{};
    ASSERT_TRUE(dc->GetTextMetrics(&tm));
    EXPECT_GE(tm.tmWeight, FW_BOLD);
    EXPECT_EQ(tm.tmPitchAndFamily & TMPF_FIXED_PITCH, 0);
    EXPECT_EQ(tm.tmAveCharWidth, i.cx);

    EXPECT_GT(InkOf(bold, "WWWW"), InkOf(regular, "WWWW") * 11 / 10);
}

TEST(GdiText, WindowsFacesMapToTheirMetricTwins)
{
    CFont arial, sans, times, unknownFixed;
    MakeFont(arial, -12, FW_NORMAL, "Arial");
    MakeFont(sans, -12, FW_NORMAL, "MS Sans Serif");
    MakeFont(times, -12, FW_NORMAL, "Times New Roman");
    MakeFont(unknownFixed, -12, FW_NORMAL, "", 0, FIXED_PITCH | FF_MODERN);
    EXPECT_EQ(nimbo::FontFamilyInUse(&arial), "Liberation Sans");
    EXPECT_EQ(nimbo::FontFamilyInUse(&sans), "Liberation Sans");
    EXPECT_EQ(nimbo::FontFamilyInUse(&times), "Liberation Serif");
    EXPECT_EQ(nimbo::FontFamilyInUse(&unknownFixed), "Liberation Mono");
}

TEST(GdiText, NegativeHeightIsTheEmPositiveTheCell)
{
    auto dc = nimbo::CreateImageDC(10, 10, RGB(255, 255, 255));
    TEXTMETRICA em{}, cell{};
    CFont byEm, byCell;
    dc->SelectObject(MakeFont(byEm, -20, FW_NORMAL, "Arial"));
    dc->GetTextMetrics(&em);
    dc->SelectObject(MakeFont(byCell, 20, FW_NORMAL, "Arial"));
    dc->GetTextMetrics(&cell);
    EXPECT_EQ(em.tmHeight - em.tmInternalLeading, 20);
    EXPECT_GT(em.tmHeight, 20);
    EXPECT_LE(cell.tmHeight, 20);
    EXPECT_GE(cell.tmHeight, 19);
    EXPECT_EQ(em.tmHeight, em.tmAscent + em.tmDescent);
}

TEST(GdiText, AWidthStretchesTheFaceToThatAverage)
{
    auto dc = nimbo::CreateImageDC(10, 10, RGB(255, 255, 255));
    CFont natural, wide;
    TEXTMETRICA a{}, b{};
    dc->SelectObject(MakeFont(natural, -16, FW_NORMAL, "Arial"));
    dc->GetTextMetrics(&a);
    dc->SelectObject(MakeFont(wide, -16, FW_NORMAL, "Arial", 2 * a.tmAveCharWidth));
    dc->GetTextMetrics(&b);
    EXPECT_NEAR(b.tmAveCharWidth, 2 * a.tmAveCharWidth, 1);
    EXPECT_EQ(b.tmHeight, a.tmHeight);
}

TEST(GdiText, CentredSingleLineLandsInTheMiddle)
{
    auto dc = nimbo::CreateImageDC(200, 40, RGB(255, 255, 255));
    CFont font;
    dc->SelectObject(MakeFont(font, -16, FW_NORMAL, "Arial"));
    dc->SetBkMode(TRANSPARENT);
    RECT r{0, 0, 200, 40};
    const int height = dc->DrawText("Hello", -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const SIZE extent = dc->GetTextExtent("Hello", -1);
    const RECT ink = InkBox(nimbo::DCPixels(dc.get()), kWhite);
    ASSERT_GT(ink.right, ink.left);

    const int cellLeft = (200 - extent.cx) / 2;
    const int cellTop = (40 - extent.cy) / 2;
    EXPECT_EQ(height, cellTop + extent.cy);
    EXPECT_GE(ink.left, cellLeft);
    EXPECT_LE(ink.right, cellLeft + extent.cx + 1);
    EXPECT_LE(std::abs((ink.left + ink.right) - 200), 4);  // centre within two pixels
    EXPECT_GE(ink.top, cellTop);
    EXPECT_LE(ink.bottom, cellTop + extent.cy);
}

TEST(GdiText, OpaqueModeFillsTheTextCellOnly)
{
    auto dc = nimbo::CreateImageDC(120, 40, RGB(255, 255, 255));
    CFont font;
    dc->SelectObject(MakeFont(font, -14, FW_NORMAL, "Arial"));
    dc->SetBkColor(RGB(0, 255, 0));
    RECT r{10, 5, 110, 35};
    dc->DrawText("Ab", -1, &r, DT_LEFT | DT_TOP | DT_SINGLELINE);
    const SIZE extent = dc->GetTextExtent("Ab", -1);
    const nimbo::Pixels p = nimbo::DCPixels(dc.get());
    const RECT green = InkBox(p, kWhite);
    EXPECT_EQ(green.left, 10);
    EXPECT_EQ(green.top, 5);
    EXPECT_EQ(green.right, 10 + extent.cx);
    EXPECT_EQ(green.bottom, 5 + extent.cy);
    EXPECT_GT(CountPixels(p, 0xFF00FF00u), 0);
    EXPECT_GT(CountPixels(p, kBlack), 0);

    auto clear = nimbo::CreateImageDC(120, 40, RGB(255, 255, 255));
    clear->SelectObject(&font);
    clear->SetBkColor(RGB(0, 255, 0));
    clear->SetBkMode(TRANSPARENT);
    clear->DrawText("Ab", -1, &r, DT_LEFT | DT_TOP | DT_SINGLELINE);
    EXPECT_EQ(CountPixels(nimbo::DCPixels(clear.get()), 0xFF00FF00u), 0);
}

TEST(GdiText, TextIsClippedToItsRectangleUnlessNoClip)
{
    CFont font;
    MakeFont(font, -16, FW_NORMAL, "Arial");
    for (UINT noclip : {0u, DT_NOCLIP}) {
        auto dc = nimbo::CreateImageDC(200, 30, RGB(255, 255, 255));
        dc->SelectObject(&font);
        RECT r{0, 0, 30, 30};
        dc->DrawText("WWWWWWWW", -1, &r, DT_SINGLELINE | noclip);
        const RECT ink = InkBox(nimbo::DCPixels(dc.get()), kWhite);
        if (noclip) {
            EXPECT_GT(ink.right, 60);
        } else {
            EXPECT_LE(ink.right, 30);
        }
    }
}

TEST(GdiText, CalcRectMeasuresWithoutDrawing)
{
    auto dc = nimbo::CreateImageDC(100, 60, RGB(255, 255, 255));
    CFont font;
    dc->SelectObject(MakeFont(font, -12, FW_NORMAL, "Arial"));
    TEXTMETRICA tm{};
    dc->GetTextMetrics(&tm);

    RECT one{5, 5, 6, 6};
    const int h = dc->DrawText("Value", -1, &one, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(h, tm.tmHeight);
    EXPECT_EQ(one.right - one.left, dc->GetTextExtent("Value", -1).cx);
    EXPECT_EQ(one.bottom - one.top, tm.tmHeight);

    RECT two{0, 0, 100, 0};
    EXPECT_EQ(dc->DrawText("a\r\nlonger", -1, &two, DT_CALCRECT), 2 * tm.tmHeight);
    EXPECT_EQ(two.right, dc->GetTextExtent("longer", -1).cx);
    EXPECT_EQ(CountPixels(nimbo::DCPixels(dc.get()), kWhite), 6000);
}

TEST(GdiText, AmpersandMarksAPrefixUnlessTurnedOff)
{
    auto dc = nimbo::CreateImageDC(100, 30, RGB(255, 255, 255));
    CFont font;
    dc->SelectObject(MakeFont(font, -12, FW_NORMAL, "Arial"));
    RECT r{0, 0, 100, 30};
    RECT a = r, b = r, c = r;
    dc->DrawText("&File", -1, &a, DT_CALCRECT | DT_SINGLELINE);
    dc->DrawText("&File", -1, &b, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    dc->DrawText("A&&B", -1, &c, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(a.right, dc->GetTextExtent("File", -1).cx);
    EXPECT_EQ(b.right, dc->GetTextExtent("&File", -1).cx);
    EXPECT_EQ(c.right, dc->GetTextExtent("A&B", -1).cx);
}

TEST(GdiText, TextOutPutsTheCellTopLeftAtThePoint)
{
    auto dc = nimbo::CreateImageDC(100, 40, RGB(255, 255, 255));
    CFont font;
    dc->SelectObject(MakeFont(font, -14, FW_NORMAL, "Courier New"));
    dc->SetBkColor(RGB(0, 0, 255));
    dc->TextOut(7, 3, "ab", 2);
    const SIZE extent = dc->GetTextExtent("ab", 2);
    RECT cell = InkBox(nimbo::DCPixels(dc.get()), kWhite);
    EXPECT_EQ(cell.left, 7);
    EXPECT_EQ(cell.top, 3);
    EXPECT_EQ(cell.right, 7 + extent.cx);

    auto centred = nimbo::CreateImageDC(100, 40, RGB(255, 255, 255));
    centred->SelectObject(&font);
    centred->SetBkColor(RGB(0, 0, 255));
    centred->SetTextAlign(TA_CENTER | TA_BOTTOM);
    centred->TextOut(50, 30, "ab", 2);
    cell = InkBox(nimbo::DCPixels(centred.get()), kWhite);
    EXPECT_EQ(cell.left, 50 - extent.cx / 2);
    EXPECT_EQ(cell.bottom, 30);
}

}  // namespace

// A fixed-pitch face asked for a character width must advance by exactly
// that width, or rows of digit cells come out wider than their controls.
TEST(GdiFontWidth, FixedPitchCellsAreExactlyAsWideAsAsked)
{
    for (int width : {12, 24, 48}) {
        for (int sign : {1, -1}) {
            CFont font;
            font.CreateFontA(-2 * width, sign * width, 0, 0, 800, 0, 0, 0, 0, 0, 0, 0, FIXED_PITCH, "Courier New");
            auto dc = nimbo::CreateImageDC(10, 10, 0);
            dc->SelectObject(&font);
            EXPECT_EQ(dc->GetTextExtent("0123456789").cx, 10 * width) << width << " sign " << sign;
        }
    }
}
