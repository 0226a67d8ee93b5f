#include "platform/dialog.h"
#include "platform/window/tests/win_recorder.h"
#include "platform/scripting.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

#include <optional>

namespace {

constexpr UINT kName = 100;

HINSTANCE Module()
{
    static HINSTANCE module = [] {
        HINSTANCE m = nimbo::RegisterResourceModule("dlg-modal-tests");
        DialogTemplate t;
        t.caption = "Rename";
        t.cx = 160;
        t.cy = 60;
        t.items = {
            {DialogItem::Static, IDC_STATIC, "Name:", 7, 9, 30, 8},
            {DialogItem::Edit, kName, "", 40, 7, 110, 12},
            {DialogItem::DefPushButton, IDOK, "OK", 46, 39, 50, 14},
            {DialogItem::Button, IDCANCEL, "Cancel", 103, 39, 50, 14},
        };
        nimbo::AddDialogResource(m, 1, t);
        return m;
    }();
    return module;
}

class RenameDialog : public CDialog {
public:
    RenameDialog() : CDialog(Module(), 1) {}
    std::string name = "first";
    int initialised = 0;
    BOOL OnInitDialog() override
    {
        ++initialised;
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, kName, name); }
};

class DlgModal : public ::testing::Test {
protected:
    void TearDown() override { nimbo::SetDialogDriver(nullptr); }
};

TEST_F(DlgModal, DriverSeesFilledFieldsAndOkTakesThemBack)
{
    RenameDialog dialog;
    std::string seen;
    nimbo::SetDialogDriver([&](CDialog& d) {
        seen = d.GetDlgItemText(kName);
        d.SetDlgItemText(kName, "second");
        d.ClickDlgButton(IDOK);
    });
    EXPECT_EQ(dialog.DoModal(0), IDOK);
    EXPECT_EQ(seen, "first");
    EXPECT_EQ(dialog.name, "second");
    EXPECT_EQ(dialog.m_hWnd, 0u);
}

TEST_F(DlgModal, CancelLeavesMembersAlone)
{
    RenameDialog dialog;
    nimbo::SetDialogDriver([](CDialog& d) {
        d.SetDlgItemText(kName, "changed");
        d.ClickDlgButton(IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(0), IDCANCEL);
    EXPECT_EQ(dialog.name, "first");
}

TEST_F(DlgModal, ClosingTheFrameCancels)
{
    RenameDialog dialog;
    nimbo::SetDialogDriver([](CDialog& d) { SendMessageA(d.m_hWnd, WM_CLOSE, 0, 0); });
    EXPECT_EQ(dialog.DoModal(0), IDCANCEL);
}

TEST_F(DlgModal, WithoutDriverOrDisplayCancelsAtOnce)
{
    ASSERT_TRUE(nimbo::IsHeadless());
    RenameDialog dialog;
    ::testing::internal::CaptureStderr();
    const INT_PTR result = dialog.DoModal(0);
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_NE(said.find("dialog Rename: cancelled (no display)\n"), std::string::npos);
    EXPECT_EQ(dialog.initialised, 0);
}

TEST_F(DlgModal, RunsAgainAfterClosing)
{
    RenameDialog dialog;
    nimbo::SetDialogDriver([](CDialog& d) { d.EndDialog(7); });
    EXPECT_EQ(dialog.DoModal(0), 7);
    EXPECT_EQ(dialog.DoModal(0), 7);
    EXPECT_EQ(dialog.initialised, 2);
}

TEST_F(DlgModal, OtherWindowsTimersKeepFiring)
{
    nimbo::test::Recorder other;
    ASSERT_TRUE(other.CreateWindowed(0, nimbo::test::Rect(0, 0, 20, 20)));
    RenameDialog dialog;
    int ticks = 0;
    other.handler = [&](UINT message, WPARAM id, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_TIMER && id == 1 && ++ticks == 3)
            dialog.EndDialog(IDOK);
        if (message == WM_TIMER && id == 2)
            dialog.EndDialog(-2);  // the bound on the wait, not a timing check
        return std::nullopt;
    };
    nimbo::SetDialogDriver([&](CDialog&) {
        SetTimer(other.m_hWnd, 1, 10, nullptr);
        SetTimer(other.m_hWnd, 2, 10000, nullptr);
    });
    EXPECT_EQ(dialog.DoModal(other.m_hWnd), IDOK);
    EXPECT_EQ(ticks, 3);
    KillTimer(other.m_hWnd, 1);
    KillTimer(other.m_hWnd, 2);
}

TEST_F(DlgModal, DestroyedWindowEndsTheLoop)
{
    RenameDialog dialog;
    nimbo::SetDialogDriver([](CDialog& d) { d.DestroyWindow(); });
    EXPECT_EQ(dialog.DoModal(0), -1);
}

TEST_F(DlgModal, ModelessDialogGoesOnEndDialog)
{
    RenameDialog dialog;
    ASSERT_TRUE(dialog.Create(0));
    EXPECT_FALSE(dialog.IsModal());
    EXPECT_EQ(dialog.GetDlgItemText(kName), "first");
    dialog.SetDlgItemText(kName, "typed");
    dialog.ClickDlgButton(IDOK);
    EXPECT_EQ(dialog.name, "typed");
    EXPECT_EQ(dialog.m_hWnd, 0u);
    EXPECT_TRUE(dialog.Create(0));  // and can be made again
}

TEST_F(DlgModal, IntegersReadAsWin32ReadsThem)
{
    RenameDialog dialog;
    ASSERT_TRUE(dialog.Create(0));
    BOOL ok = FALSE;
    dialog.SetDlgItemText(kName, " -12 ");
    EXPECT_EQ(static_cast<int>(dialog.GetDlgItemInt(kName, &ok, TRUE)), -12);
    EXPECT_TRUE(ok);
    dialog.GetDlgItemInt(kName, &ok, FALSE);
    EXPECT_FALSE(ok);
    for (const char* bad : {"", "12x", "4294967296", "--1", "1 2"}) {
        dialog.SetDlgItemText(kName, bad);
        dialog.GetDlgItemInt(kName, &ok, TRUE);
        EXPECT_FALSE(ok) << bad;
    }
    dialog.SetDlgItemInt(kName, static_cast<UINT>(-5), TRUE);
    EXPECT_EQ(dialog.GetDlgItemText(kName), "-5");
    dialog.SetDlgItemInt(kName, 4000000000u, FALSE);
    EXPECT_EQ(dialog.GetDlgItemInt(kName, &ok, FALSE), 4000000000u);
    EXPECT_TRUE(ok);
}

// An owner in a corner of the screen: the dialog centred over it would
// stick out of the screen, and is moved back whole into it.
struct Corner {
    const char* name;
    bool right;
    bool bottom;
};
void PrintTo(const Corner& c, std::ostream* os) { *os << c.name; }

class DlgPlacement : public DlgModal, public ::testing::WithParamInterface<Corner> {};

TEST_P(DlgPlacement, StaysWholeOnTheScreenOfItsOwner)
{
    nimbo::test::Recorder owner;
    ASSERT_TRUE(owner.CreateWindowed(0, nimbo::test::Rect(0, 0, 20, 20)));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const Corner& corner = GetParam();
    const int x = corner.right ? screen.right() + 1 - 20 : screen.left();
    const int y = corner.bottom ? screen.bottom() + 1 - 20 : screen.top();
    MoveWindow(owner.m_hWnd, x, y, 20, 20, FALSE);
    RECT placed{};
    RenameDialog dialog;
    nimbo::SetDialogDriver([&](CDialog& d) {
        GetWindowRect(d.m_hWnd, &placed);
        d.EndDialog(IDOK);
    });
    ASSERT_EQ(dialog.DoModal(owner.m_hWnd), IDOK);
    // Centred, it would stick out by half its size less ten pixels.
    EXPECT_GE(placed.left, screen.left());
    EXPECT_GE(placed.top, screen.top());
    EXPECT_LE(placed.right, screen.right() + 1);
    EXPECT_LE(placed.bottom, screen.bottom() + 1);
}

INSTANTIATE_TEST_SUITE_P(Corners, DlgPlacement,
                         ::testing::Values(Corner{"TopLeft", false, false}, Corner{"BottomRight", true, true},
                                           Corner{"TopRight", true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
