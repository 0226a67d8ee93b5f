// The Qt widget behind every window, for platform sources only. It turns
// Qt's events into the window's messages.
#pragma once

#include "platform/winuser.h"

#include <QWidget>

namespace nimbo::win {

class WindowWidget final : public QWidget {
public:
    WindowWidget(HWND handle, QWidget* parent);

    HWND Handle() const { return handle_; }
    // Once its window is destroyed the widget forwards nothing more.
    void Detach() { handle_ = 0; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Forward(UINT message, QMouseEvent* event);
    HWND handle_;
};

// While one lives, CreateWindowed leaves new top-level windows hidden, so
// that a host can put a whole window together (and place it) before anyone
// sees it. Child windows are created visible as always.
class HiddenTopLevels {
public:
    HiddenTopLevels();
    ~HiddenTopLevels();
    HiddenTopLevels(const HiddenTopLevels&) = delete;
    HiddenTopLevels& operator=(const HiddenTopLevels&) = delete;
};
bool CreatingHiddenTopLevels();

}  // namespace nimbo::win
