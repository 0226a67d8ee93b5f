// Dialogs as Windows makes them from templates: a caption, a size and a list
// of child controls, all measured in dialog units of the dialog's font. A
// dialog runs modal in a loop of its own (other windows and their timers go
// on meanwhile) or modeless beside its owner, and moves values between its
// fields and members through DoDataExchange, validating on the way back.
#pragma once

#include "platform/controls.h"
#include "platform/export.h"
#include "platform/resources.h"
#include "platform/wingdi.h"
#include "platform/winuser.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using INT_PTR = std::intptr_t;

constexpr UINT IDC_STATIC = static_cast<UINT>(-1);
// The property sheet's Apply button, under the number MFC gives it.
constexpr UINT ID_APPLY_NOW = 0x3021;

// One child control of a template. Positions and sizes in dialog units.
struct DialogItem {
    enum Kind { Static, Edit, Button, DefPushButton, ComboBox, GroupBox, ListView, Icon, CheckBox };
    Kind kind = Static;
    UINT id = IDC_STATIC;
    std::string text;  // the caption; for a ComboBox the choices, separated by '\n'
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    // An Icon shows icon when given, else icon iconId of the dialog's module.
    UINT iconId = 0;
    HICON icon = nullptr;
    bool password = false;  // an Edit that shows dots
    bool multiLine = false;  // an Edit of several lines (see readOnly)
    bool readOnly = false;   // an Edit the user cannot type into
    int limit = 0;           // an Edit's most characters, 0: no limit of its own
    bool editable = false;   // a ComboBox the user may also type into
};

struct DialogTemplate {
    std::string caption;
    int cx = 0;
    int cy = 0;
    std::string fontFace = "MS Sans Serif";
    int fontPoints = 8;
    std::vector<DialogItem> items;
};

class CDataExchange;

// Thrown by CDataExchange::Fail, caught by UpdateData.
struct NIMBO_PLATFORM_API CUserException {};

class NIMBO_PLATFORM_API CDialog : public CWnd {
public:
    // From the module's dialog resource (a null module: the current one).
    CDialog(HINSTANCE module, UINT templateId);
    // From a template made in code.
    explicit CDialog(DialogTemplate dialogTemplate);
    ~CDialog() override;

    // Runs the dialog in its own loop until EndDialog; answers the result,
    // -1 when there is no such template or the window went away first.
    INT_PTR DoModal(HWND owner = 0);
    // A modeless dialog in a window of its own beside the owner.
    bool Create(HWND owner);
    // The dialog inside parent, at (x, y) of its client area, as a
    // property page sits in its sheet.
    bool CreateChild(HWND parent, int x, int y);

    virtual BOOL OnInitDialog();  // moves the members into the fields
    virtual void OnOK();          // takes the fields back; closes only if they pass
    virtual void OnCancel();
    void EndDialog(int result);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual void DoDataExchange(CDataExchange* pDX);
    // FALSE when a field failed validation: the user has been told, the
    // field has the focus, and the members after it kept their values.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // ---- Fields.
    HWND GetDlgItem(int id) const;
    template <class T>
    T* Item(int id) const { return dynamic_cast<T*>(FromHandle(GetDlgItem(id))); }
    std::string GetDlgItemText(int id) const;
    // Edits hear it as typing: the dialog gets EN_CHANGE.
    void SetDlgItemText(int id, const std::string& text);
    UINT GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL isSigned = TRUE) const;
    void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE);
    void CheckDlgButton(int id, UINT check);  // no notification, as Win32
    UINT IsDlgButtonChecked(int id) const;
    // Presses a button or toggles a check box as the user would.
    bool ClickDlgButton(int id);
    // The field that failed last validation, 0 when none has.
    int LastFailedItem() const { return lastFailed_; }

    // ---- Geometry.
    const DialogTemplate* Template() const;
    void MapDialogRect(RECT* rect) const;  // dialog units to pixels
    CFont* GetFont() { return &font_; }
    bool IsModal() const { return modal_; }
    // The caption the user sees on the frame the dialog sits in.
    std::string FrameCaption() const;

protected:
    // Creates an item after the template's, at dialog units.
    CWnd* AddItem(const DialogItem& item);
    // Keeps a window of the dialog's own making as item id.
    void AdoptItem(int id, std::unique_ptr<CWnd> item);
    // For dialogs that lay themselves out: the window's client size.
    void SetClientSize(int cx, int cy);
    void FocusItem(int id);

private:
    bool Build(HWND parent, bool child, bool modal, int x, int y);
    void Cleanup();

    HINSTANCE module_ = nullptr;
    UINT templateId_ = 0;
    std::unique_ptr<DialogTemplate> own_;
    std::vector<std::unique_ptr<CWnd>> items_;
    std::vector<std::pair<int, HWND>> byId_;
    CFont font_;
    bool modal_ = false;
    int lastFailed_ = 0;
    friend class CDataExchange;
};

// MFC's exchange context: which way the values go, and the field last
// prepared, which Fail focuses.
class NIMBO_PLATFORM_API CDataExchange {
public:
    CDataExchange(CDialog* dialog, BOOL saveAndValidate);
    BOOL m_bSaveAndValidate;
    CDialog* m_pDlgWnd;
    int m_idLastControl = 0;
    bool m_bEditLastControl = false;

    HWND PrepareCtrl(int id);
    HWND PrepareEditCtrl(int id);
    // Stops the exchange; the last prepared field gets the focus.
    [[noreturn]] void Fail();
};

NIMBO_PLATFORM_API void DDX_Text(CDataExchange* pDX, int id, std::int32_t& value);
NIMBO_PLATFORM_API void DDX_Text(CDataExchange* pDX, int id, std::string& value);
NIMBO_PLATFORM_API void DDX_Text(CDataExchange* pDX, int id, std::int64_t& value);
NIMBO_PLATFORM_API void DDX_CBIndex(CDataExchange* pDX, int id, int& index);
NIMBO_PLATFORM_API void DDX_Check(CDataExchange* pDX, int id, BOOL& checked);
NIMBO_PLATFORM_API void DDV_MinMaxLong(CDataExchange* pDX, std::int32_t value, std::int32_t minimum,
                                       std::int32_t maximum);
NIMBO_PLATFORM_API void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int maxChars);

namespace nimbo {

// A number added again replaces what was there.
NIMBO_PLATFORM_API void AddDialogResource(HINSTANCE module, UINT id, DialogTemplate dialogTemplate);
// Null when the module has no such dialog. A null module means the current one.
NIMBO_PLATFORM_API const DialogTemplate* FindDialogResource(HINSTANCE module, UINT id);

// Pixels per 4 horizontal and 8 vertical dialog units for the font. The
// classic dialog faces at 8 points keep Windows' 6 x 13 at 96 dpi, the
// numbers the templates were laid out with, whatever face stands in for
// them here; any other font is measured as Windows measures it: average
// width of the 52 letters, rounded up by half, and the cell height.
NIMBO_PLATFORM_API SIZE DialogBaseUnits(const std::string& face, int points);
NIMBO_PLATFORM_API RECT DialogUnitsToPixels(const DialogTemplate& dialogTemplate, const RECT& units);
NIMBO_PLATFORM_API SIZE DialogPixelSize(const DialogTemplate& dialogTemplate);

// A modal box with one icon at the left, the other at the right, a line of
// text between them and an OK button. Answers what DoModal answers.
NIMBO_PLATFORM_API INT_PTR ShowAboutBox(HWND owner, const std::string& caption, HICON left, HICON right,
                                        const std::string& line);

}  // namespace nimbo
