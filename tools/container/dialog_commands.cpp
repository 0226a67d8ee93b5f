// The dialog commands: a script answers the modal dialog open now (and the
// popup menu open in it) as a person would, item by item.
#include "tools/container/container.h"

#include "platform/controls.h"
#include "platform/dialog.h"
#include "platform/propsheet.h"

#include <algorithm>
#include <utility>

namespace {

const char kDialogUsage[] =
    "usage: dialog click|get|rows ID, dialog set ID \"TEXT\", dialog key ID Enter|Tab|Escape, "
    "dialog cell|lclick|rclick ID ROW COL, dialog lclickat|rclickat ID X Y, dialog menu \"TEXT\", "
    "dialog page N, dialog screenshot FILE, dialog ok, dialog cancel";

// Lets what the last action posted (menu choices, an editor's Enter) be
// handled before the next line looks.
void Settle()
{
    nimbo::RunEventLoop(0);
    nimbo::RunEventLoop(0);
}

bool Integer(const ScriptWord& word, int* value)
{
    long long v = 0;
    if (!ParseScriptInteger(word.text, &v) || v < INT32_MIN || v > INT32_MAX)
        return false;
    *value = static_cast<int>(v);
    return true;
}

// Presses and lets go of a mouse button at a point of a window.
void ClickAt(HWND window, bool right, int x, int y)
{
    const LPARAM at = MAKELPARAM(x, y);
    SendMessageA(window, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON, at);
    if (IsWindow(window))
        SendMessageA(window, right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, at);
}

CDialog* OwnerDialog(HWND item)
{
    return dynamic_cast<CDialog*>(FromHandle(GetParent(item)));
}

}  // namespace

void Container::PopDialog(CDialog* dialog)
{
    dialogs_.erase(std::remove(dialogs_.begin(), dialogs_.end(), dialog), dialogs_.end());
}

void Container::OpenMenu(const std::vector<nimbo::MenuEntry>* entries)
{
    menu_ = entries;
    menuChoice_ = 0;
}

UINT Container::CloseMenu()
{
    menu_ = nullptr;
    return std::exchange(menuChoice_, 0);
}

// A property sheet's items are those of the page it shows, then its own
// buttons; items inside items (a list's in-place editor) are found too.
HWND Container::DialogItemWindow(int id) const
{
    CDialog* top = dialogs_.back();
    CDialog* scope = top;
    if (auto* sheet = dynamic_cast<nimbo::CPropertySheet*>(top))
        if (COlePropertyPage* page = sheet->GetPage(sheet->GetActiveIndex()))
            scope = page;
    for (CDialog* dialog : {scope, top})
        if (HWND item = dialog->GetDlgItem(id); item && IsWindowVisible(item))
            return item;
    if (HWND item = nimbo::FindDescendant(scope->m_hWnd, id))
        return item;
    if (HWND item = scope->GetDlgItem(id))
        return item;
    return nimbo::FindDescendant(top->m_hWnd, id);
}

bool Container::ChooseMenu(const std::vector<ScriptWord>& w, std::string* error)
{
    if (w.size() != 3) {
        *error = "usage: dialog menu \"TEXT\"";
        return false;
    }
    if (!menu_) {
        *error = "no popup menu is open";
        return false;
    }
    for (const nimbo::MenuEntry& entry : *menu_)
        if (!entry.separator && entry.text == w[2].text) {
            menuChoice_ = entry.id;
            menu_ = nullptr;
            return true;
        }
    *error = "the menu has no item " + w[2].text;
    return false;
}

bool Container::DialogList(const std::vector<ScriptWord>& w, HWND item, std::vector<std::string>* out,
                           std::string* error)
{
    const std::string& verb = w[1].text;
    auto* list = dynamic_cast<CListCtrl*>(FromHandle(item));
    if (!list) {
        *error = "item " + w[2].text + " is not a list";
        return false;
    }
    if (verb == "rows") {
        out->push_back(std::to_string(list->GetItemCount()));
        return true;
    }
    int row = 0, column = 0;
    if (w.size() != 5 || !Integer(w[3], &row) || !Integer(w[4], &column)) {
        *error = "usage: dialog " + verb + " ID ROW COL";
        return false;
    }
    if (row < 0 || row >= list->GetItemCount()) {
        *error = "the list has no row " + w[3].text;
        return false;
    }
    if (verb == "cell") {
        out->push_back(list->GetItemText(row, column));
        return true;
    }
    RECT cell{};
    if (!list->GetSubItemRect(row, column, &cell)) {
        *error = "the list has no column " + w[4].text;
        return false;
    }
    ClickAt(item, verb == "rclick", (cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
    return true;
}

bool Container::Dialog(const std::vector<ScriptWord>& w, std::vector<std::string>* out, std::string* error)
{
    if (w.size() < 2) {
        *error = kDialogUsage;
        return false;
    }
    const std::string& verb = w[1].text;
    if (verb == "menu") {
        const bool chosen = ChooseMenu(w, error);
        Settle();
        return chosen;
    }
    if (dialogs_.empty()) {
        *error = "no dialog is open";
        return false;
    }
    CDialog* top = dialogs_.back();
    if (verb == "ok" || verb == "cancel") {
        SendMessageA(top->m_hWnd, WM_COMMAND, MAKEWPARAM(verb == "ok" ? IDOK : IDCANCEL, BN_CLICKED), 0);
        Settle();
        return true;
    }
    if (verb == "page") {
        int page = 0;
        auto* sheet = dynamic_cast<nimbo::CPropertySheet*>(top);
        if (!sheet || w.size() != 3 || !Integer(w[2], &page)) {
            *error = sheet ? "usage: dialog page N" : "the dialog is no property sheet";
            return false;
        }
        if (!sheet->SetActivePage(page)) {
            *error = "the sheet has no page " + w[2].text;
            return false;
        }
        Settle();
        return true;
    }
    if (verb == "screenshot") {
        if (w.size() != 3) {
            *error = "usage: dialog screenshot FILE";
            return false;
        }
        Settle();
        if (!nimbo::SaveWindowPng(top->m_hWnd, w[2].text)) {
            *error = "cannot write screenshot " + w[2].text;
            return false;
        }
        return true;
    }

    int id = 0;
    if (w.size() < 3 || !Integer(w[2], &id)) {
        *error = kDialogUsage;
        return false;
    }
    const HWND item = DialogItemWindow(id);
    if (!item) {
        *error = "the dialog has no item " + w[2].text;
        return false;
    }
    CWnd* window = FromHandle(item);
    bool done = true;
    if (verb == "click" && w.size() == 3) {
        CDialog* owner = OwnerDialog(item);
        if (auto* button = dynamic_cast<CButton*>(window))
            button->Click();
        else if (!owner || !owner->ClickDlgButton(id))
            done = false;
        if (!done)
            *error = "item " + w[2].text + " cannot be clicked";
    } else if (verb == "set" && w.size() == 4) {
        if (auto* edit = dynamic_cast<CEdit*>(window)) {
            edit->SetText(w[3].text);
        } else if (auto* combo = dynamic_cast<CComboBox*>(window)) {
            int index = -1;
            for (int i = 0; i < combo->GetCount() && index < 0; ++i)
                if (combo->GetLBText(i) == w[3].text)
                    index = i;
            if (index < 0) {
                *error = "item " + w[2].text + " has no choice " + w[3].text;
                return false;
            }
            combo->SetCurSel(index, true);
        } else {
            SetWindowTextA(item, w[3].text.c_str());
        }
    } else if (verb == "key" && w.size() == 4) {
        const std::string& key = w[3].text;
        const WPARAM vk = key == "Enter" ? VK_RETURN : key == "Tab" ? VK_TAB : key == "Escape" ? VK_ESCAPE : 0;
        if (vk == 0) {
            *error = "usage: dialog key ID Enter|Tab|Escape";
            return false;
        }
        nimbo::PressKey(item, vk);
    } else if (verb == "get" && w.size() == 3) {
        if (auto* edit = dynamic_cast<CEdit*>(window)) {
            out->push_back(edit->GetText());
        } else if (CDialog* owner = OwnerDialog(item); owner && !dynamic_cast<CControlWnd*>(window)) {
            out->push_back(owner->IsDlgButtonChecked(id) ? "1" : "0");
        } else {
            char text[1024] = "";
            GetWindowTextA(item, text, sizeof text);
            out->push_back(text);
        }
    } else if (verb == "rows" || verb == "cell" || verb == "lclick" || verb == "rclick") {
        done = DialogList(w, item, out, error);
    } else if ((verb == "lclickat" || verb == "rclickat") && w.size() == 5) {
        int x = 0, y = 0;
        if (!Integer(w[3], &x) || !Integer(w[4], &y)) {
            *error = "usage: dialog " + verb + " ID X Y";
            return false;
        }
        ClickAt(item, verb == "rclickat", x, y);
    } else {
        *error = kDialogUsage;
        return false;
    }
    Settle();
    return done;
}

bool Container::Verb(const std::vector<ScriptWord>& w, std::vector<std::string>*, std::string* error)
{
    COleControl* control = w.size() == 3 ? Find(w[1].text) : nullptr;
    int verb = 0;
    if (!control || !(w[2].text == "Properties" || w[2].text == "Edit" || Integer(w[2], &verb))) {
        *error = control || w.size() != 3 ? "usage: verb NAME Properties|Edit|NUMBER" : "no control named " + w[1].text;
        return false;
    }
    if (w[2].text == "Properties")
        verb = OLEIVERB_PROPERTIES;
    else if (w[2].text == "Edit")
        verb = OLEIVERB_PRIMARY;
    const HRESULT hr = control->DoVerb(verb, GetParent(control->m_hWnd));
    if (FAILED(hr)) {
        *error = w[2].text + ": " + DispatchErrorText(hr);
        return false;
    }
    return true;
}
