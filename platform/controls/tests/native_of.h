// The Qt widget inside a standard control's window, for tests that hand it
// synthetic input or read what it shows.
#pragma once

#include "platform/winuser.h"

#include <QApplication>
#include <QWidget>

namespace nimbo::test {

template <class W>
W* NativeOf(HWND window)
{
    for (QWidget* w : QApplication::allWidgets())
        if (w->property("hwnd").toULongLong() == window)
            return w->findChild<W*>();
    return nullptr;
}

}  // namespace nimbo::test
