// The standard colour page: a control's colour properties, the colours to
// choose from, and a preview of the choice.
#include "platform/dialogs/dlg_widgets_qt.h"
#include "platform/propsheet.h"

namespace nimbo {
namespace {

constexpr UINT kPropertyCombo = 201;
constexpr UINT kColorList = 202;
constexpr UINT kPreview = 203;

// The properties the page knows, in the order it offers them.
const char* const kColorProperties[] = {"BackColor", "ForeColor"};

DialogTemplate ColorPageTemplate()
{
    DialogTemplate t;
    t.caption = "Colors";
    t.cx = 250;
    t.cy = 110;
    t.items = {
        {DialogItem::Static, IDC_STATIC, "&Property Name:", 7, 7, 100, 8},
        {DialogItem::ComboBox, kPropertyCombo, "", 7, 17, 100, 60},
        {DialogItem::Static, IDC_STATIC, "Preview:", 7, 37, 100, 8},
        {DialogItem::Static, IDC_STATIC, "&Color:", 115, 7, 128, 8},
    };
    return t;
}

constexpr OLE_COLOR System(int index) { return 0x80000000u | static_cast<OLE_COLOR>(index); }

}  // namespace

const std::vector<CStockColorPage::NamedColor>& CStockColorPage::Colors()
{
    static const std::vector<NamedColor> colors = {
        {"Black", RGB(0, 0, 0)},
        {"Blue", RGB(0, 0, 255)},
        {"Green", RGB(0, 255, 0)},
        {"Cyan", RGB(0, 255, 255)},
        {"Red", RGB(255, 0, 0)},
        {"Magenta", RGB(255, 0, 255)},
        {"Yellow", RGB(255, 255, 0)},
        {"White", RGB(255, 255, 255)},
        {"Gray", RGB(128, 128, 128)},
        {"Dark Blue", RGB(0, 0, 128)},
        {"Dark Green", RGB(0, 128, 0)},
        {"Dark Cyan", RGB(0, 128, 128)},
        {"Dark Red", RGB(128, 0, 0)},
        {"Dark Magenta", RGB(128, 0, 128)},
        {"Brown", RGB(128, 128, 0)},
        {"Light Gray", RGB(192, 192, 192)},
        {"Scroll Bars", System(COLOR_SCROLLBAR)},
        {"Desktop", System(COLOR_BACKGROUND)},
        {"Active Title Bar", System(COLOR_ACTIVECAPTION)},
        {"Inactive Title Bar", System(COLOR_INACTIVECAPTION)},
        {"Menu Bar", System(COLOR_MENU)},
        {"Window Background", System(COLOR_WINDOW)},
        {"Window Frame", System(COLOR_WINDOWFRAME)},
        {"Menu Text", System(COLOR_MENUTEXT)},
        {"Window Text", System(COLOR_WINDOWTEXT)},
        {"Active Title Bar Text", System(COLOR_CAPTIONTEXT)},
        {"Active Border", System(COLOR_ACTIVEBORDER)},
        {"Inactive Border", System(COLOR_INACTIVEBORDER)},
        {"Application Workspace", System(COLOR_APPWORKSPACE)},
        {"Highlight", System(COLOR_HIGHLIGHT)},
        {"Highlighted Text", System(COLOR_HIGHLIGHTTEXT)},
        {"Button Face", System(COLOR_BTNFACE)},
        {"Button Shadow", System(COLOR_BTNSHADOW)},
        {"Disabled Text", System(COLOR_GRAYTEXT)},
        {"Button Text", System(COLOR_BTNTEXT)},
        {"Inactive Title Bar Text", System(COLOR_INACTIVECAPTIONTEXT)},
        {"Button Highlight", System(COLOR_BTNHIGHLIGHT)},
        {"Button Dark Shadow", System(COLOR_3DDKSHADOW)},
        {"Button Light Shadow", System(COLOR_3DLIGHT)},
        {"ToolTip Text", System(COLOR_INFOTEXT)},
        {"ToolTip", System(COLOR_INFOBK)},
    };
    return colors;
}

CStockColorPage::CStockColorPage() : COlePropertyPage(ColorPageTemplate(), "Colors") {}

BOOL CStockColorPage::OnInitDialog()
{
    properties_.clear();
    for (const char* name : kColorProperties) {
        Variant ignored;
        if (GetObjectProperty(name, &ignored))
            properties_.push_back(name);
    }
    edited_.assign(properties_.size(), 0);

    RECT listAt{115, 17, 115 + 128, 17 + 86}, previewAt{7, 47, 7 + 100, 47 + 56};
    MapDialogRect(&listAt);
    MapDialogRect(&previewAt);
    auto list = std::make_unique<dlg::ColorListWnd>();
    if (list->Create(m_hWnd, listAt, kColorList, GetFont())) {
        std::vector<dlg::ColorListWnd::Entry> entries;
        for (const NamedColor& c : Colors())
            entries.push_back({c.name, COleControl::TranslateColor(c.color)});
        list->SetEntries(entries);
        AdoptItem(kColorList, std::move(list));
    }
    auto preview = std::make_unique<dlg::SwatchWnd>();
    if (preview->Create(m_hWnd, previewAt))
        AdoptItem(kPreview, std::move(preview));
    if (auto* combo = Item<CComboBox>(kPropertyCombo))
        for (const std::string& name : properties_)
            combo->AddString(name);

    COlePropertyPage::OnInitDialog();  // loads edited_ from the control
    shown_ = properties_.empty() ? -1 : 0;
    if (auto* combo = Item<CComboBox>(kPropertyCombo))
        combo->SetCurSel(shown_);
    ShowProperty();
    return TRUE;
}

// The colour of the property shown, chosen in the list when it is one of
// the list's, and in the preview.
void CStockColorPage::ShowProperty()
{
    const bool any = shown_ >= 0 && shown_ < static_cast<int>(edited_.size());
    const OLE_COLOR color = any ? edited_[static_cast<std::size_t>(shown_)] : 0;
    int row = -1;
    for (std::size_t i = 0; any && i < Colors().size(); ++i)
        if (Colors()[i].color == color)
            row = static_cast<int>(i);
    if (auto* list = Item<dlg::ColorListWnd>(kColorList))
        list->Select(row, false);
    if (auto* preview = Item<dlg::SwatchWnd>(kPreview))
        preview->SetColor(any ? COleControl::TranslateColor(color) : GetSysColor(COLOR_BTNFACE));
}

BOOL CStockColorPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    if (id == kPropertyCombo && HIWORD(wParam) == CBN_SELCHANGE) {
        // Choosing which property to look at changes nothing.
        if (auto* combo = Item<CComboBox>(kPropertyCombo))
            shown_ = combo->GetCurSel();
        ShowProperty();
        return TRUE;
    }
    if (id == kColorList && HIWORD(wParam) == dlg::LBN_SELCHANGE) {
        const auto* list = Item<dlg::ColorListWnd>(kColorList);
        const int row = list ? list->Selected() : -1;
        if (row >= 0 && row < static_cast<int>(Colors().size()) && shown_ >= 0 &&
            shown_ < static_cast<int>(edited_.size())) {
            edited_[static_cast<std::size_t>(shown_)] = Colors()[static_cast<std::size_t>(row)].color;
            ShowProperty();
        }
    }
    return COlePropertyPage::OnCommand(wParam, lParam);
}

void CStockColorPage::DoDataExchange(CDataExchange* pDX)
{
    for (std::size_t i = 0; i < properties_.size(); ++i)
        ExchangeProperty(
            pDX, properties_[i],
            [this, i](const Variant& v) { edited_[i] = static_cast<OLE_COLOR>(v.AsLong()); },
            [this, i] { return Variant::Long(static_cast<std::int32_t>(edited_[i])); });
}

bool CStockColorPage::SelectProperty(const std::string& name)
{
    auto* combo = Item<CComboBox>(kPropertyCombo);
    for (std::size_t i = 0; combo && i < properties_.size(); ++i)
        if (properties_[i] == name) {
            combo->SetCurSel(static_cast<int>(i), true);
            return true;
        }
    return false;
}

std::string CStockColorPage::SelectedProperty() const
{
    return shown_ >= 0 && shown_ < static_cast<int>(properties_.size()) ? properties_[static_cast<std::size_t>(shown_)]
                                                                         : std::string();
}

bool CStockColorPage::SelectColor(OLE_COLOR color)
{
    auto* list = Item<dlg::ColorListWnd>(kColorList);
    for (std::size_t i = 0; list && i < Colors().size(); ++i)
        if (Colors()[i].color == color) {
            list->Select(static_cast<int>(i), true);
            return true;
        }
    return false;
}

OLE_COLOR CStockColorPage::EditedColor(const std::string& property) const
{
    for (std::size_t i = 0; i < properties_.size(); ++i)
        if (properties_[i] == property)
            return edited_[i];
    return 0;
}

COLORREF CStockColorPage::PreviewColor() const
{
    const auto* preview = Item<dlg::SwatchWnd>(kPreview);
    return preview ? preview->Color() : CLR_INVALID;
}

}  // namespace nimbo
