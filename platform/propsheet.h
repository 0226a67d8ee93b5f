// The property sheet a control shows for its Properties verb: a modal
// window with a tab for each of the control's pages, then the standard
// colour page, and OK, Cancel and Apply below.
#pragma once

#include "platform/dialog.h"
#include "platform/export.h"
#include "platform/olectl.h"
#include "platform/proppage.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace nimbo {

// The standard colour page's class identifier, as controls list it.
inline constexpr const char* kStockColorPageClsid = "{0BE35201-8F91-11CE-9DE3-00AA004BB851}";

// Pages made here by name come before the registration store, so that a
// library or a test can supply pages without registering them. A name
// added again replaces what was there; a null factory removes it.
NIMBO_PLATFORM_API void RegisterPageFactory(const std::string& name, std::function<COlePropertyPage*()> make);
// By factory name, then the built-in colour page, then the store (whose
// page classes answer a COlePropertyPage*). Null with a reason when none.
NIMBO_PLATFORM_API std::unique_ptr<COlePropertyPage> CreatePropertyPage(const std::string& name,
                                                                        std::string* error);

namespace dlg {
class TabStack;
}

class NIMBO_PLATFORM_API CPropertySheet : public CDialog {
public:
    CPropertySheet(std::string caption, std::vector<COleControl*> objects);
    ~CPropertySheet() override;

    void AddPage(std::unique_ptr<COlePropertyPage> page);
    int GetPageCount() const { return static_cast<int>(pages_.size()); }
    COlePropertyPage* GetPage(int index) const;
    // The tabs' titles in order, as the user sees them.
    std::vector<std::string> PageTitles() const;
    int GetActiveIndex() const;
    bool SetActivePage(int index);

    // Every open page in order; stops at the first that refuses.
    bool Apply();

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void UpdateApplyButton();

    std::vector<COleControl*> objects_;
    std::vector<std::unique_ptr<COlePropertyPage>> pages_;
    std::unique_ptr<dlg::TabStack> tabs_;
};

// Shows the control's sheet modally; answers IDOK, IDCANCEL, or -1 when it
// could not be shown. Pages that cannot be made are left out and named on
// standard error.
// The colour page comes last, when the control does not list it, for a
// control with a colour property.
NIMBO_PLATFORM_API INT_PTR ShowPropertySheet(COleControl* control, HWND owner);

// The standard colour page: which colour property, which colour, and how
// it looks. It edits BackColor and ForeColor, those of them the first
// control has.
class NIMBO_PLATFORM_API CStockColorPage : public COlePropertyPage {
public:
    CStockColorPage();

    struct NamedColor {
        const char* name;
        OLE_COLOR color;
    };
    // The 16 standard colours, then the system colours.
    static const std::vector<NamedColor>& Colors();

    std::vector<std::string> PropertyNames() const { return properties_; }
    bool SelectProperty(const std::string& name);  // as the user would
    std::string SelectedProperty() const;
    bool SelectColor(OLE_COLOR color);             // as the user would
    OLE_COLOR EditedColor(const std::string& property) const;
    COLORREF PreviewColor() const;

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void ShowProperty();

    std::vector<std::string> properties_;
    std::vector<OLE_COLOR> edited_;
    int shown_ = -1;
};

}  // namespace nimbo
