#include "platform/dialog.h"
#include "platform/scripting.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kCount = 10, kTitle = 11, kSpeed = 12, kEnabled = 13;

DialogTemplate Settings()
{
    DialogTemplate t;
    t.caption = "Settings";
    t.cx = 200;
    t.cy = 100;
    t.items = {
        {DialogItem::Edit, kCount, "", 7, 7, 60, 12},
        {DialogItem::Edit, kTitle, "", 7, 23, 60, 12},
        {DialogItem::ComboBox, kSpeed, "Slow\nMedium\nFast", 7, 39, 60, 50},
        {DialogItem::CheckBox, kEnabled, "Enabled", 7, 55, 60, 10},
        {DialogItem::GroupBox, IDC_STATIC, "Limits", 80, 7, 100, 60},
        {DialogItem::DefPushButton, IDOK, "OK", 90, 80, 50, 14},
        {DialogItem::Button, IDCANCEL, "Cancel", 143, 80, 50, 14},
    };
    return t;
}

class SettingsDialog : public CDialog {
public:
    SettingsDialog() : CDialog(Settings()) {}
    std::int32_t count = 5;
    std::string title = "Line";
    int speed = 1;
    BOOL enabled = TRUE;
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, kCount, count);
        DDV_MinMaxLong(pDX, count, 1, 10);
        DDX_Text(pDX, kTitle, title);
        DDV_MaxChars(pDX, title, 6);
        DDX_CBIndex(pDX, kSpeed, speed);
        DDX_Check(pDX, kEnabled, enabled);
    }
};

class DlgExchange : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dialog.Create(0)); }
    void TearDown() override { nimbo::SetDialogDriver(nullptr); }

    // The text of the box the last call showed; empty when it showed none.
    template <class F>
    std::string Shown(F&& call)
    {
        const int before = nimbo::MessageBoxCount();
        ::testing::internal::CaptureStderr();
        call();
        ::testing::internal::GetCapturedStderr();
        return nimbo::MessageBoxCount() == before ? std::string() : nimbo::LastMessageBoxText();
    }

    SettingsDialog dialog;
};

TEST_F(DlgExchange, FieldsAreFilledFromMembers)
{
    EXPECT_EQ(dialog.GetDlgItemText(kCount), "5");
    EXPECT_EQ(dialog.GetDlgItemText(kTitle), "Line");
    EXPECT_EQ(dialog.Item<CComboBox>(kSpeed)->GetCurSel(), 1);
    EXPECT_EQ(dialog.Item<CComboBox>(kSpeed)->GetCount(), 3);
    EXPECT_EQ(dialog.IsDlgButtonChecked(kEnabled), 1u);
}

TEST_F(DlgExchange, GoodFieldsComeBack)
{
    dialog.SetDlgItemText(kCount, "7");
    dialog.SetDlgItemText(kTitle, "Pump");
    dialog.Item<CComboBox>(kSpeed)->SetCurSel(2, true);
    ASSERT_TRUE(dialog.ClickDlgButton(kEnabled));
    EXPECT_EQ(Shown([&] { EXPECT_TRUE(dialog.UpdateData(TRUE)); }), "");
    EXPECT_EQ(dialog.count, 7);
    EXPECT_EQ(dialog.title, "Pump");
    EXPECT_EQ(dialog.speed, 2);
    EXPECT_EQ(dialog.enabled, FALSE);
    EXPECT_EQ(dialog.LastFailedItem(), 0);
}

TEST_F(DlgExchange, NotAnIntegerIsRefused)
{
    dialog.SetDlgItemText(kCount, "seven");
    EXPECT_EQ(Shown([&] { EXPECT_FALSE(dialog.UpdateData(TRUE)); }), "Please enter an integer.");
    EXPECT_EQ(dialog.LastFailedItem(), static_cast<int>(kCount));
    EXPECT_EQ(dialog.count, 5);
}

TEST_F(DlgExchange, OutOfRangeNamesTheRange)
{
    dialog.SetDlgItemText(kCount, "11");
    EXPECT_EQ(Shown([&] { EXPECT_FALSE(dialog.UpdateData(TRUE)); }), "Please enter an integer between 1 and 10.");
    EXPECT_EQ(dialog.LastFailedItem(), static_cast<int>(kCount));
}

TEST_F(DlgExchange, TooLongNamesTheLimitAndStopsThere)
{
    dialog.SetDlgItemText(kCount, "3");
    dialog.SetDlgItemText(kTitle, "Pressure");
    dialog.Item<CComboBox>(kSpeed)->SetCurSel(0, true);
    EXPECT_EQ(Shown([&] { EXPECT_FALSE(dialog.UpdateData(TRUE)); }), "Please enter no more than 6 characters.");
    EXPECT_EQ(dialog.LastFailedItem(), static_cast<int>(kTitle));
    EXPECT_EQ(dialog.count, 3);  // before the failure: taken, as MFC does
    EXPECT_EQ(dialog.speed, 1);  // after it: untouched
}

TEST_F(DlgExchange, CharactersNotBytesAreCounted)
{
    dialog.SetDlgItemText(kTitle, "\xC3\xA9t\xC3\xA9s!!");  // six characters, eight bytes
    EXPECT_EQ(Shown([&] { EXPECT_TRUE(dialog.UpdateData(TRUE)); }), "");
}

TEST(DlgExchangeModal, OkStaysOpenUntilTheFieldsPass)
{
    SettingsDialog dialog;
    int shown = -1;
    std::string text;
    bool openAfterFailure = false;
    nimbo::SetDialogDriver([&](CDialog& d) {
        d.SetDlgItemText(kCount, "0");
        const int before = nimbo::MessageBoxCount();
        d.ClickDlgButton(IDOK);
        shown = nimbo::MessageBoxCount() - before;
        text = nimbo::LastMessageBoxText();
        openAfterFailure = IsWindow(d.m_hWnd) != 0;
        d.SetDlgItemText(kCount, "9");
        d.ClickDlgButton(IDOK);
    });
    ::testing::internal::CaptureStderr();
    const INT_PTR result = dialog.DoModal(0);
    ::testing::internal::GetCapturedStderr();
    nimbo::SetDialogDriver(nullptr);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(text, "Please enter an integer between 1 and 10.");
    EXPECT_TRUE(openAfterFailure);
    EXPECT_EQ(dialog.count, 9);
}

}  // namespace
