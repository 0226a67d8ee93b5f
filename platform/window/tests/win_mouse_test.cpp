// Input comes from Qt; these hand the window's widget synthetic Qt events
// and look at the messages that come out.
#include "platform/window/tests/win_recorder.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

using nimbo::test::Recorder;
using nimbo::test::Rect;

namespace {

QWidget* WidgetFor(HWND window)
{
    for (QWidget* w : QApplication::allWidgets())
        if (w->property("hwnd").toULongLong() == window)
            return w;
    return nullptr;
}

void Mouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

TEST(WinMouse, DoubleClickArrivesAsDownUpDblclkUp)
{
    Recorder top, child;
    ASSERT_TRUE(top.CreateWindowed(0, Rect(0, 0, 100, 100)));
    ASSERT_TRUE(child.CreateWindowed(top.m_hWnd, Rect(20, 20, 50, 50)));
    QWidget* widget = WidgetFor(child.m_hWnd);
    ASSERT_NE(widget, nullptr);
    child.log.clear();

    const QPoint at(7, 9);
    Mouse(widget, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    Mouse(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    Mouse(widget, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
    Mouse(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);

    const auto clicks = child.Only({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK});
    EXPECT_EQ(clicks, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}));
    for (const auto& m : child.log) {
        if (m.message == WM_LBUTTONDOWN || m.message == WM_LBUTTONDBLCLK) {
            EXPECT_EQ(m.wParam & MK_LBUTTON, MK_LBUTTON);
        }
        if (m.message == WM_LBUTTONUP) {
            EXPECT_EQ(m.wParam & MK_LBUTTON, 0u);
        }
        if (m.message == WM_LBUTTONDOWN || m.message == WM_LBUTTONUP) {
            EXPECT_EQ(GET_X_LPARAM(m.lParam), 7);
            EXPECT_EQ(GET_Y_LPARAM(m.lParam), 9);
        }
    }
}

TEST(WinMouse, RightButtonAndMovesInClientCoordinates)
{
    Recorder top;
    ASSERT_TRUE(top.CreateWindowed(0, Rect(30, 30, 100, 100)));
    QWidget* widget = WidgetFor(top.m_hWnd);
    ASSERT_NE(widget, nullptr);
    top.log.clear();

    Mouse(widget, QEvent::MouseMove, QPoint(40, 50), Qt::NoButton, Qt::NoButton);
    Mouse(widget, QEvent::MouseButtonPress, QPoint(41, 52), Qt::RightButton, Qt::RightButton);
    Mouse(widget, QEvent::MouseMove, QPoint(-3, 60), Qt::NoButton, Qt::RightButton);

    ASSERT_EQ(top.Only({WM_MOUSEMOVE, WM_RBUTTONDOWN}),
              (std::vector<UINT>{WM_MOUSEMOVE, WM_RBUTTONDOWN, WM_MOUSEMOVE}));
    std::vector<nimbo::test::Message> got;
    for (const auto& m : top.log)
        if (m.message == WM_MOUSEMOVE || m.message == WM_RBUTTONDOWN)
            got.push_back(m);
    EXPECT_EQ(got[0].lParam, MAKELPARAM(40, 50));
    EXPECT_EQ(got[0].wParam, 0u);
    EXPECT_EQ(got[1].wParam, MK_RBUTTON);
    EXPECT_EQ(GET_X_LPARAM(got[2].lParam), -3);  // dragged out to the left
    EXPECT_EQ(GET_Y_LPARAM(got[2].lParam), 60);
}

TEST(WinMouse, WindowDestroyedByItsOwnClickHearsNoMore)
{
    Recorder top, driver;
    ASSERT_TRUE(top.CreateWindowed(0, Rect(0, 0, 50, 50)));
    ASSERT_TRUE(driver.CreateWindowed(0, Rect(0, 0, 10, 10)));
    top.handler = [&](UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_LBUTTONDOWN)
            top.DestroyWindow();
        return std::nullopt;
    };
    QPointer<QWidget> widget = WidgetFor(top.m_hWnd);
    ASSERT_NE(widget, nullptr);
    std::size_t afterClick = 0;
    // The click arrives from inside the event loop, as real ones do.
    driver.handler = [&](UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_USER) {
            Mouse(widget, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
            afterClick = top.log.size();
            Mouse(widget, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton, Qt::NoButton);
        }
        return std::nullopt;
    };
    PostMessageA(driver.m_hWnd, WM_USER, 0, 0);
    nimbo::test::RunUntil([&] { return widget.isNull(); });
    EXPECT_EQ(top.m_hWnd, 0u);
    EXPECT_GT(afterClick, 0u);
    EXPECT_EQ(top.log.size(), afterClick);
    EXPECT_TRUE(widget.isNull()) << "the widget outlived the turn of the loop after its window went";
}

}  // namespace
