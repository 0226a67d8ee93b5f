#include "clients/edit/edit_page.h"

#include "clients/common/client_ctrl.h"
#include "clients/edit/edit_value_text.h"

namespace {

DialogItem Label(const char* text, int x, int y, int cx, int cy)
{
    return {DialogItem::Static, IDC_STATIC, text, x, y, cx, cy};
}

DialogItem Field(UINT id, int x, int y, int cx, int cy) { return {DialogItem::Edit, id, "", x, y, cx, cy}; }

// The user may pick a choice or type it.
DialogItem List(UINT id, int x, int y, int cx, int cy)
{
    DialogItem item{DialogItem::ComboBox, id, "", x, y, cx, cy};
    item.editable = true;
    return item;
}

const char* const kParts[] = {"LowLowByte", "LowHighByte", "HighLowByte", "HighHighByte", "LowWord", "HighWord", "Long"};
const char* const kSizes[] = {"Piccolo", "Medio", "Grande"};

// Each list and the hidden field it writes.
constexpr std::pair<UINT, UINT> kListFields[] = {
    {IDC_EDIT_MASK_LIST, IDC_EDIT_ENUM},
    {IDC_EDIT_PART_LIST, IDC_EDIT_BIT},
    {IDC_EDIT_SIZE_LIST, IDC_EDIT_SIZE},
};

}  // namespace

DialogTemplate EditPageTemplate()
{
    DialogTemplate t;
    t.caption = "General";
    t.cx = 250;
    t.cy = 110;
    t.items = {
        Label("Titolo", 7, 7, 95, 12),
        Field(IDC_EDIT_CAPTION, 105, 7, 138, 13),
        List(IDC_EDIT_MASK_LIST, 7, 23, 93, 96),
        List(IDC_EDIT_PART_LIST, 104, 23, 93, 86),
        List(IDC_EDIT_SIZE_LIST, 200, 23, 43, 49),
        Field(IDC_EDIT_BIT, 7, 38, 92, 13),
        Field(IDC_EDIT_ENUM, 104, 38, 92, 13),
        Field(IDC_EDIT_SIZE, 199, 38, 44, 13),
        Label("Align", 7, 55, 42, 12),
        Field(IDC_EDIT_ALIGN, 55, 55, 26, 12),
        Label("Unita di misura", 92, 55, 125, 12),
        Field(IDC_EDIT_UNI, 224, 55, 20, 12),
        Label("Numero di Plc", 7, 72, 210, 12),
        Field(IDC_EDIT_PLC, 224, 72, 20, 12),
        Label("Numero di Registro da visualizzare", 7, 89, 210, 12),
        Field(IDC_EDIT_REG, 224, 89, 20, 12),
    };
    return t;
}

CZEMEDITPropPage::CZEMEDITPropPage() : COlePropertyPage(ClientModule(), IDD_EDIT_PAGE, IDS_EDIT_PAGE_CAPTION) {}

void CZEMEDITPropPage::DoDataExchange(CDataExchange* pDX)
{
    DDP_Text(pDX, IDC_EDIT_BIT, part, "Bit");
    DDX_Text(pDX, IDC_EDIT_BIT, part);
    DDP_Text(pDX, IDC_EDIT_ENUM, mask, "Enum");
    DDX_Text(pDX, IDC_EDIT_ENUM, mask);
    DDP_Text(pDX, IDC_EDIT_SIZE, size, "Size");
    DDX_Text(pDX, IDC_EDIT_SIZE, size);
    DDP_Text(pDX, IDC_EDIT_CAPTION, caption, "Caption");
    DDX_Text(pDX, IDC_EDIT_CAPTION, caption);
    // The three lists carry nothing themselves: they write the hidden fields.
    DDP_Text(pDX, IDC_EDIT_ALIGN, align, "Align");
    DDX_Text(pDX, IDC_EDIT_ALIGN, align);
    DDV_MinMaxLong(pDX, align, 0, 1);
    DDP_Text(pDX, IDC_EDIT_PLC, plc, "Plc");
    DDX_Text(pDX, IDC_EDIT_PLC, plc);
    DDV_MinMaxLong(pDX, plc, 1, 32);
    DDP_Text(pDX, IDC_EDIT_REG, reg, "Reg");
    DDX_Text(pDX, IDC_EDIT_REG, reg);
    DDV_MinMaxLong(pDX, reg, 0, 32000);
    DDP_Text(pDX, IDC_EDIT_UNI, unit, "Uni");
    DDX_Text(pDX, IDC_EDIT_UNI, unit);
}

void CZEMEDITPropPage::FillList(UINT list, const std::vector<std::string>& entries, std::int32_t selected)
{
    auto* combo = Item<CComboBox>(static_cast<int>(list));
    if (combo == nullptr)
        return;
    combo->ResetContent();
    for (const std::string& entry : entries)
        combo->AddString(entry);
    combo->SetCurSel(selected);
}

// The lists are filled after the exchange, so they show what the hidden
// fields were loaded with.
BOOL CZEMEDITPropPage::OnInitDialog()
{
    COlePropertyPage::OnInitDialog();
    for (UINT hidden : {IDC_EDIT_BIT, IDC_EDIT_ENUM, IDC_EDIT_SIZE})
        ShowWindow(GetDlgItem(static_cast<int>(hidden)), SW_HIDE);
    std::vector<std::string> masks;
    for (std::int32_t i = 0; i < kDisplayMaskCount; ++i)
        masks.push_back(DisplayMaskText(i));
    FillList(IDC_EDIT_MASK_LIST, masks, mask);
    FillList(IDC_EDIT_PART_LIST, {std::begin(kParts), std::end(kParts)}, part);
    FillList(IDC_EDIT_SIZE_LIST, {std::begin(kSizes), std::end(kSizes)}, size);
    return TRUE;
}

// A typed text that spells a choice counts as that choice; any other text
// leaves the hidden field with the last choice.
BOOL CZEMEDITPropPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == CBN_SELCHANGE || HIWORD(wParam) == CBN_EDITCHANGE) {
        for (const auto& [list, hidden] : kListFields) {
            if (LOWORD(wParam) != list)
                continue;
            auto* combo = Item<CComboBox>(static_cast<int>(list));
            const int choice = combo != nullptr ? combo->GetCurSel() : -1;
            if (choice >= 0)
                SetDlgItemInt(static_cast<int>(hidden), static_cast<UINT>(choice), FALSE);
        }
    }
    return COlePropertyPage::OnCommand(wParam, lParam);
}
