// The two-caption text control's property page.
#include "clients/text/zem_text_prop_page.h"

#include "clients/text/zem_text_ctrl.h"
#include "platform/registry.h"

DialogTemplate ZemTextPageTemplate()
{
    DialogTemplate t;
    t.caption = "General";
    t.cx = 250;
    t.cy = 110;
    t.items = {
        {DialogItem::Static, IDC_STATIC, "Titolo Stato ON", 7, 7, 67, 12},
        {DialogItem::Edit, IDC_TEXT_STATE_ON, "", 82, 7, 89, 12},
        {DialogItem::Static, IDC_STATIC, "Titolo Stato OFF", 7, 28, 67, 12},
        {DialogItem::Edit, IDC_TEXT_STATE_OFF, "", 82, 28, 89, 12},
        {DialogItem::Static, IDC_STATIC, "Align", 188, 28, 28, 12},
        {DialogItem::Edit, IDC_TEXT_ALIGN, "", 224, 28, 19, 12},
        {DialogItem::Static, IDC_STATIC, "Numero di Plc", 7, 49, 210, 12},
        {DialogItem::Edit, IDC_TEXT_PLC, "", 224, 49, 20, 12},
        {DialogItem::Static, IDC_STATIC, "Numero di Registro da visualizzare", 7, 70, 210, 12},
        {DialogItem::Edit, IDC_TEXT_REG, "", 224, 70, 20, 12},
        {DialogItem::Static, IDC_STATIC, "Numero di Bit da visualizzare", 7, 91, 210, 12},
        {DialogItem::Edit, IDC_TEXT_BIT, "", 224, 91, 20, 12},
        {DialogItem::Icon, IDC_STATIC, "", 222, 7, 20, 20, IDI_TEXT_PAGE},
    };
    return t;
}

CZemTextPropPage::CZemTextPropPage() : COlePropertyPage(ClientModule(), IDD_TEXT_PAGE, IDS_TEXT_PAGE_CAPTION)
{
    nimbo::ObjectCreated();
}

CZemTextPropPage::~CZemTextPropPage() { nimbo::ObjectDestroyed(); }

void CZemTextPropPage::DoDataExchange(CDataExchange* pDX)
{
    DDP_Text(pDX, IDC_TEXT_PLC, plc, "Plc");
    DDX_Text(pDX, IDC_TEXT_PLC, plc);
    DDV_MinMaxLong(pDX, plc, 1, 32);
    DDP_Text(pDX, IDC_TEXT_ALIGN, align, "Align");
    DDX_Text(pDX, IDC_TEXT_ALIGN, align);
    DDV_MinMaxLong(pDX, align, TEXT_ALIGN_RIGHT, TEXT_ALIGN_CENTRE);
    DDP_Text(pDX, IDC_TEXT_BIT, bit, "Bit");
    DDX_Text(pDX, IDC_TEXT_BIT, bit);
    DDV_MinMaxLong(pDX, bit, 0, 31);
    DDP_Text(pDX, IDC_TEXT_REG, reg, "Reg");
    DDX_Text(pDX, IDC_TEXT_REG, reg);
    DDV_MinMaxLong(pDX, reg, 0, 8000);
    // Crossed on purpose: the names run against the bit (CaptionOn is shown
    // while it is 0), the labels follow the bit, so "Titolo Stato OFF" holds CaptionOn.
    DDP_Text(pDX, IDC_TEXT_STATE_OFF, captionOn, "CaptionOn");
    DDX_Text(pDX, IDC_TEXT_STATE_OFF, captionOn);
    DDP_Text(pDX, IDC_TEXT_STATE_ON, captionOff, "CaptionOff");
    DDX_Text(pDX, IDC_TEXT_STATE_ON, captionOff);
}
