// Popup menus: built item by item, tracked at a point of the screen until
// the user chooses an item or closes the menu, then destroyed.
#pragma once

#include "platform/export.h"
#include "platform/winuser.h"

#include <functional>
#include <string>
#include <vector>

struct PopupMenu;
using HMENU = PopupMenu*;

constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_SEPARATOR = 0x0800;

constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_LEFTBUTTON = 0x0000;
constexpr UINT TPM_RIGHTBUTTON = 0x0002;
constexpr UINT TPM_RETURNCMD = 0x0100;

NIMBO_PLATFORM_API HMENU CreatePopupMenu();
NIMBO_PLATFORM_API BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR id, const char* text);
// Shows the menu at (x, y) in screen coordinates and waits until it
// closes. A chosen item with a non-zero identifier is posted to owner as
// WM_COMMAND (identifier in the low word, 0 above); with TPM_RETURNCMD the
// identifier is answered instead and nothing is posted. Answers 0 when
// nothing was chosen.
NIMBO_PLATFORM_API BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner,
                                       const RECT* unused);
NIMBO_PLATFORM_API BOOL DestroyMenu(HMENU menu);

namespace nimbo {

struct MenuEntry {
    UINT id = 0;
    std::string text;        // empty for a separator
    bool separator = false;
};


}  // namespace nimbo
