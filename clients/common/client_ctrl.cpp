#include "clients/common/client_ctrl.h"

#include "platform/panel_members.h"
#include "platform/registry.h"

namespace {
constexpr std::int32_t kLastClientRegister = 31999;
constexpr std::int32_t kLastClientBit = 30;
}  // namespace

CClientCtrl::CClientCtrl(DISPID alignDispId)
{
    nimbo::ObjectCreated();
    DispProperty(DISPID_CLIENT_PLC, "Plc", VT_I4, [this] { return Variant::Long(Plc); },
                 [this](const Variant& v) { SetPlc(v.AsLong()); });
    DispProperty(DISPID_CLIENT_REG, "Reg", VT_I4, [this] { return Variant::Long(Reg); },
                 [this](const Variant& v) { SetReg(v.AsLong()); });
    DispProperty(DISPID_CLIENT_BIT, "Bit", VT_I4, [this] { return Variant::Long(Bit); },
                 [this](const Variant& v) { SetBit(v.AsLong()); });
    DispProperty(DISPID_CLIENT_CLIENT, nimbo::members::kClient, VT_I4,
                 [this] { return Variant::Long(static_cast<std::int32_t>(m_hWnd)); }, nullptr);
    DispProperty(alignDispId, "Align", VT_I4, [this] { return Variant::Long(Align); },
                 [this](const Variant& v) { SetAlign(v.AsLong()); });
}

CClientCtrl::~CClientCtrl() { nimbo::ObjectDestroyed(); }

void CClientCtrl::SetGeometry()
{
    controlRect = RECT{0, 0, 32, 32};
    valueRect = RECT{0, 0, 32, 32};
}

void CClientCtrl::InitClient(UINT typeNameId)
{
    InternalSetReadyState(READYSTATE_LOADING);
    value = 0;
    mask = 1;
    offline = 0;
    writePending = 0;
    info.typeName = nimbo::LoadResourceString(ClientModule(), typeNameId);
    info.signature = CLIENT_SIGNATURE;
    port = nullptr;
    controlRect = RECT{0, 0, 0, 0};
    SetGeometry();
    SetInitialSize(controlRect.right - controlRect.left, controlRect.bottom - controlRect.top);
}

void CClientCtrl::UpdateMask()
{
    mask = 1;
    // Bit numbers past 31 shift the bit out: no bit is shown.
    for (std::int32_t i = 0; i < Bit && mask != 0; ++i)
        mask <<= 1;
}

void CClientCtrl::DrawOnline(CDC* dc)
{
    dc->FillRect(&controlRect, static_cast<CBrush*>(GetStockObject(LTGRAY_BRUSH)));
    RECT r = controlRect;
    dc->DrawText("Zem OLE V1.00", 13, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void CClientCtrl::BlitPart(CDC* dc, int x, int y, int cx, int cy, CBitmap* bitmap, int sx, int sy)
{
    if (dc == nullptr || bitmap == nullptr)
        return;
    CDC memory;
    memory.CreateCompatibleDC(dc);
    CBitmap* old = memory.SelectObject(bitmap);
    dc->BitBlt(x, y, cx, cy, &memory, sx, sy, SRCCOPY);
    if (old)
        memory.SelectObject(old);
}

void CClientCtrl::BlitAt(CDC* dc, int x, int y, CBitmap* bitmap)
{
    if (dc == nullptr || bitmap == nullptr)
        return;
    BITMAP size{};
    bitmap->GetBitmap(&size);
    BlitPart(dc, x, y, size.bmWidth, size.bmHeight, bitmap, 0, 0);
}

void CClientCtrl::BlitOrigin(CDC* dc, CBitmap* bitmap) { BlitAt(dc, 0, 0, bitmap); }

void CClientCtrl::Draw3DFrame(CDC* dc, RECT* r)
{
    auto* white = static_cast<CBrush*>(GetStockObject(WHITE_BRUSH));
    auto* light = static_cast<CBrush*>(GetStockObject(LTGRAY_BRUSH));
    auto* dark = static_cast<CBrush*>(GetStockObject(DKGRAY_BRUSH));
    auto edges = [&](CBrush* brush) {
        RECT right{r->right - 1, r->top, r->right, r->bottom};
        RECT bottom{r->left, r->bottom - 1, r->right, r->bottom};
        dc->FillRect(&right, brush);
        dc->FillRect(&bottom, brush);
    };
    auto shrink = [r] {
        r->left += 1;
        r->top += 1;
        r->right -= 1;
        r->bottom -= 1;
    };
    dc->FrameRect(r, white);
    edges(dark);
    shrink();
    dc->FrameRect(r, light);
    shrink();
    dc->FrameRect(r, light);
    shrink();
    dc->FrameRect(r, dark);
    edges(white);
}

void CClientCtrl::InvalidateValue()
{
    bool empty = valueRect.right == valueRect.left || valueRect.bottom == valueRect.top;
    InvalidateControl(empty ? &controlRect : &valueRect, TRUE);
}

void CClientCtrl::OnDraw(CDC* dc, const RECT&, const RECT&)
{
    if (dc == nullptr)
        return;
    auto* light = static_cast<CBrush*>(GetStockObject(LTGRAY_BRUSH));
    if (offline == 1) {
        dc->FillRect(&controlRect, light);
        BlitOrigin(dc, &offlineBitmap);
    } else if (!GetEnabled()) {
        dc->FillRect(&controlRect, light);
        BlitOrigin(dc, &disabledBitmap);
    } else {
        DrawOnline(dc);
    }
}

BOOL CClientCtrl::OnSetExtent(const SIZE&) { return FALSE; }

void CClientCtrl::RefreshIdentity()
{
    char text[256] = {};
    GetWindowTextA(m_hWnd, text, sizeof text);
    info.windowText = text;
    GetWindowRect(m_hWnd, &info.windowRect);
}

int CClientCtrl::OnCreate()
{
    if (COleControl::OnCreate() == -1)
        return -1;
    RefreshIdentity();
    port = nullptr;
    SetWindowLongA(m_hWnd, GWL_USERDATA, reinterpret_cast<LONG_PTR>(&info));
    return 0;
}

LRESULT CClientCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PLC_DATA)
        return OnServerData(wParam, lParam);
    if (message == WM_PLC_OFFLINE)
        return OnServerOffline(wParam, lParam);
    return COleControl::WindowProc(message, wParam, lParam);
}

std::int32_t CClientCtrl::ReadRegister(const std::int32_t* image) const
{
    if (image == nullptr || Reg < 0 || Reg >= CComSer::kRegisterCount)
        return 0;
    return image[Reg];
}

LRESULT CClientCtrl::OnServerData(WPARAM plc, LPARAM lParam)
{
    if (static_cast<std::int32_t>(plc) != Plc)
        return 0;
    port = reinterpret_cast<CComSer*>(lParam);
    if (port == nullptr)
        return 1;
    InternalSetReadyState(READYSTATE_LOADING);
    const std::int32_t* image = port->GetRegisters();
    writePending = 0;
    std::int32_t current = ReadRegister(image);
    if (current != value) {
        value = current;
        SetModifiedFlag();
        InvalidateValue();
    }
    RefreshIdentity();
    SetWindowLongA(m_hWnd, GWL_USERDATA, reinterpret_cast<LONG_PTR>(&info));
    if (offline) {
        offline = 0;
        InvalidateControl(&controlRect, TRUE);
    }
    return 1;
}

LRESULT CClientCtrl::OnServerOffline(WPARAM, LPARAM)
{
    offline = 1;
    SetModifiedFlag();
    InvalidateControl(&controlRect, TRUE);
    InternalSetReadyState(READYSTATE_COMPLETE);
    return 1;
}

void CClientCtrl::SetPlc(std::int32_t v)
{
    if (v == Plc)
        return;
    Plc = v;
    SetModifiedFlag();
    InvalidateControl();
}

void CClientCtrl::SetReg(std::int32_t v)
{
    if (v < 0 || v > kLastClientRegister)
        return;
    Reg = v;
    SetModifiedFlag();
    InvalidateControl();
}

void CClientCtrl::SetBit(std::int32_t v)
{
    if (v < 0 || v > kLastClientBit)
        return;
    Bit = v;
    UpdateMask();
    SetModifiedFlag();
    InvalidateValue();
}

void CClientCtrl::SetAlign(std::int32_t v)
{
    if (v != 0 && v != 1)
        return;
    SetModifiedFlag();
    Align = v;
    InvalidateControl();
}

void CClientCtrl::ExchangeCommon(CPropExchange* px)
{
    COleControl::DoPropExchange(px);
    PX_Long(px, "Plc", Plc, 0);
    PX_Long(px, "Reg", Reg, 0);
    PX_Long(px, "Bit", Bit, 0);
    PX_Long(px, "Align", Align, 0);
}

void CClientCtrl::BlitStyleCell(CDC* dc, POINT at, CBitmap* strip, int style, int styles, int cx, int cy, bool lit)
{
    if (style >= 0 && style < styles) {
        BlitPart(dc, at.x, at.y, cx, cy, strip, style * cx, lit ? 0 : cy);
    } else if (dc != nullptr) {
        RECT blank{at.x, at.y, at.x + cx, at.y + cy};
        dc->FillRect(&blank, static_cast<CBrush*>(GetStockObject(LTGRAY_BRUSH)));
    }
}

void CClientCtrl::DrawCaptionBox(CDC* dc, POINT at, CBitmap* background, int cx, int cy)
{
    if (dc == nullptr)
        return;
    BlitAt(dc, at.x, at.y, background);
    RECT box{at.x + 6, at.y + 6, at.x + cx - 6, at.y + cy - 6};
    CBrush fill(TranslateColor(GetBackColor()));
    dc->FillRect(&box, &fill);
    dc->FrameRect(&box, static_cast<CBrush*>(GetStockObject(BLACK_BRUSH)));
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(TranslateColor(GetForeColor()));
    UINT alignment = Align == 0 ? DT_RIGHT : DT_LEFT;
    std::string caption = InternalGetText();
    dc->DrawText(caption.c_str(), -1, &box, alignment | DT_VCENTER | DT_SINGLELINE);
}
