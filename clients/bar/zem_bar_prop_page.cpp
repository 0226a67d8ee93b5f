// The bar's property page.
#include "clients/bar/zem_bar_prop_page.h"

#include "clients/common/client_ctrl.h"
#include "platform/registry.h"

DialogTemplate ZemBarPageTemplate()
{
    DialogTemplate t;
    t.cx = 250;
    t.cy = 110;
    t.items = {
        {DialogItem::Static, IDC_STATIC, "Minimo\t=", 7, 18, 67, 12},
        {DialogItem::Edit, IDC_BAR_MIN, "", 80, 18, 35, 12},
        {DialogItem::Static, IDC_STATIC, "Massimo\t=", 123, 18, 67, 12},
        {DialogItem::Edit, IDC_BAR_MAX, "", 208, 18, 35, 12},
        {DialogItem::Static, IDC_STATIC, "Titolo", 7, 50, 67, 12},
        {DialogItem::Edit, IDC_BAR_CAPTION, "", 79, 50, 89, 12},
        {DialogItem::Static, IDC_STATIC, "Align", 176, 50, 41, 12},
        {DialogItem::Edit, IDC_BAR_ALIGN, "", 224, 50, 20, 12},
        {DialogItem::Static, IDC_STATIC, "Numero di Plc", 7, 69, 210, 12},
        {DialogItem::Edit, IDC_BAR_PLC, "", 224, 69, 20, 12},
        {DialogItem::Static, IDC_STATIC, "Numero di Registro da visualizzare", 7, 88, 210, 12},
        {DialogItem::Edit, IDC_BAR_REG, "", 224, 88, 20, 12},
    };
    return t;
}

CZemBarPropPage::CZemBarPropPage() : COlePropertyPage(ClientModule(), IDD_BAR_PAGE, IDS_BAR_PAGE_CAPTION)
{
    // A live page keeps the library loaded, as a live control does.
    nimbo::ObjectCreated();
}

CZemBarPropPage::~CZemBarPropPage() { nimbo::ObjectDestroyed(); }

// Min and Max take any number here; the control ignores 0 and below.
void CZemBarPropPage::DoDataExchange(CDataExchange* pDX)
{
    DDP_Text(pDX, IDC_BAR_CAPTION, caption, "Caption");
    DDX_Text(pDX, IDC_BAR_CAPTION, caption);
    DDP_Text(pDX, IDC_BAR_ALIGN, align, "Align");
    DDX_Text(pDX, IDC_BAR_ALIGN, align);
    DDV_MinMaxLong(pDX, align, 0, 1);
    DDP_Text(pDX, IDC_BAR_PLC, plc, "Plc");
    DDX_Text(pDX, IDC_BAR_PLC, plc);
    DDV_MinMaxLong(pDX, plc, 1, 200);
    DDP_Text(pDX, IDC_BAR_REG, reg, "Reg");
    DDX_Text(pDX, IDC_BAR_REG, reg);
    DDV_MinMaxLong(pDX, reg, 0, 32000);
    DDP_Text(pDX, IDC_BAR_MAX, max, "Max");
    DDX_Text(pDX, IDC_BAR_MAX, max);
    DDP_Text(pDX, IDC_BAR_MIN, min, "Min");
    DDX_Text(pDX, IDC_BAR_MIN, min);
}
