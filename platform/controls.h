// The standard child controls that forms and dialogs place: static text,
// single-line edit, push button, drop-down combo box and report-style list
// view. Each is a window; it tells its parent about user actions with
// WM_COMMAND, wParam = MAKEWPARAM(id, notification code), lParam = its
// handle.
#pragma once

#include "platform/export.h"
#include "platform/winuser.h"

#include <string>
#include <vector>

class CFont;
class CBitmap;
namespace nimbo {
struct IconImage;
}

constexpr WORD BN_CLICKED = 0;
constexpr WORD EN_CHANGE = 0x0300;
constexpr WORD CBN_SELCHANGE = 1;
constexpr WORD CBN_EDITCHANGE = 5;  // the user changed a drop-down's text
constexpr WORD LVN_ITEMACTIVATE = 0x0701;  // a row double-clicked

inline WPARAM MAKEWPARAM(int low, int high) { return static_cast<WPARAM>((static_cast<DWORD>(high & 0xFFFF) << 16) | (low & 0xFFFF)); }

// Common to every standard control.
class NIMBO_PLATFORM_API CControlWnd : public CWnd {
public:
    UINT GetDlgCtrlID() const { return id_; }
    void SetFont(CFont* font);
    // Tells the parent, as a user action would.
    void Notify(WORD code);

    // Window text is the control's own text (an edit's contents too).
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    bool CreateControl(HWND parent, const RECT& rect, UINT id, const std::string& text, int kind);
    UINT id_ = 0;
    int kind_ = 0;
};

class NIMBO_PLATFORM_API CStatic : public CControlWnd {
public:
    // Left-aligned text that wraps at word boundaries, as a form label does.
    bool Create(HWND parent, const RECT& rect, UINT id, const std::string& text);
};

class NIMBO_PLATFORM_API CEdit : public CControlWnd {
public:
    bool Create(HWND parent, const RECT& rect, UINT id, const std::string& text, bool password = false);
    // Several lines, wrapped, with a vertical scroll bar; readOnly: the user
    // reads and selects but cannot type. Lines end with "\r\n" or "\n".
    bool CreateMultiLine(HWND parent, const RECT& rect, UINT id, const std::string& text, bool readOnly);
    // Centred text, as ES_CENTER.
    void SetCentered(bool centered);
    std::string GetText() const;
    // Sets the text as a user typing would: the parent hears EN_CHANGE.
    void SetText(const std::string& text);
    void SetLimitText(int maxChars);
    void SetReadOnly(bool readOnly);
};

class NIMBO_PLATFORM_API CButton : public CControlWnd {
public:
    bool Create(HWND parent, const RECT& rect, UINT id, const std::string& caption, bool defaultButton = false);
    // Presses the button: the parent hears BN_CLICKED.
    void Click();
};

class NIMBO_PLATFORM_API CComboBox : public CControlWnd {
public:
    // A drop-down list the user picks from (no typing).
    bool Create(HWND parent, const RECT& rect, UINT id);
    // A drop-down: the user picks a choice or types a value. Its window
    // text is what is typed or picked; GetCurSel answers the choice equal to
    // that text, -1 when none is.
    bool CreateDropDown(HWND parent, const RECT& rect, UINT id);
    // Types into a drop-down as a user would: the parent hears CBN_EDITCHANGE.
    void SetEditText(const std::string& text);
    int AddString(const std::string& text);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;  // -1: nothing chosen
    // Chooses as a user would when notify is true (the parent hears CBN_SELCHANGE).
    int SetCurSel(int index, bool notify = false);
    std::string GetLBText(int index) const;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Small pictures of one size for a list's rows, cut from bitmaps; one
// colour of a bitmap may be taken as transparent.
class NIMBO_PLATFORM_API CImageList {
public:
    CImageList();
    ~CImageList();
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;
    BOOL Create(int cx, int cy);
    // Cuts the bitmap into images of the list's size, left to right, the
    // pixels of mask colour made transparent; answers the index of the
    // first image added, -1 when nothing was.
    int Add(CBitmap* bitmap, COLORREF mask);
    int GetImageCount() const;
    // Images as icons (owned by the list), for the list control.
    const std::vector<nimbo::IconImage*>& Images() const { return images_; }

private:
    int cx_ = 0;
    int cy_ = 0;
    std::vector<nimbo::IconImage*> images_;
};

// Which column alignment InsertColumn asks for.
constexpr int LVCFMT_LEFT = 0;
constexpr int LVCFMT_RIGHT = 1;
constexpr int LVCFMT_CENTER = 2;

class NIMBO_PLATFORM_API CListCtrl : public CControlWnd {
public:
    // A report-style list with columns and a small icon per row. The list
    // hears WM_LBUTTONDOWN and WM_RBUTTONDOWN in its own client coordinates
    // (the header at the top included); its DefWindowProc does the list's
    // default handling of them (choosing the row under the point).
    bool Create(HWND parent, const RECT& rect, UINT id);
    int InsertColumn(int column, const std::string& heading, int width, int format = LVCFMT_LEFT);
    void SetImageList(const std::vector<nimbo::IconImage*>& smallIcons);
    void SetImageList(CImageList* smallImages);
    int GetColumnWidth(int column) const;  // pixels; 0 when there is no such column
    // The row under a point of the list's client area, -1 when none.
    int HitTest(POINT point) const;
    // A row's rectangle across all its columns, in the list's client
    // coordinates (scrolling taken into account).
    BOOL GetItemRect(int row, RECT* rect) const;
    // One cell's rectangle, likewise.
    BOOL GetSubItemRect(int row, int column, RECT* rect) const;
    int InsertItem(int row, const std::string& text, int image = -1);
    bool SetItemText(int row, int column, const std::string& text);
    bool SetItemImage(int row, int image);
    int GetItemImage(int row) const;  // -1: none, or no such row
    std::string GetItemText(int row, int column) const;
    int GetItemCount() const;
    bool DeleteItem(int row);
    void DeleteAllItems();
    int GetSelectedRow() const;  // -1: none
    void SelectRow(int row);
};

// The child of a dialog or form with that control id, or 0.
NIMBO_PLATFORM_API HWND GetDlgItem(HWND parent, int id);
NIMBO_PLATFORM_API BOOL SetDlgItemTextA(HWND parent, int id, const char* text);
NIMBO_PLATFORM_API UINT GetDlgItemTextA(HWND parent, int id, char* text, int maxCount);
