// Popup menus: the choice comes back as a posted WM_COMMAND, or as the
// answer with TPM_RETURNCMD; without a display nobody chooses.
#include "platform/menu.h"
#include "platform/window/tests/win_recorder.h"
#include "platform/scripting.h"

#include <gtest/gtest.h>

using nimbo::test::Rect;
using nimbo::test::Recorder;

namespace {

constexpr UINT kInsert = 301;
constexpr UINT kDelete = 302;

struct WinMenu : ::testing::Test {
    Recorder owner;
    HMENU menu = nullptr;
    std::vector<nimbo::MenuEntry> offered;
    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateWindowed(0, Rect(0, 0, 100, 100)));
        menu = CreatePopupMenu();
        AppendMenuA(menu, MF_STRING, kInsert, "&Insert row");
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu, MF_STRING, kDelete, "&Delete row");
    }
    void TearDown() override
    {
        DestroyMenu(menu);
        nimbo::SetMenuDriver(nullptr);
    }
    void Choose(UINT id)
    {
        nimbo::SetMenuDriver([this, id](const std::vector<nimbo::MenuEntry>& entries) {
            offered = entries;
            return id;
        });
    }
};

TEST_F(WinMenu, ChoiceIsPostedToTheOwner)
{
    Choose(kDelete);
    EXPECT_TRUE(TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, 10, 10, 0, owner.m_hWnd, nullptr));
    ASSERT_EQ(offered.size(), 3u);
    EXPECT_EQ(offered[0].text, "&Insert row");
    EXPECT_TRUE(offered[1].separator);
    EXPECT_EQ(offered[2].id, kDelete);
    EXPECT_EQ(owner.Count(WM_COMMAND), 0) << "posted, not sent";

    ASSERT_TRUE(nimbo::test::RunUntil([&] { return owner.Count(WM_COMMAND) == 1; }));
    const auto command = *std::find_if(owner.log.begin(), owner.log.end(),
                                       [](const nimbo::test::Message& m) { return m.message == WM_COMMAND; });
    EXPECT_EQ(command.wParam, WPARAM{kDelete});
    EXPECT_EQ(command.lParam, 0);
}

TEST_F(WinMenu, ReturnCmdAnswersTheChoiceInstead)
{
    Choose(kInsert);
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 10, 10, 0, owner.m_hWnd, nullptr), static_cast<BOOL>(kInsert));
    nimbo::RunEventLoop(20);
    EXPECT_EQ(owner.Count(WM_COMMAND), 0);
}

TEST_F(WinMenu, NobodyChoosesWithoutADisplay)
{
    if (!nimbo::IsHeadless())
        GTEST_SKIP() << "a person would be asked";
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 10, 10, 0, owner.m_hWnd, nullptr), 0);
    EXPECT_EQ(TrackPopupMenu(menu, 0, 10, 10, 0, owner.m_hWnd, nullptr), 0);
    nimbo::RunEventLoop(20);
    EXPECT_EQ(owner.Count(WM_COMMAND), 0);
}

}  // namespace
