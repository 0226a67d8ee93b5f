#include "platform/dialog.h"
#include "platform/scripting.h"

#include <gtest/gtest.h>

namespace {

HICON SolidIcon(UINT id, std::uint32_t argb)
{
    HINSTANCE module = nimbo::RegisterResourceModule("dlg-about-tests");
    nimbo::AddIconResource(module, id, [argb] { return nimbo::MakePixels(32, 32, argb); });
    return LoadIconA(module, id);
}

TEST(DlgAbout, IconsEitherSideOfTheLineAndOk)
{
    const HICON red = SolidIcon(1, 0xFFFF0000u);
    const HICON blue = SolidIcon(2, 0xFF0000FFu);
    std::string caption;
    std::vector<std::string> texts;
    nimbo::Pixels picture;
    nimbo::SetDialogDriver([&](CDialog& d) {
        caption = d.FrameCaption();
        for (const DialogItem& item : d.Template()->items)
            texts.push_back(item.text);
        picture = nimbo::GrabWindowPixels(d.m_hWnd);
        d.ClickDlgButton(IDOK);
    });
    const INT_PTR result = nimbo::ShowAboutBox(0, "About Nimbo", red, blue, "Nimbo Version 1.0");
    nimbo::SetDialogDriver(nullptr);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(caption, "About Nimbo");
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Nimbo Version 1.0"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "OK"), texts.end());
    ASSERT_FALSE(picture.Empty());
    EXPECT_EQ(picture.At(20, 20), 0xFFFF0000u);                  // left: 7 units in
    EXPECT_EQ(picture.At(picture.width - 20, 20), 0xFF0000FFu);  // right: 7 units from the edge
}

TEST(DlgAbout, WithNobodyToAnswerItIsCancelled)
{
    ::testing::internal::CaptureStderr();
    const INT_PTR result = nimbo::ShowAboutBox(0, "About Nimbo", nullptr, nullptr, "line");
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_NE(said.find("dialog About Nimbo: cancelled (no display)"), std::string::npos);
}

}  // namespace
