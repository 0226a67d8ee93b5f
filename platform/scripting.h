// Driving the user interface from a script or a test instead of a person:
// who answers modal dialogs and popup menus, and what message boxes said.
// The script container and tests include it; controls, the server and the
// host programs never do.
#pragma once

#include "platform/export.h"
#include "platform/menu.h"
#include "platform/winuser.h"

#include <functional>
#include <string>
#include <vector>

class CDialog;

namespace nimbo {

// Who answers modal dialogs. When set, DoModal calls it once the dialog is
// up and its loop runs; it fills fields and presses buttons, or arranges
// for something else to end the dialog. With none and no display, DoModal
// says so on standard error and answers IDCANCEL at once. Empty: none.
NIMBO_PLATFORM_API void SetDialogDriver(std::function<void(CDialog&)> driver);

// Who answers popup menus. When set, TrackPopupMenu calls it with the
// menu's entries while the menu is open, and takes the identifier it
// answers as the user's choice (0: closed without a choice). With none and
// no display, nothing is chosen. Empty: none.
NIMBO_PLATFORM_API void SetMenuDriver(std::function<UINT(const std::vector<MenuEntry>&)> driver);

// What message boxes said while no one could answer them (no display):
// each box writes its text to standard error, answers its default button
// and leaves the text here.
NIMBO_PLATFORM_API const std::string& LastMessageBoxText();
NIMBO_PLATFORM_API int MessageBoxCount();

}  // namespace nimbo
