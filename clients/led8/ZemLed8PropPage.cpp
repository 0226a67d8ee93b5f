// The eight-LED control's property page.
#include "clients/led8/ZemLed8PropPage.h"

#include "clients/led8/ZemLed8Ctrl.h"
#include "platform/registry.h"

DialogTemplate ZemLed8PageTemplate()
{
    DialogTemplate t;
    t.caption = "Generale";
    t.cx = 250;
    t.cy = 110;
    t.items = {
        {DialogItem::Static, IDC_STATIC, "Align", 7, 13, 28, 12},
        {DialogItem::Edit, IDC_LED8_ALIGN, "", 41, 13, 19, 12},
        {DialogItem::Static, IDC_STATIC, "Tipo", 71, 13, 28, 12},
        {DialogItem::Edit, IDC_LED8_STYLE, "", 111, 13, 19, 12},
        {DialogItem::GroupBox, IDC_LED8_PREVIEW, "", 152, 13, 30, 30},
        {DialogItem::Static, IDC_STATIC, "Titolo", 7, 32, 27, 12},
        {DialogItem::Edit, IDC_LED8_CAPTION, "", 41, 32, 89, 12},
        {DialogItem::Static, IDC_STATIC, "Numero di Plc", 7, 51, 210, 12},
        {DialogItem::Edit, IDC_LED8_PLC, "", 224, 51, 20, 12},
        {DialogItem::Static, IDC_STATIC, "Numero di Registro da visualizzare", 7, 70, 210, 12},
        {DialogItem::Edit, IDC_LED8_REG, "", 224, 70, 20, 12},
        {DialogItem::Static, IDC_STATIC, "Numero di Byte da visualizzare(0..3)", 7, 89, 210, 12},
        {DialogItem::Edit, IDC_LED8_BIT, "", 224, 89, 20, 12},
    };
    return t;
}

CZemLed8PropPage::CZemLed8PropPage() : COlePropertyPage(ClientModule(), IDD_LED8_PAGE, IDS_LED8_PAGE_CAPTION)
{
    nimbo::ObjectCreated();
    lampStrip_.LoadBitmap(ClientModule(), IDB_LED8_LAMPS);
}

CZemLed8PropPage::~CZemLed8PropPage()
{
    DestroyWindow();
    nimbo::ObjectDestroyed();
}

// The marker only says where the preview goes; it is never seen.
BOOL CZemLed8PropPage::OnInitDialog()
{
    COlePropertyPage::OnInitDialog();
    ShowWindow(GetDlgItem(IDC_LED8_PREVIEW), SW_HIDE);
    FollowStyleField();
    return TRUE;
}

BOOL CZemLed8PropPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == IDC_LED8_STYLE && HIWORD(wParam) == EN_CHANGE)
        FollowStyleField();
    return COlePropertyPage::OnCommand(wParam, lParam);
}

void CZemLed8PropPage::DoDataExchange(CDataExchange* pDX)
{
    DDP_Text(pDX, IDC_LED8_BIT, bit, "Bit");
    DDX_Text(pDX, IDC_LED8_BIT, bit);
    DDV_MinMaxLong(pDX, bit, 0, 3);
    DDP_Text(pDX, IDC_LED8_CAPTION, caption, "Caption");
    DDX_Text(pDX, IDC_LED8_CAPTION, caption);
    DDP_Text(pDX, IDC_LED8_ALIGN, align, "Align");
    DDX_Text(pDX, IDC_LED8_ALIGN, align);
    DDV_MinMaxLong(pDX, align, 0, 1);
    DDP_Text(pDX, IDC_LED8_PLC, plc, "Plc");
    DDX_Text(pDX, IDC_LED8_PLC, plc);
    DDV_MinMaxLong(pDX, plc, 1, 200);
    DDP_Text(pDX, IDC_LED8_REG, reg, "Reg");
    DDX_Text(pDX, IDC_LED8_REG, reg);
    DDV_MinMaxLong(pDX, reg, 0, 32000);
    DDP_Text(pDX, IDC_LED8_STYLE, led, "Led");
    DDX_Text(pDX, IDC_LED8_STYLE, led);
    DDV_MinMaxLong(pDX, led, 0, kLed8Styles - 1);
}

RECT CZemLed8PropPage::PreviewRect() const
{
    RECT r{0, 0, 0, 0};
    HWND marker = GetDlgItem(IDC_LED8_PREVIEW);
    if (!marker || !GetWindowRect(marker, &r))
        return r;
    POINT topLeft{r.left, r.top}, bottomRight{r.right, r.bottom};
    ScreenToClient(m_hWnd, &topLeft);
    ScreenToClient(m_hWnd, &bottomRight);
    return RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

// The preview follows the typing, before the page has validated anything.
void CZemLed8PropPage::FollowStyleField()
{
    previewStyle = GetDlgItemInt(IDC_LED8_STYLE, nullptr, FALSE);
    RECT r = PreviewRect();
    InvalidateRect(m_hWnd, &r, TRUE);
}

void CZemLed8PropPage::PaintPreview(CDC* dc)
{
    RECT r = PreviewRect();
    // Half-typed numbers name no style; an empty place beats a copy of
    // whatever lies beside the strip.
    if (dc == nullptr || previewStyle >= static_cast<UINT>(kLed8Styles))
        return;
    CDC memory;
    memory.CreateCompatibleDC(dc);
    CBitmap* old = memory.SelectObject(&lampStrip_);
    dc->BitBlt(r.left, r.top, kLed8LampWidth, 2 * kLed8LampHeight, &memory,
               static_cast<int>(previewStyle) * kLed8LampWidth, 0, SRCCOPY);
    if (old)
        memory.SelectObject(old);
}

LRESULT CZemLed8PropPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = COlePropertyPage::WindowProc(message, wParam, lParam);
    if (message == WM_PAINT)
        PaintPreview(reinterpret_cast<CDC*>(wParam));
    return result;
}
