// Keys and the focus: a control that asks for all keys hears Enter before
// the dialog does, keys it leaves alone still type, and an editor over a
// list's cell hears the focus go.
#include "platform/dialog.h"
#include "platform/window/tests/win_recorder.h"
#include "platform/controls/tests/native_of.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

using nimbo::test::Message;
using nimbo::test::Rect;
using nimbo::test::RunUntil;

using nimbo::test::NativeOf;

namespace {

constexpr UINT kPlain = 100;
constexpr UINT kKeyed = 101;

void Press(QWidget* widget, Qt::Key key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &press);
}

// Keeps Enter to itself when it wants all keys, as an in-place editor does.
class KeyEdit : public CEdit {
public:
    bool wantsAll = true;
    std::vector<Message> keys;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_GETDLGCODE:
            return wantsAll ? DLGC_WANTALLKEYS : 0;
        case WM_KEYDOWN:
        case WM_CHAR:
            keys.push_back({message, wParam, lParam});
            if (message == WM_KEYDOWN && wParam == VK_RETURN)
                return 0;
            break;
        default:
            break;
        }
        return CEdit::WindowProc(message, wParam, lParam);
    }
};

class KeyDialog : public CDialog {
public:
    KeyDialog()
        : CDialog(DialogTemplate{"Keys", 160, 60, "MS Sans Serif", 8,
                                 {{DialogItem::Edit, kPlain, "", 7, 7, 100, 12},
                                  {DialogItem::DefPushButton, IDOK, "OK", 7, 40, 50, 14}}})
    {
    }
    std::vector<int> commands;
    BOOL OnCommand(WPARAM wParam, LPARAM) override
    {
        commands.push_back(LOWORD(wParam));
        return TRUE;
    }
};

struct CtlKeys : ::testing::Test {
    KeyDialog dialog;
    KeyEdit edit;
    void SetUp() override
    {
        ASSERT_TRUE(dialog.Create(0));
        ASSERT_TRUE(edit.Create(dialog.m_hWnd, Rect(10, 40, 100, 21), kKeyed, ""));
        SetFocus(edit.m_hWnd);
        ASSERT_EQ(GetFocus(), edit.m_hWnd);
    }
    int KeyDowns(WPARAM key) const
    {
        return static_cast<int>(std::count_if(edit.keys.begin(), edit.keys.end(), [key](const Message& m) {
            return m.message == WM_KEYDOWN && m.wParam == key;
        }));
    }
};

struct EnterCase {
    bool wantsAll;
    bool realKey;  // through Qt, else nimbo::PressKey
};

class CtlKeysEnter : public CtlKeys, public ::testing::WithParamInterface<EnterCase> {};

TEST_P(CtlKeysEnter, GoesToTheEditOnlyWhenItWantsAllKeys)
{
    edit.wantsAll = GetParam().wantsAll;
    if (GetParam().realKey)
        Press(NativeOf<QLineEdit>(edit.m_hWnd), Qt::Key_Return, QStringLiteral("\r"));
    else
        EXPECT_TRUE(nimbo::PressKey(edit.m_hWnd, VK_RETURN));

    if (GetParam().wantsAll) {
        EXPECT_EQ(KeyDowns(VK_RETURN), 1);
        EXPECT_TRUE(dialog.commands.empty()) << "the default button stays unpressed";
    } else {
        EXPECT_EQ(KeyDowns(VK_RETURN), 0);
        EXPECT_EQ(dialog.commands, std::vector<int>{IDOK});
    }
}

INSTANTIATE_TEST_SUITE_P(Routes, CtlKeysEnter,
                         ::testing::Values(EnterCase{true, true}, EnterCase{false, true}, EnterCase{true, false},
                                           EnterCase{false, false}),
                         [](const auto& info) {
                             return std::string(info.param.wantsAll ? "WantsAll" : "Plain") +
                                    (info.param.realKey ? "RealKey" : "PressKey");
                         });

TEST_F(CtlKeys, KeysLeftToTheDefaultTypeOnce)
{
    Press(NativeOf<QLineEdit>(edit.m_hWnd), Qt::Key_X, QStringLiteral("x"));
    EXPECT_TRUE(nimbo::PressKey(edit.m_hWnd, 'Y'));

    EXPECT_EQ(edit.GetText(), "xy");
    ASSERT_EQ(edit.keys.size(), 4u);
    EXPECT_EQ(edit.keys[0].message, static_cast<UINT>(WM_KEYDOWN));
    EXPECT_EQ(edit.keys[0].wParam, WPARAM{'X'});
    EXPECT_EQ(edit.keys[1].message, static_cast<UINT>(WM_CHAR));
    EXPECT_EQ(edit.keys[1].wParam, WPARAM{'x'});
    EXPECT_EQ(edit.keys[3].wParam, WPARAM{'y'});
}

// Closes itself when the focus leaves, as an in-place editor does.
class CellEditor : public CEdit {
public:
    std::vector<Message> focus;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SETFOCUS || message == WM_KILLFOCUS)
            focus.push_back({message, wParam, lParam});
        if (message == WM_KILLFOCUS)
            PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
        return CEdit::WindowProc(message, wParam, lParam);
    }
};

TEST(CtlFocus, EditorOverACellHearsTheFocusComeAndGo)
{
    nimbo::test::Recorder parent;
    CListCtrl list;
    CellEditor editor;
    ASSERT_TRUE(parent.CreateWindowed(0, Rect(0, 0, 300, 200)));
    ASSERT_TRUE(list.Create(parent.m_hWnd, Rect(5, 5, 280, 180), 205));
    ASSERT_TRUE(editor.Create(list.m_hWnd, Rect(20, 30, 60, 18), 20002, "3"));
    SetFocus(list.m_hWnd);

    EXPECT_EQ(SetFocus(editor.m_hWnd), list.m_hWnd);
    EXPECT_EQ(GetFocus(), editor.m_hWnd);
    SetFocus(list.m_hWnd);
    EXPECT_EQ(GetFocus(), list.m_hWnd);

    ASSERT_EQ(editor.focus.size(), 2u);
    EXPECT_EQ(editor.focus[0].message, static_cast<UINT>(WM_SETFOCUS));
    EXPECT_EQ(editor.focus[0].wParam, WPARAM{list.m_hWnd});
    EXPECT_EQ(editor.focus[1].message, static_cast<UINT>(WM_KILLFOCUS));
    EXPECT_EQ(editor.focus[1].wParam, WPARAM{list.m_hWnd});
    const HWND gone = editor.m_hWnd;
    EXPECT_TRUE(RunUntil([&] { return !IsWindow(gone); })) << "WM_CLOSE destroys a child window";
}

}  // namespace
