// Static text and edits: their window text, their notifications, their look.
#include "platform/controls.h"
#include "platform/dialog.h"
#include "platform/window/tests/win_recorder.h"
#include "platform/wingdi.h"
#include "platform/controls/tests/native_of.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

using nimbo::test::Rect;
using nimbo::test::Recorder;

using nimbo::test::NativeOf;

namespace {

std::vector<WORD> Notifications(const Recorder& parent, HWND from)
{
    std::vector<WORD> codes;
    for (const auto& m : parent.log)
        if (m.message == WM_COMMAND && static_cast<HWND>(m.lParam) == from)
            codes.push_back(HIWORD(static_cast<LPARAM>(m.wParam)));
    return codes;
}

std::string WindowText(HWND window)
{
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

void Type(QWidget* widget, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &press);
}

TEST(CtlEdit, SetTextNotifiesTheParentWithIdAndHandle)
{
    Recorder parent;
    CEdit edit;
    ASSERT_TRUE(parent.CreateWindowed(0, Rect(0, 0, 200, 100)));
    ASSERT_TRUE(edit.Create(parent.m_hWnd, Rect(5, 5, 100, 21), 42, "first"));
    EXPECT_TRUE(Notifications(parent, edit.m_hWnd).empty()) << "creating an edit is no change";

    parent.log.clear();
    edit.SetText("second");
    ASSERT_EQ(parent.Count(WM_COMMAND), 1);
    EXPECT_EQ(parent.log.back().wParam, MAKEWPARAM(42, EN_CHANGE));
    EXPECT_EQ(static_cast<HWND>(parent.log.back().lParam), edit.m_hWnd);
    EXPECT_EQ(edit.GetText(), "second");
    edit.SetText("second");
    EXPECT_EQ(parent.Count(WM_COMMAND), 2) << "the same text set again is a change all the same";
}

TEST(CtlEdit, WindowTextIsTheEditContentsBothWays)
{
    Recorder parent;
    CEdit edit;
    ASSERT_TRUE(parent.CreateWindowed(0, Rect(0, 0, 200, 100)));
    ASSERT_TRUE(edit.Create(parent.m_hWnd, Rect(5, 5, 100, 21), 7, "abc"));
    EXPECT_EQ(WindowText(edit.m_hWnd), "abc");

    ASSERT_TRUE(SetWindowTextA(edit.m_hWnd, "from the handle"));
    EXPECT_EQ(edit.GetText(), "from the handle");
    EXPECT_EQ(NativeOf<QLineEdit>(edit.m_hWnd)->text().toStdString(), "from the handle");
    EXPECT_EQ(SendMessageA(edit.m_hWnd, WM_GETTEXTLENGTH, 0, 0), 15);
}

TEST(CtlEdit, TypingChangesTheTextAndNotifies)
{
    Recorder parent;
    CEdit edit;
    ASSERT_TRUE(parent.CreateWindowed(0, Rect(0, 0, 200, 100)));
    ASSERT_TRUE(edit.Create(parent.m_hWnd, Rect(5, 5, 100, 21), 3, "ab"));
    QLineEdit* native = NativeOf<QLineEdit>(edit.m_hWnd);
    ASSERT_NE(native, nullptr);
    native->setCursorPosition(2);
    parent.log.clear();

    QKeyEvent press(QEvent::KeyPress, Qt::Key_C, Qt::NoModifier, QStringLiteral("c"));
    QCoreApplication::sendEvent(native, &press);

    EXPECT_EQ(WindowText(edit.m_hWnd), "abc");
    EXPECT_EQ(Notifications(parent, edit.m_hWnd), std::vector<WORD>{EN_CHANGE});
}

TEST(CtlEdit, LimitReadOnlyAndPassword)
{
    Recorder parent;
    CEdit edit, secret;
    ASSERT_TRUE(parent.CreateWindowed(0, Rect(0, 0, 200, 100)));
    ASSERT_TRUE(edit.Create(parent.m_hWnd, Rect(5, 5, 100, 21), 1, ""));
    ASSERT_TRUE(secret.Create(parent.m_hWnd, Rect(5, 30, 100, 21), 2, "pw", true));
    edit.SetLimitText(3);
    edit.SetReadOnly(true);
    QLineEdit* native = NativeOf<QLineEdit>(edit.m_hWnd);
    EXPECT_EQ(native->maxLength(), 3);
    EXPECT_TRUE(native->isReadOnly());
    EXPECT_EQ(NativeOf<QLineEdit>(secret.m_hWnd)->echoMode(), QLineEdit::Password);
    EXPECT_EQ(secret.GetText(), "pw");
}

// What was set is what is read, whichever line ends it has.
class CtlMultiLine : public ::testing::TestWithParam<std::string> {};

TEST_P(CtlMultiLine, TextComesBackAsItWasSet)
{
    Recorder parent;
    CEdit edit;
    ASSERT_TRUE(parent.CreateWindowed(0, Rect(0, 0, 200, 100)));
    ASSERT_TRUE(edit.CreateMultiLine(parent.m_hWnd, Rect(5, 5, 150, 60), 8, "", true));
    edit.SetText(GetParam());
    EXPECT_EQ(edit.GetText(), GetParam());
    EXPECT_EQ(WindowText(edit.m_hWnd), GetParam());
    EXPECT_FALSE(NativeOf<QPlainTextEdit>(edit.m_hWnd)->toPlainText().contains(QLatin1Char('\r')))
        << "shown as lines";
}

INSTANTIATE_TEST_SUITE_P(Texts, CtlMultiLine,
                         ::testing::Values("one\r\ntwo\r\n", "a\nb", "", "line\r\n\r\nafter a blank"));

TEST(CtlEdit, TypedLinesEndWithCrLf)
{
    Recorder parent;
    CEdit edit;
    ASSERT_TRUE(parent.CreateWindowed(0, Rect(0, 0, 200, 100)));
    ASSERT_TRUE(edit.CreateMultiLine(parent.m_hWnd, Rect(5, 5, 150, 60), 8, "ab", false));
    QPlainTextEdit* native = NativeOf<QPlainTextEdit>(edit.m_hWnd);
    native->moveCursor(QTextCursor::End);
    parent.log.clear();

    Type(native, Qt::Key_Return, QStringLiteral("\r"));
    Type(native, Qt::Key_C, QStringLiteral("c"));

    EXPECT_EQ(edit.GetText(), "ab\r\nc");
    EXPECT_FALSE(Notifications(parent, edit.m_hWnd).empty());
}

TEST(CtlEdit, TemplateItemsMakeReadOnlyLinesAndLimitedPasswords)
{
    DialogItem log{DialogItem::Edit, 1, "first\r\nsecond", 7, 7, 150, 40};
    log.multiLine = log.readOnly = true;
    DialogItem pin{DialogItem::Edit, 2, "", 7, 60, 60, 12};
    pin.password = true;
    pin.limit = 4;
    DialogTemplate t;
    t.caption = "Items";
    t.cx = 200;
    t.cy = 100;
    t.items = {log, pin};
    CDialog dialog(t);
    ASSERT_TRUE(dialog.Create(0));

    QPlainTextEdit* lines = NativeOf<QPlainTextEdit>(dialog.GetDlgItem(1));
    ASSERT_NE(lines, nullptr);
    EXPECT_EQ(lines->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(lines->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    Type(lines, Qt::Key_X, QStringLiteral("x"));
    EXPECT_EQ(dialog.GetDlgItemText(1), "first\r\nsecond");

    QLineEdit* secret = NativeOf<QLineEdit>(dialog.GetDlgItem(2));
    ASSERT_NE(secret, nullptr);
    EXPECT_EQ(secret->echoMode(), QLineEdit::Password);
    for (char c : std::string("123456"))
        Type(secret, Qt::Key_0 + (c - '0'), QString(QLatin1Char(c)));
    EXPECT_EQ(dialog.GetDlgItemText(2), "1234");
}

TEST(CtlStatic, TextWithoutMnemonicsInTheDialogFont)
{
    Recorder parent;
    CStatic label;
    ASSERT_TRUE(parent.CreateWindowed(0, Rect(0, 0, 200, 100)));
    ASSERT_TRUE(label.Create(parent.m_hWnd, Rect(5, 5, 120, 40), 9, "&Speed && feed"));
    QLabel* native = NativeOf<QLabel>(label.m_hWnd);
    ASSERT_NE(native, nullptr);
    EXPECT_EQ(native->text().toStdString(), "Speed & feed");
    EXPECT_EQ(WindowText(label.m_hWnd), "&Speed && feed");
    EXPECT_EQ(native->font().pixelSize(), 11);
    EXPECT_TRUE(native->wordWrap());
    EXPECT_EQ(native->alignment(), Qt::AlignLeft | Qt::AlignTop);
}

// The label's window shows its parent's grey where there is no text, and
// a long text wraps onto a second line instead of running off the edge.
TEST(CtlStatic, SeeThroughAndWrapping)
{
    Recorder parent;
    CStatic label;
    ASSERT_TRUE(parent.CreateWindowed(0, Rect(0, 0, 200, 100)));
    ASSERT_TRUE(label.Create(parent.m_hWnd, Rect(10, 10, 80, 60), 1, "wrap these words please"));
    const nimbo::Pixels pixels = nimbo::GrabWindowPixels(parent.m_hWnd);
    ASSERT_EQ(pixels.width, 200);

    auto dark = [&](int x0, int y0, int x1, int y1) {
        int count = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if ((pixels.At(x, y) & 0xFFFFFF) != 0xC0C0C0)
                    ++count;
        return count;
    };
    EXPECT_GT(dark(10, 10, 90, 23), 0) << "first line";
    EXPECT_GT(dark(10, 23, 90, 37), 0) << "second line";
    EXPECT_EQ(dark(10, 55, 90, 70), 0) << "below the text the parent's grey shows";
    EXPECT_EQ(dark(90, 10, 200, 100), 0) << "nothing outside the label";
}

}  // namespace
