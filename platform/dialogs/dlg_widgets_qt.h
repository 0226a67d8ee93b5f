// The dialog items the standard controls do not cover, for platform sources
// only: group frames and icons drawn as GDI would, and a check box, a
// colour list and a tab strip over Qt's own widgets.
#pragma once

#include "platform/controls.h"
#include "platform/wingdi.h"
#include "platform/winuser.h"

#include <QFont>
#include <QPointer>

#include <string>
#include <vector>

class QCheckBox;
class QListWidget;
class QTabWidget;

namespace nimbo::dlg {

// The etched frame with its caption at the top left. It lies beneath the
// items it frames and lets the mouse through to them.
class GroupBoxWnd final : public CWnd {
public:
    bool Create(HWND parent, const RECT& rect, const std::string& text, CFont* font);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CFont* font_ = nullptr;
};

class IconWnd final : public CWnd {
public:
    bool Create(HWND parent, const RECT& rect, HICON icon);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HICON icon_ = nullptr;
};

// A filled rectangle framed in black: what a colour looks like.
class SwatchWnd final : public CWnd {
public:
    bool Create(HWND parent, const RECT& rect);
    void SetColor(COLORREF color);
    COLORREF Color() const { return color_; }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    COLORREF color_ = 0;
};

// Tells the parent of a change with WM_COMMAND, as the standard controls do.
void NotifyParent(HWND window, UINT id, WORD code);

class CheckBoxWnd final : public CWnd {
public:
    bool Create(HWND parent, const RECT& rect, UINT id, const std::string& text, CFont* font);
    bool Checked() const;
    void SetChecked(bool checked);  // quietly
    void Click();                   // as the user: toggles and notifies BN_CLICKED
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    UINT id_ = 0;
    QPointer<QCheckBox> box_;
};

// Rows of a name beside a swatch of its colour; the parent hears
// LBN_SELCHANGE when the user picks one.
constexpr WORD LBN_SELCHANGE = 1;

class ColorListWnd final : public CWnd {
public:
    struct Entry {
        std::string name;
        COLORREF swatch;
    };
    bool Create(HWND parent, const RECT& rect, UINT id, CFont* font);
    void SetEntries(const std::vector<Entry>& entries);
    int Selected() const;  // -1: none
    void Select(int row, bool notify);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    QPointer<QListWidget> list_;
};

// Tabs over a stack of child windows; only the chosen one shows.
class TabStack {
public:
    TabStack(HWND parent, CFont* font);
    ~TabStack();
    void Add(HWND page, const std::string& title, int width, int height);
    int Current() const;
    void SetCurrent(int index);
    std::vector<std::string> Titles() const;
    // Places the stack; answers the size it takes.
    SIZE Place(int x, int y);

private:
    QPointer<QTabWidget> tabs_;
};

QFont FontOf(CFont* font);

}  // namespace nimbo::dlg
