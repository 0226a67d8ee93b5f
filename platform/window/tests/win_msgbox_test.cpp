#include "platform/winuser.h"
#include "platform/scripting.h"

#include <gtest/gtest.h>

namespace {

TEST(WinMessageBox, WithoutADisplayAnswersAtOnceAndKeepsTheText)
{
    if (!nimbo::IsHeadless())
        GTEST_SKIP() << "a display is there: boxes would wait for a person";
    const int before = nimbo::MessageBoxCount();

    ::testing::internal::CaptureStderr();
    EXPECT_EQ(MessageBoxA(0, "Line one\nline two", "Port", MB_OK | MB_ICONEXCLAMATION), IDOK);
    const std::string written = ::testing::internal::GetCapturedStderr();

    EXPECT_EQ(written, "Port: Line one\nline two\n");
    EXPECT_EQ(nimbo::LastMessageBoxText(), "Line one\nline two");
    EXPECT_EQ(nimbo::MessageBoxCount(), before + 1);
}

TEST(WinMessageBox, AnswersTheDefaultButton)
{
    if (!nimbo::IsHeadless())
        GTEST_SKIP() << "a display is there: boxes would wait for a person";
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(MessageBoxA(0, "a", "c", MB_OKCANCEL), IDOK);
    EXPECT_EQ(MessageBoxA(0, "b", "c", MB_YESNO | MB_ICONQUESTION), IDYES);
    EXPECT_EQ(MessageBoxA(0, "c", "c", MB_YESNO | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(MessageBoxA(0, "d", "c", MB_YESNOCANCEL | MB_DEFBUTTON3), IDCANCEL);
    EXPECT_EQ(MessageBoxA(0, "e", "c", MB_OK | MB_DEFBUTTON3), IDOK);
    EXPECT_EQ(MessageBoxA(0, nullptr, nullptr, MB_OK), IDOK);
    const std::string written = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(written.find("Error: \n"), std::string::npos);
    EXPECT_EQ(nimbo::LastMessageBoxText(), "");
}

}  // namespace
