// Push buttons: pressed by mouse or by program, the parent hears BN_CLICKED.
#include "platform/controls.h"
#include "platform/window/tests/win_recorder.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>

using nimbo::test::Rect;
using nimbo::test::Recorder;

namespace {

QPushButton* NativeButton(HWND window)
{
    for (QWidget* w : QApplication::allWidgets())
        if (w->property("hwnd").toULongLong() == window)
            return w->findChild<QPushButton*>();
    return nullptr;
}

void PressAndRelease(QWidget* widget)
{
    const QPointF at(widget->width() / 2, widget->height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

int Clicks(const Recorder& parent, UINT id)
{
    int n = 0;
    for (const auto& m : parent.log)
        if (m.message == WM_COMMAND && m.wParam == MAKEWPARAM(static_cast<int>(id), BN_CLICKED))
            ++n;
    return n;
}

TEST(CtlButton, ClickAndMouseBothSendBnClicked)
{
    Recorder parent;
    CButton button;
    ASSERT_TRUE(parent.CreateWindowed(0, Rect(0, 0, 200, 100)));
    ASSERT_TRUE(button.Create(parent.m_hWnd, Rect(10, 10, 80, 25), 77, "OK"));
    button.Click();
    EXPECT_EQ(Clicks(parent, 77), 1);
    EXPECT_EQ(static_cast<HWND>(parent.log.back().lParam), button.m_hWnd);

    QPushButton* native = NativeButton(button.m_hWnd);
    ASSERT_NE(native, nullptr);
    PressAndRelease(native);
    EXPECT_EQ(Clicks(parent, 77), 2);
}

TEST(CtlButton, DisabledButtonStaysSilent)
{
    Recorder parent;
    CButton button;
    ASSERT_TRUE(parent.CreateWindowed(0, Rect(0, 0, 200, 100)));
    ASSERT_TRUE(button.Create(parent.m_hWnd, Rect(10, 10, 80, 25), 5, "Go"));
    EnableWindow(button.m_hWnd, FALSE);
    button.Click();
    PressAndRelease(NativeButton(button.m_hWnd));
    EXPECT_EQ(Clicks(parent, 5), 0);
}

TEST(CtlButton, CaptionFollowsWindowText)
{
    Recorder parent;
    CButton button;
    ASSERT_TRUE(parent.CreateWindowed(0, Rect(0, 0, 200, 100)));
    ASSERT_TRUE(button.Create(parent.m_hWnd, Rect(10, 10, 80, 25), 5, "Before"));
    SetWindowTextA(button.m_hWnd, "After");
    EXPECT_EQ(NativeButton(button.m_hWnd)->text().toStdString(), "After");
}

// The parent's handler destroys the button and deletes its object from
// inside the click, mouse or program: nothing may touch either afterwards.
TEST(CtlButton, HandlerMayDestroyTheButtonItClicked)
{
    for (bool byMouse : {false, true}) {
        Recorder parent;
        auto* button = new CButton;
        ASSERT_TRUE(parent.CreateWindowed(0, Rect(0, 0, 200, 100)));
        ASSERT_TRUE(button->Create(parent.m_hWnd, Rect(10, 10, 80, 25), 1, "Close"));
        const HWND handle = button->m_hWnd;
        parent.handler = [&](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
            if (message == WM_COMMAND && button) {
                button->DestroyWindow();
                delete button;
                button = nullptr;
            }
            return std::nullopt;
        };
        if (byMouse)
            PressAndRelease(NativeButton(handle));
        else
            button->Click();
        EXPECT_EQ(button, nullptr);
        EXPECT_FALSE(IsWindow(handle));
        nimbo::RunEventLoop(0);  // the deferred widget goes here
    }
}

TEST(CtlButton, ControlsNeedAParent)
{
    CButton button;
    EXPECT_FALSE(button.Create(0, Rect(0, 0, 10, 10), 1, "alone"));
    EXPECT_EQ(button.m_hWnd, 0u);
}

}  // namespace
