#include "platform/window/tests/gdi_pixels_util.h"

#include <gtest/gtest.h>

using nimbo::test::CountPixels;
using nimbo::test::kWhite;

namespace {

// Every pixel different: 0xFF, then x in the red byte, y in the green byte.
nimbo::Pixels Gradient(int width, int height)
{
    nimbo::Pixels p = nimbo::MakePixels(width, height, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            p.Set(x, y, 0xFF000000u | (static_cast<std::uint32_t>(x + 1) << 16) | (static_cast<std::uint32_t>(y + 1) << 8));
    return p;
}

TEST(GdiBlit, CopiesPartOfABitmapExactly)
{
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateFromPixels(Gradient(8, 6)));
    BITMAP info{};
    EXPECT_GT(bitmap.GetBitmap(&info), 0);
    EXPECT_EQ(info.bmWidth, 8);
    EXPECT_EQ(info.bmHeight, 6);

    auto screen = nimbo::CreateImageDC(20, 20, RGB(255, 255, 255));
    CDC memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(screen.get()));
    CBitmap* old = memory.SelectObject(&bitmap);
    ASSERT_NE(old, nullptr);
    EXPECT_TRUE(screen->BitBlt(5, 5, 3, 2, &memory, 2, 1, SRCCOPY));
    memory.SelectObject(old);

    const nimbo::Pixels p = nimbo::DCPixels(screen.get());
    const nimbo::Pixels g = Gradient(8, 6);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(p.At(5 + x, 5 + y), g.At(2 + x, 1 + y)) << x << "," << y;
    EXPECT_EQ(CountPixels(p, kWhite), 400 - 6);
}

TEST(GdiBlit, NothingIsCopiedFromBeyondTheSourceEdges)
{
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateFromPixels(Gradient(4, 4)));
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    memory.SelectObject(&bitmap);
    const nimbo::Pixels g = Gradient(4, 4);

    auto right = nimbo::CreateImageDC(10, 10, RGB(255, 255, 255));
    EXPECT_TRUE(right->BitBlt(0, 0, 6, 6, &memory, 2, 2, SRCCOPY));
    nimbo::Pixels p = nimbo::DCPixels(right.get());
    EXPECT_EQ(p.At(0, 0), g.At(2, 2));
    EXPECT_EQ(p.At(1, 1), g.At(3, 3));
    EXPECT_EQ(p.At(2, 0), kWhite);
    EXPECT_EQ(p.At(0, 2), kWhite);
    EXPECT_EQ(CountPixels(p, kWhite), 100 - 4);

    auto left = nimbo::CreateImageDC(10, 10, RGB(255, 255, 255));
    EXPECT_TRUE(left->BitBlt(3, 3, 4, 4, &memory, -1, -2, SRCCOPY));
    p = nimbo::DCPixels(left.get());
    EXPECT_EQ(p.At(3, 3), kWhite);
    EXPECT_EQ(p.At(4, 5), g.At(0, 0));
    EXPECT_EQ(p.At(6, 6), g.At(2, 1));
    EXPECT_EQ(CountPixels(p, kWhite), 100 - 3 * 2);

    auto far = nimbo::CreateImageDC(4, 4, RGB(255, 255, 255));
    EXPECT_TRUE(far->BitBlt(0, 0, 4, 4, &memory, 50, 50, SRCCOPY));
    EXPECT_EQ(CountPixels(nimbo::DCPixels(far.get()), kWhite), 16);
}

TEST(GdiBlit, AMemoryDcWithoutABitmapGivesNothing)
{
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    CBitmap empty;
    EXPECT_EQ(memory.SelectObject(&empty), nullptr);
    auto screen = nimbo::CreateImageDC(4, 4, RGB(255, 255, 255));
    EXPECT_FALSE(screen->BitBlt(0, 0, 4, 4, &memory, 0, 0, SRCCOPY));
    EXPECT_EQ(CountPixels(nimbo::DCPixels(screen.get()), kWhite), 16);
    EXPECT_TRUE(nimbo::DCPixels(&memory).Empty());
}

TEST(GdiBlit, DrawingInAMemoryDcChangesItsBitmap)
{
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(nullptr, 6, 4));
    {
        CDC memory;
        memory.CreateCompatibleDC(nullptr);
        memory.SelectObject(&bitmap);
        memory.FillSolidRect(1, 1, 2, 2, RGB(0, 255, 0));
        EXPECT_EQ(nimbo::DCPixels(&memory).At(1, 1), 0xFF00FF00u);
    }
    const nimbo::Pixels p = bitmap.GetPixels();
    EXPECT_EQ(p.At(0, 0), 0xFF000000u);
    EXPECT_EQ(p.At(2, 2), 0xFF00FF00u);
    EXPECT_EQ(CountPixels(p, 0xFF00FF00u), 4);
}

TEST(GdiBlit, ABitmapGoesInOneDcAtATimeAndMayBeDeletedWhileIn)
{
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateFromPixels(Gradient(3, 3)));
    CDC first, second;
    first.CreateCompatibleDC(nullptr);
    second.CreateCompatibleDC(nullptr);
    ASSERT_NE(first.SelectObject(&bitmap), nullptr);
    EXPECT_EQ(second.SelectObject(&bitmap), nullptr);
    EXPECT_TRUE(bitmap.DeleteObject());
    first.FillSolidRect(0, 0, 3, 3, RGB(1, 2, 3));  // draws nowhere now
    EXPECT_TRUE(nimbo::DCPixels(&first).Empty());
    EXPECT_TRUE(bitmap.GetPixels().Empty());
}

TEST(GdiBlit, StretchBltRepeatsPixelsWithoutSmoothing)
{
    nimbo::Pixels two = nimbo::MakePixels(2, 1, 0xFF000000u);
    two.Set(1, 0, 0xFFFFFFFFu);
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateFromPixels(two));
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    memory.SelectObject(&bitmap);
    auto dc = nimbo::CreateImageDC(8, 2, RGB(255, 0, 0));
    EXPECT_TRUE(dc->StretchBlt(0, 0, 8, 2, &memory, 0, 0, 2, 1, SRCCOPY));
    const nimbo::Pixels p = nimbo::DCPixels(dc.get());
    EXPECT_EQ(CountPixels(p, 0xFF000000u), 8);
    EXPECT_EQ(CountPixels(p, 0xFFFFFFFFu), 8);
    EXPECT_EQ(p.At(3, 1), 0xFF000000u);
    EXPECT_EQ(p.At(4, 0), 0xFFFFFFFFu);
}

TEST(GdiBlit, RasterOperationsCombineWithTheDestination)
{
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateFromPixels(nimbo::MakePixels(1, 1, 0xFF0F0F0Fu)));
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    memory.SelectObject(&bitmap);
    auto dc = nimbo::CreateImageDC(4, 1, RGB(0xF0, 0x33, 0x00));
    dc->BitBlt(0, 0, 1, 1, &memory, 0, 0, SRCPAINT);
    dc->BitBlt(1, 0, 1, 1, &memory, 0, 0, SRCAND);
    dc->BitBlt(2, 0, 1, 1, &memory, 0, 0, SRCINVERT);
    dc->BitBlt(3, 0, 1, 1, &memory, 0, 0, BLACKNESS);
    const nimbo::Pixels p = nimbo::DCPixels(dc.get());
    EXPECT_EQ(p.At(0, 0), 0xFFFF3F0Fu);
    EXPECT_EQ(p.At(1, 0), 0xFF000300u);
    EXPECT_EQ(p.At(2, 0), 0xFFFF3C0Fu);
    EXPECT_EQ(p.At(3, 0), 0xFF000000u);
}

}  // namespace
