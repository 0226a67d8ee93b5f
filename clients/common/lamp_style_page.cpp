#include "clients/common/lamp_style_page.h"

#include "clients/common/client_ctrl.h"
#include "platform/controls.h"
#include "platform/registry.h"

DialogTemplate LampStylePageTemplate(const LampPageShape& shape)
{
    DialogTemplate t;
    t.caption = shape.frameCaption;
    t.cx = 250;
    t.cy = 110;
    t.items = {
        {DialogItem::Static, IDC_STATIC, "Align", 7, 13, 28, 12},
        {DialogItem::Edit, IDC_LAMP_ALIGN, "", 41, 13, 19, 12},
        {DialogItem::Static, IDC_STATIC, "Tipo", 71, 13, 28, 12},
        {DialogItem::Edit, IDC_LAMP_STYLE, "", 111, 13, 19, 12},
        {shape.markerKind, IDC_LAMP_PREVIEW, "", 152, 13, shape.markerWidth, 30},
        {DialogItem::Static, IDC_STATIC, "Titolo", 7, 32, 27, 12},
        {DialogItem::Edit, IDC_LAMP_CAPTION, "", 41, 32, 89, 12},
        {DialogItem::Static, IDC_STATIC, "Numero di Plc", 7, 51, 210, 12},
        {DialogItem::Edit, IDC_LAMP_PLC, "", 224, 51, 20, 12},
        {DialogItem::Static, IDC_STATIC, "Numero di Registro da visualizzare", 7, 70, 210, 12},
        {DialogItem::Edit, IDC_LAMP_REG, "", 224, 70, 20, 12},
        {DialogItem::Static, IDC_STATIC, shape.bitLabel, 7, 89, 210, 12},
        {DialogItem::Edit, IDC_LAMP_BIT, "", 224, 89, 20, 12},
    };
    return t;
}

CLampStylePage::CLampStylePage(UINT dialogId, UINT captionId, const LampPageShape& shape)
    : COlePropertyPage(ClientModule(), dialogId, captionId), shape_(shape)
{
    nimbo::ObjectCreated();
    lampStrip_.LoadBitmap(ClientModule(), shape.stripId);
}

CLampStylePage::~CLampStylePage()
{
    DestroyWindow();
    nimbo::ObjectDestroyed();
}

// The marker only says where the preview goes; it is never seen.
BOOL CLampStylePage::OnInitDialog()
{
    COlePropertyPage::OnInitDialog();
    ShowWindow(GetDlgItem(IDC_LAMP_PREVIEW), SW_HIDE);
    FollowStyleField();
    return TRUE;
}

BOOL CLampStylePage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == IDC_LAMP_STYLE && HIWORD(wParam) == EN_CHANGE)
        FollowStyleField();
    return COlePropertyPage::OnCommand(wParam, lParam);
}

void CLampStylePage::DoDataExchange(CDataExchange* pDX)
{
    DDP_Text(pDX, IDC_LAMP_BIT, bit, "Bit");
    DDX_Text(pDX, IDC_LAMP_BIT, bit);
    DDV_MinMaxLong(pDX, bit, 0, shape_.bitMax);
    DDP_Text(pDX, IDC_LAMP_CAPTION, caption, "Caption");
    DDX_Text(pDX, IDC_LAMP_CAPTION, caption);
    DDP_Text(pDX, IDC_LAMP_ALIGN, align, "Align");
    DDX_Text(pDX, IDC_LAMP_ALIGN, align);
    DDV_MinMaxLong(pDX, align, 0, 1);
    DDP_Text(pDX, IDC_LAMP_PLC, plc, "Plc");
    DDX_Text(pDX, IDC_LAMP_PLC, plc);
    DDV_MinMaxLong(pDX, plc, 1, 200);
    DDP_Text(pDX, IDC_LAMP_REG, reg, "Reg");
    DDX_Text(pDX, IDC_LAMP_REG, reg);
    DDV_MinMaxLong(pDX, reg, 0, 32000);
    DDP_Text(pDX, IDC_LAMP_STYLE, style, shape_.styleProperty);
    DDX_Text(pDX, IDC_LAMP_STYLE, style);
    DDV_MinMaxLong(pDX, style, 0, shape_.styleMax);
}

RECT CLampStylePage::PreviewRect() const
{
    RECT r{0, 0, 0, 0};
    HWND marker = GetDlgItem(IDC_LAMP_PREVIEW);
    if (!marker || !GetWindowRect(marker, &r))
        return r;
    POINT topLeft{r.left, r.top}, bottomRight{r.right, r.bottom};
    ScreenToClient(m_hWnd, &topLeft);
    ScreenToClient(m_hWnd, &bottomRight);
    return RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

// The preview follows the typing, before the page has validated anything.
void CLampStylePage::FollowStyleField()
{
    previewStyle = GetDlgItemInt(IDC_LAMP_STYLE, nullptr, FALSE);
    RECT r = PreviewRect();
    InvalidateRect(m_hWnd, &r, TRUE);
}

void CLampStylePage::PaintPreview(CDC* dc)
{
    if (dc == nullptr)
        return;
    RECT r = PreviewRect();
    const int cx = shape_.cellWidth;
    const int cy = 2 * shape_.cellHeight;
    // Half-typed numbers, and the styles the pages let through past the
    // strip, name no cell; anything beats a copy of what lies beside it.
    if (previewStyle >= static_cast<UINT>(shape_.stripStyles)) {
        if (shape_.greyWithoutCell) {
            RECT cell{r.left, r.top, r.left + cx, r.top + cy};
            dc->FillRect(&cell, static_cast<CBrush*>(GetStockObject(LTGRAY_BRUSH)));
        }
        return;
    }
    CDC memory;
    memory.CreateCompatibleDC(dc);
    CBitmap* old = memory.SelectObject(&lampStrip_);
    dc->BitBlt(r.left, r.top, cx, cy, &memory, static_cast<int>(previewStyle) * cx, 0, SRCCOPY);
    if (old)
        memory.SelectObject(old);
}

LRESULT CLampStylePage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = COlePropertyPage::WindowProc(message, wParam, lParam);
    if (message == WM_PAINT)
        PaintPreview(reinterpret_cast<CDC*>(wParam));
    return result;
}
