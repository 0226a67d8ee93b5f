// The property sheet: the control's pages in tabs, OK, Cancel and Apply.
#include "platform/propsheet.h"

#include "platform/dialogs/dlg_widgets_qt.h"
#include "platform/registry.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// Names compare as class identifiers and programmatic identifiers do,
// without regard to case.
std::map<std::string, std::function<COlePropertyPage*()>>& Factories()
{
    static auto* factories = new std::map<std::string, std::function<COlePropertyPage*()>>;
    return *factories;
}

DialogTemplate SheetTemplate(std::string caption)
{
    DialogTemplate t;
    t.caption = std::move(caption);
    t.cx = 200;
    t.cy = 100;
    t.items = {
        {DialogItem::DefPushButton, IDOK, "OK", 0, 0, 50, 14},
        {DialogItem::Button, IDCANCEL, "Cancel", 0, 0, 50, 14},
        {DialogItem::Button, ID_APPLY_NOW, "&Apply", 0, 0, 50, 14},
    };
    return t;
}

// "NIMBO.NimboCtrl.1" is shown as "NimboCtrl".
std::string ControlName(const COleControl& control)
{
    const std::string id = control.ProgId();
    const std::size_t first = id.find('.');
    if (first == std::string::npos)
        return id.empty() ? "Control" : id;
    const std::size_t second = id.find('.', first + 1);
    return id.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
}

bool HasColorProperty(const COleControl& control)
{
    return control.Dispatch().Find("BackColor") || control.Dispatch().Find("ForeColor");
}

}  // namespace

void nimbo::RegisterPageFactory(const std::string& name, std::function<COlePropertyPage*()> make)
{
    if (make)
        Factories()[Lower(name)] = std::move(make);
    else
        Factories().erase(Lower(name));
}

std::unique_ptr<COlePropertyPage> nimbo::CreatePropertyPage(const std::string& name, std::string* error)
{
    std::string ignored;
    if (!error)
        error = &ignored;
    if (auto it = Factories().find(Lower(name)); it != Factories().end()) {
        std::unique_ptr<COlePropertyPage> page(it->second());
        if (!page)
            *error = "the factory of " + name + " made no page";
        return page;
    }
    if (Lower(name) == Lower(kStockColorPageClsid))
        return std::make_unique<CStockColorPage>();
    return std::unique_ptr<COlePropertyPage>(
        static_cast<COlePropertyPage*>(CreateRegisteredObject(name, ClassKind::PropertyPage, error)));
}

nimbo::CPropertySheet::CPropertySheet(std::string caption, std::vector<COleControl*> objects)
    : CDialog(SheetTemplate(std::move(caption))), objects_(std::move(objects))
{
}

// The pages' windows go with the sheet's, before the pages themselves.
nimbo::CPropertySheet::~CPropertySheet()
{
    DestroyWindow();
}

void nimbo::CPropertySheet::AddPage(std::unique_ptr<COlePropertyPage> page)
{
    if (page)
        pages_.push_back(std::move(page));
}

COlePropertyPage* nimbo::CPropertySheet::GetPage(int index) const
{
    return index >= 0 && index < GetPageCount() ? pages_[static_cast<std::size_t>(index)].get() : nullptr;
}

std::vector<std::string> nimbo::CPropertySheet::PageTitles() const
{
    return tabs_ ? tabs_->Titles() : std::vector<std::string>{};
}

int nimbo::CPropertySheet::GetActiveIndex() const
{
    return tabs_ ? tabs_->Current() : -1;
}

bool nimbo::CPropertySheet::SetActivePage(int index)
{
    if (!tabs_ || !GetPage(index))
        return false;
    tabs_->SetCurrent(index);
    return true;
}

// Pages side by side in a tab stack a margin in from the frame; the
// buttons in a row at the bottom right, Windows' 7-unit margins and
// 50 x 14 buttons 4 units apart.
BOOL nimbo::CPropertySheet::OnInitDialog()
{
    CDialog::OnInitDialog();
    tabs_ = std::make_unique<dlg::TabStack>(m_hWnd, GetFont());
    for (auto& page : pages_) {
        page->SetObjects(objects_);
        if (!page->CreateChild(m_hWnd, 0, 0))
            continue;
        const SIZE size = DialogPixelSize(*page->Template());
        tabs_->Add(page->m_hWnd, page->Caption(), size.cx, size.cy);
        page->SetModifiedListener([this](bool) { UpdateApplyButton(); });
    }
    RECT margin{0, 0, 7, 7}, button{0, 0, 50, 14}, gap{0, 0, 4, 4};
    MapDialogRect(&margin);
    MapDialogRect(&button);
    MapDialogRect(&gap);
    const SIZE stack = tabs_->Place(margin.right, margin.bottom);
    const int width = std::max<int>(stack.cx + 2 * margin.right, 3 * button.right + 2 * gap.right + 2 * margin.right);
    const int top = margin.bottom + stack.cy + margin.bottom;
    int x = width - margin.right - button.right;
    for (int id : {static_cast<int>(ID_APPLY_NOW), IDCANCEL, IDOK}) {
        MoveWindow(GetDlgItem(id), x, top, button.right, button.bottom, TRUE);
        x -= button.right + gap.right;
    }
    SetClientSize(width, top + button.bottom + margin.bottom);
    UpdateApplyButton();
    return TRUE;
}

void nimbo::CPropertySheet::UpdateApplyButton()
{
    const bool dirty = std::any_of(pages_.begin(), pages_.end(), [](const auto& p) { return p->IsDirty(); });
    EnableWindow(GetDlgItem(ID_APPLY_NOW), dirty ? TRUE : FALSE);
}

bool nimbo::CPropertySheet::Apply()
{
    for (int i = 0; i < GetPageCount(); ++i) {
        if (!pages_[static_cast<std::size_t>(i)]->Apply()) {
            SetActivePage(i);
            return false;
        }
    }
    UpdateApplyButton();
    return true;
}

void nimbo::CPropertySheet::OnOK()
{
    if (Apply())
        EndDialog(IDOK);
}

BOOL nimbo::CPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == ID_APPLY_NOW && HIWORD(wParam) == BN_CLICKED) {
        Apply();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

INT_PTR nimbo::ShowPropertySheet(COleControl* control, HWND owner)
{
    if (!control)
        return -1;
    CPropertySheet sheet(ControlName(*control) + " Properties", {control});
    bool colorListed = false;
    for (const std::string& name : control->PropertyPages()) {
        colorListed = colorListed || Lower(name) == Lower(kStockColorPageClsid);
        std::string error;
        if (auto page = CreatePropertyPage(name, &error))
            sheet.AddPage(std::move(page));
        else
            std::fprintf(stderr, "property page %s left out: %s\n", name.c_str(), error.c_str());
    }
    if (!colorListed && HasColorProperty(*control))
        sheet.AddPage(CreatePropertyPage(kStockColorPageClsid, nullptr));
    if (sheet.GetPageCount() == 0)
        return -1;
    return sheet.DoModal(owner);
}
