#include "clients/edit/edit_value_text.h"
#include "platform/test_support.h"
#include "clients/edit/tests/edit_fixture.h"

namespace {

class EditDataTest : public EditTest {
protected:
    void SetUp() override
    {
        EditTest::SetUp();
        Show();
        ctrl->SetPlc(3);
        ctrl->SetReg(120);
        ctrl->SetBit(kWholeRegister);
        ctrl->SetEnum(3);
        nimbo::TakeInvalidations(ctrl->m_hWnd);
    }
};

TEST_F(EditDataTest, ShowsTheRegisterOfItsPlc)
{
    EXPECT_EQ(Feed(3, 120, 12345), 1);
    EXPECT_EQ(ctrl->value, 12345);
    EXPECT_EQ(ctrl->FormatValueText(), "12345");
}

TEST_F(EditDataTest, DataOfAnotherPlcChangesNothing)
{
    ctrl->SetModifiedFlag(FALSE);
    EXPECT_EQ(Feed(4, 120, 12345), 0);
    EXPECT_EQ(ctrl->value, 0);
    EXPECT_EQ(ctrl->port, nullptr);
    EXPECT_FALSE(ctrl->IsModified());
    EXPECT_TRUE(nimbo::TakeInvalidations(ctrl->m_hWnd).empty());
}

TEST_F(EditDataTest, ChangedValueRepaintsOnlyTheNumber)
{
    const SIZE before = Extent();
    Feed(3, 120, 4711);
    const std::vector<RECT> got = nimbo::TakeInvalidations(ctrl->m_hWnd);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_TRUE(SameRect(got[0], ctrl->valueRect)) << RectText(got[0]);
    EXPECT_EQ(Extent().cx, before.cx);
    EXPECT_EQ(Extent().cy, before.cy);
}

TEST_F(EditDataTest, UnchangedValueRepaintsNothing)
{
    Feed(3, 120, 4711);
    nimbo::TakeInvalidations(ctrl->m_hWnd);
    Feed(3, 120, 4711);
    EXPECT_TRUE(nimbo::TakeInvalidations(ctrl->m_hWnd).empty());
}

// A byte that stays the same still counts as a change when another part
// of the register moved: the cache holds the raw register.
TEST_F(EditDataTest, ChangeIsJudgedOnTheRawRegister)
{
    ctrl->SetBit(0);
    Feed(3, 120, 0x0105);
    nimbo::TakeInvalidations(ctrl->m_hWnd);
    Feed(3, 120, 0x0205);
    EXPECT_EQ(nimbo::TakeInvalidations(ctrl->m_hWnd).size(), 1u);
    EXPECT_EQ(ctrl->FormatValueText(), "00005");
}

TEST_F(EditDataTest, EmptyNumberBoxRepaintsTheWholeControl)
{
    ctrl->SetEnum(35);
    nimbo::TakeInvalidations(ctrl->m_hWnd);
    Feed(3, 120, 9);
    const std::vector<RECT> got = nimbo::TakeInvalidations(ctrl->m_hWnd);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_TRUE(SameRect(got[0], ctrl->controlRect)) << RectText(got[0]);
    EXPECT_EQ(ctrl->controlRect.right, 8);
}

TEST_F(EditDataTest, OfflineAndBack)
{
    Feed(3, 120, 5);
    nimbo::TakeInvalidations(ctrl->m_hWnd);
    EXPECT_EQ(SendMessageA(ctrl->m_hWnd, WM_PLC_OFFLINE, 0, 0), 1);
    EXPECT_EQ(ctrl->offline, 1);
    EXPECT_EQ(ctrl->GetReadyState(), READYSTATE_COMPLETE);
    std::vector<RECT> got = nimbo::TakeInvalidations(ctrl->m_hWnd);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_TRUE(SameRect(got[0], ctrl->controlRect));

    Feed(3, 120, 5);
    EXPECT_EQ(ctrl->offline, 0);
    EXPECT_EQ(ctrl->GetReadyState(), READYSTATE_LOADING);
    got = nimbo::TakeInvalidations(ctrl->m_hWnd);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_TRUE(SameRect(got[0], ctrl->controlRect));
}

TEST_F(EditDataTest, PublishesItsIdentity)
{
    Feed(3, 120, 5);
    auto* info = reinterpret_cast<CClientInfo*>(GetWindowLongA(ctrl->m_hWnd, GWL_USERDATA));
    ASSERT_EQ(info, &ctrl->info);
    EXPECT_EQ(info->signature, CLIENT_SIGNATURE);
    EXPECT_STREQ(info->typeName, "Zem STATIC Control");
}

}  // namespace
