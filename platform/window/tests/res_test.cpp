#include "platform/window/tests/gdi_pixels_util.h"
#include "platform/window/tests/win_recorder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <unistd.h>

using nimbo::test::CountPixels;

namespace {

TEST(ResModules, SameNameSameModule)
{
    HINSTANCE a = nimbo::RegisterResourceModule("res-test-a");
    EXPECT_NE(a, nullptr);
    EXPECT_EQ(nimbo::RegisterResourceModule("res-test-a"), a);
    EXPECT_NE(nimbo::RegisterResourceModule("res-test-b"), a);
}

TEST(ResStrings, LoadStringCopiesWhatFitsAndAnswersTheLength)
{
    HINSTANCE m = nimbo::RegisterResourceModule("res-test-strings");
    nimbo::AddStringResource(m, 100, "Hello");
    char buffer[10];
    EXPECT_EQ(LoadStringA(m, 100, buffer, 10), 5);
    EXPECT_STREQ(buffer, "Hello");
    EXPECT_EQ(LoadStringA(m, 100, buffer, 3), 2);
    EXPECT_STREQ(buffer, "He");
    EXPECT_EQ(LoadStringA(m, 100, buffer, 1), 0);
    EXPECT_STREQ(buffer, "");
    buffer[0] = 'x';
    EXPECT_EQ(LoadStringA(m, 101, buffer, 10), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(LoadStringA(m, 100, nullptr, 10), 0);
    EXPECT_EQ(nimbo::LoadResourceString(m, 100), "Hello");
    EXPECT_EQ(nimbo::LoadResourceString(m, 101), "");
}

TEST(ResStrings, NullModuleMeansTheCurrentOne)
{
    HINSTANCE m = nimbo::RegisterResourceModule("res-test-current");
    nimbo::AddStringResource(m, 1, "current");
    HINSTANCE before = AfxGetResourceHandle();
    AfxSetResourceHandle(m);
    EXPECT_EQ(AfxGetResourceHandle(), m);
    EXPECT_EQ(nimbo::LoadResourceString(nullptr, 1), "current");
    AfxSetResourceHandle(before);
}

TEST(ResBitmaps, MadeOnFirstLoadThenKept)
{
    HINSTANCE m = nimbo::RegisterResourceModule("res-test-bitmaps");
    int made = 0;
    nimbo::AddBitmapResource(m, 7, [&made] {
        ++made;
        return nimbo::MakePixels(3, 2, 0xFF112233u);
    });
    EXPECT_EQ(made, 0);
    CBitmap first, second;
    EXPECT_TRUE(first.LoadBitmap(m, 7));
    EXPECT_TRUE(second.LoadBitmap(m, 7));
    EXPECT_EQ(made, 1);
    BITMAP info{};
    second.GetBitmap(&info);
    EXPECT_EQ(info.bmWidth, 3);
    EXPECT_EQ(info.bmHeight, 2);

    // Drawing on one loaded copy leaves the resource as it was.
    {
        CDC memory;
        memory.CreateCompatibleDC(nullptr);
        memory.SelectObject(&first);
        memory.FillSolidRect(0, 0, 3, 2, RGB(255, 255, 255));
    }
    CBitmap third;
    EXPECT_TRUE(third.LoadBitmap(m, 7));
    EXPECT_EQ(CountPixels(third.GetPixels(), 0xFF112233u), 6);
}

TEST(ResBitmaps, MissingBitmapLeavesTheBitmapEmpty)
{
    HINSTANCE m = nimbo::RegisterResourceModule("res-test-bitmaps");
    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(m, 4242));
    EXPECT_EQ(missing.m_hObject, nullptr);
    BITMAP info{};
    EXPECT_EQ(missing.GetBitmap(&info), 0);
}

TEST(ResBitmaps, PngBitmapDecodesToItsPixels)
{
    // A PNG made the way a tool would: a picture of a window.
    CWnd window;
    window.m_background = RGB(10, 200, 30);
    ASSERT_TRUE(window.CreateWindowed(0, RECT{0, 0, 5, 3}));
    const std::string path = "/tmp/res_test_" + std::to_string(::getpid()) + ".png";
    ASSERT_TRUE(nimbo::SaveWindowPng(window.m_hWnd, path));
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> png((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::remove(path.c_str());

    HINSTANCE m = nimbo::RegisterResourceModule("res-test-png");
    nimbo::AddBitmapResourcePng(m, 1, png.data(), png.size());
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(m, 1));
    const nimbo::Pixels p = bitmap.GetPixels();
    EXPECT_EQ(p.width, 5);
    EXPECT_EQ(p.height, 3);
    EXPECT_EQ(CountPixels(p, nimbo::ToArgb(RGB(10, 200, 30))), 15);
}

TEST(ResIcons, LoadedOnceSharedAndBlendedByAlpha)
{
    HINSTANCE m = nimbo::RegisterResourceModule("res-test-icons");
    nimbo::AddIconResource(m, 3, [] {
        nimbo::Pixels p = nimbo::MakePixels(2, 1, 0xFFFF0000u);
        p.Set(1, 0, 0x800000FFu);  // half-transparent blue
        return p;
    });
    HICON icon = LoadIconA(m, 3);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(LoadIconA(m, 3), icon);
    EXPECT_EQ(LoadIconA(m, 4), nullptr);

    auto dc = nimbo::CreateImageDC(4, 2, RGB(255, 255, 255));
    EXPECT_TRUE(dc->DrawIcon(1, 1, icon));
    EXPECT_FALSE(dc->DrawIcon(0, 0, nullptr));
    const nimbo::Pixels p = nimbo::DCPixels(dc.get());
    EXPECT_EQ(p.At(1, 1), 0xFFFF0000u);
    const std::uint32_t blended = p.At(2, 1);
    EXPECT_NEAR(static_cast<int>((blended >> 16) & 0xFF), 127, 2);
    EXPECT_NEAR(static_cast<int>((blended >> 8) & 0xFF), 127, 2);
    EXPECT_EQ(blended & 0xFF, 0xFFu);
    EXPECT_EQ(p.At(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(CountPixels(p, 0xFFFFFFFFu), 6);
}

}  // namespace
