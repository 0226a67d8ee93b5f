// The button's property page.
#include "clients/button/ZemButtonPropPage.h"

#include "clients/button/ZemButtonCtrl.h"
#include "platform/registry.h"

DialogTemplate ZemButtonPageTemplate()
{
    DialogTemplate t;
    t.cx = 250;
    t.cy = 110;
    t.items = {
        {DialogItem::Static, IDC_STATIC, "Align", 7, 13, 28, 12},
        {DialogItem::Edit, IDC_BUTTON_ALIGN, "", 41, 13, 19, 12},
        {DialogItem::Static, IDC_STATIC, "Tipo", 71, 13, 28, 12},
        {DialogItem::Edit, IDC_BUTTON_STYLE, "", 111, 13, 19, 12},
        {DialogItem::Static, IDC_BUTTON_PREVIEW, "", 152, 13, 43, 30},
        {DialogItem::Static, IDC_STATIC, "Titolo", 7, 32, 27, 12},
        {DialogItem::Edit, IDC_BUTTON_CAPTION, "", 41, 32, 89, 12},
        {DialogItem::Static, IDC_STATIC, "Numero di Plc", 7, 51, 210, 12},
        {DialogItem::Edit, IDC_BUTTON_PLC, "", 224, 51, 20, 12},
        {DialogItem::Static, IDC_STATIC, "Numero di Registro da visualizzare", 7, 70, 210, 12},
        {DialogItem::Edit, IDC_BUTTON_REG, "", 224, 70, 20, 12},
        {DialogItem::Static, IDC_STATIC, "Numero di Bit da visualizzare", 7, 89, 210, 12},
        {DialogItem::Edit, IDC_BUTTON_BIT, "", 224, 89, 20, 12},
    };
    return t;
}

CZemButtonPropPage::CZemButtonPropPage()
    : COlePropertyPage(ClientModule(), IDD_BUTTON_PAGE, IDS_BUTTON_PAGE_CAPTION)
{
    // A live page keeps the library loaded, as a live control does.
    nimbo::ObjectCreated();
    strip_.LoadBitmap(ClientModule(), IDB_BUTTON_STRIP);
}

CZemButtonPropPage::~CZemButtonPropPage() { nimbo::ObjectDestroyed(); }

// The page's ranges are its own: Bit 31 and Reg 32000 pass here and are
// then ignored by the control.
void CZemButtonPropPage::DoDataExchange(CDataExchange* pDX)
{
    DDP_Text(pDX, IDC_BUTTON_BIT, bit, "Bit");
    DDX_Text(pDX, IDC_BUTTON_BIT, bit);
    DDV_MinMaxLong(pDX, bit, 0, 31);
    DDP_Text(pDX, IDC_BUTTON_CAPTION, caption, "Caption");
    DDX_Text(pDX, IDC_BUTTON_CAPTION, caption);
    DDP_Text(pDX, IDC_BUTTON_ALIGN, align, "Align");
    DDX_Text(pDX, IDC_BUTTON_ALIGN, align);
    DDV_MinMaxLong(pDX, align, 0, 1);
    DDP_Text(pDX, IDC_BUTTON_PLC, plc, "Plc");
    DDX_Text(pDX, IDC_BUTTON_PLC, plc);
    DDV_MinMaxLong(pDX, plc, 1, 200);
    DDP_Text(pDX, IDC_BUTTON_REG, reg, "Reg");
    DDX_Text(pDX, IDC_BUTTON_REG, reg);
    DDV_MinMaxLong(pDX, reg, 0, 32000);
    DDP_Text(pDX, IDC_BUTTON_STYLE, button, "Button");
    DDX_Text(pDX, IDC_BUTTON_STYLE, button);
    DDV_MinMaxLong(pDX, button, 0, 12);
}

// The frame only marks where the preview goes; the page paints there itself.
BOOL CZemButtonPropPage::OnInitDialog()
{
    if (HWND frame = GetDlgItem(IDC_BUTTON_PREVIEW))
        ShowWindow(frame, SW_HIDE);
    return COlePropertyPage::OnInitDialog();
}

BOOL CZemButtonPropPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == IDC_BUTTON_STYLE && HIWORD(wParam) == EN_CHANGE) {
        previewStyle = GetDlgItemInt(IDC_BUTTON_STYLE, nullptr, FALSE);
        RECT frame = PreviewRect();
        InvalidateRect(m_hWnd, &frame, TRUE);
    }
    return COlePropertyPage::OnCommand(wParam, lParam);
}

LRESULT CZemButtonPropPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = COlePropertyPage::WindowProc(message, wParam, lParam);
    if (message == WM_PAINT)
        DrawPreview(reinterpret_cast<CDC*>(wParam));
    return result;
}

RECT CZemButtonPropPage::PreviewRect() const
{
    RECT frame{0, 0, 0, 0};
    HWND item = GetDlgItem(IDC_BUTTON_PREVIEW);
    if (item == 0 || !GetWindowRect(item, &frame))
        return frame;
    POINT topLeft{frame.left, frame.top}, bottomRight{frame.right, frame.bottom};
    ScreenToClient(m_hWnd, &topLeft);
    ScreenToClient(m_hWnd, &bottomRight);
    return RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

// Both states, set above clear, at the frame's top left corner.
void CZemButtonPropPage::DrawPreview(CDC* dc)
{
    if (dc == nullptr)
        return;
    RECT frame = PreviewRect();
    RECT cell{frame.left, frame.top, frame.left + kButtonWidth, frame.top + 2 * kButtonHeight};
    // The page lets 12 through, which the strip has no cell for.
    if (previewStyle >= static_cast<UINT>(kButtonStyles)) {
        dc->FillRect(&cell, static_cast<CBrush*>(GetStockObject(LTGRAY_BRUSH)));
        return;
    }
    CDC memory;
    memory.CreateCompatibleDC(dc);
    CBitmap* old = memory.SelectObject(&strip_);
    dc->BitBlt(cell.left, cell.top, kButtonWidth, 2 * kButtonHeight, &memory,
               static_cast<int>(previewStyle) * kButtonWidth, 0, SRCCOPY);
    if (old)
        memory.SelectObject(old);
}
