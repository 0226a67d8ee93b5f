// Popup menus: a QMenu with a display, the menu driver's answer or nothing
// without one.
#include "platform/menu.h"
#include "platform/window/win_table_qt.h"
#include "platform/scripting.h"

#include <QAction>
#include <QMenu>

#include <algorithm>

struct PopupMenu {
    std::vector<nimbo::MenuEntry> entries;
};

namespace {

std::function<UINT(const std::vector<nimbo::MenuEntry>&)>& Driver()
{
    static auto* driver = new std::function<UINT(const std::vector<nimbo::MenuEntry>&)>;
    return *driver;
}

UINT AskPerson(const PopupMenu& menu, int x, int y, HWND owner)
{
    QMenu popup(nimbo::win::WidgetOf(owner));
    for (const nimbo::MenuEntry& entry : menu.entries) {
        if (entry.separator)
            popup.addSeparator();
        else
            popup.addAction(QString::fromStdString(entry.text))->setData(entry.id);
    }
    QAction* chosen = popup.exec(QPoint(x, y));
    return chosen ? chosen->data().toUInt() : 0;
}

}  // namespace

void nimbo::SetMenuDriver(std::function<UINT(const std::vector<MenuEntry>&)> driver)
{
    Driver() = std::move(driver);
}

HMENU CreatePopupMenu()
{
    return new PopupMenu;
}

BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR id, const char* text)
{
    if (!menu)
        return FALSE;
    nimbo::MenuEntry entry;
    entry.separator = (flags & MF_SEPARATOR) != 0;
    if (!entry.separator) {
        entry.id = static_cast<UINT>(id);
        entry.text = text ? text : "";
    }
    menu->entries.push_back(std::move(entry));
    return TRUE;
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*)
{
    if (!menu || !IsWindow(owner))
        return FALSE;
    UINT chosen = 0;
    // Copied: the driver may set another driver.
    if (const auto driver = Driver())
        chosen = driver(menu->entries);
    else if (!nimbo::IsHeadless())
        chosen = AskPerson(*menu, x, y, owner);
    // Only what the menu offers can be chosen.
    const bool offered = std::any_of(menu->entries.begin(), menu->entries.end(), [chosen](const nimbo::MenuEntry& e) {
        return !e.separator && e.id == chosen;
    });
    if (!chosen || !offered)
        return 0;
    if (flags & TPM_RETURNCMD)
        return static_cast<BOOL>(chosen);
    return PostMessageA(owner, WM_COMMAND, static_cast<WPARAM>(chosen & 0xFFFF), 0);
}

BOOL DestroyMenu(HMENU menu)
{
    if (!menu)
        return FALSE;
    delete menu;
    return TRUE;
}
