// Painting windows, for platform sources only.
#pragma once

#include "platform/winuser.h"

class QWidget;
class QRegion;

namespace nimbo::win {

// Runs a Qt paint of the window as WM_ERASEBKGND (when asked for, or when
// the paint did not come from InvalidateRect) and WM_PAINT.
void PaintWindow(HWND window, QWidget* widget, const QRegion& region);

// While set, every paint erases and leaves what InvalidateRect asked for
// pending: a grab must see whole windows and change nothing.
void SetGrabbing(bool grabbing);

// Shown again: whatever the next paint covers has nothing worth keeping.
void ForgetPendingUpdate(HWND window);

}  // namespace nimbo::win
