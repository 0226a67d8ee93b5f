// The numeric display's properties, persistence, font and layout.
#include "clients/edit/edit_ctrl.h"

#include "clients/edit/edit_value_text.h"

namespace {

// Raster precision, as the display has always asked for its font.
constexpr BYTE kRasterPrecision = 6;
constexpr int kValueWeight = 800;

struct FontCell {
    int height;
    int width;
};

// Heights are character heights (negative). Widths are given as
// magnitudes: here a negative width would fall back to the face's own.
FontCell ValueFontCell(std::int32_t size)
{
    switch (size) {
    case 1: return {-48, 24};
    case 2: return {-96, 48};
    default: return {-24, 12};
    }
}

}  // namespace

CZEMEDITCtrl::CZEMEDITCtrl()
{
    DispProperty(DISPID_EDIT_UNI, "Uni", VT_BSTR, [this] { return Variant::String(Uni); },
                 [this](const Variant& v) { SetUni(v.AsString().c_str()); });
    DispProperty(DISPID_EDIT_ENUM, "Enum", VT_I4, [this] { return Variant::Long(Enum); },
                 [this](const Variant& v) { SetEnum(v.AsLong()); });
    DispProperty(DISPID_EDIT_SIZE, "Size", VT_I4, [this] { return Variant::Long(Size); },
                 [this](const Variant& v) { SetSize(v.AsLong()); });
    DispProperty(DISPID_EDIT_VALUE, "Value", VT_I4, [this] { return Variant::Long(value); }, nullptr);
    EnableStockProperties(STOCK_CAPTION | STOCK_BACKCOLOR | STOCK_FORECOLOR | STOCK_ENABLED);
    DispEvent(DISPID_READYSTATECHANGE, "ReadyStateChange");
    AddPropertyPage("ZEMEDIT.ZEMEDITPropPage.1");
    InitClient(IDS_CLIENT_TYPENAME);
    disabledBitmap.LoadBitmap(ClientModule(), IDB_CLIENT_DISABLED);
    offlineBitmap.LoadBitmap(ClientModule(), IDB_CLIENT_OFFLINE);
    Uni.clear();
    Enum = 0;
    CreateValueFont();
}

void CZEMEDITCtrl::SetGeometry()
{
    valueRect = RECT{4, 4, 36, 36};
    controlRect = RECT{0, 0, 40, 64};
}

std::string CZEMEDITCtrl::FormatValueText() { return FormatDisplayText(value, Enum, Bit, Uni, Align); }

// The font is fixed-pitch and every mask has a fixed number of characters,
// so the layout never depends on the value and new data never resizes.
void CZEMEDITCtrl::RecalcLayout()
{
    // Text extents depend on the font alone; a scratch picture measures
    // the same as the window would.
    std::unique_ptr<CDC> dc = nimbo::CreateImageDC(1, 1, 0);
    CFont* old = dc->SelectObject(&valueFont);
    const SIZE text = dc->GetTextExtent(FormatValueText());
    if (old)
        dc->SelectObject(old);
    valueRect = RECT{kEditMargin, kEditMargin, text.cx + kEditMargin, text.cy + kEditMargin};
    controlRect = RECT{0, 0, text.cx + 2 * kEditMargin, text.cy + kEditMargin + kEditCaptionHeight};
}

void CZEMEDITCtrl::CreateValueFont()
{
    const FontCell cell = ValueFontCell(Size);
    valueFont.DeleteObject();
    valueFont.CreateFontA(cell.height, cell.width, 0, 0, kValueWeight, FALSE, FALSE, FALSE, ANSI_CHARSET,
                          kRasterPrecision, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Courier New");
}

void CZEMEDITCtrl::Relayout()
{
    RecalcLayout();
    // The container keeps the control's top left corner where it is.
    SetControlSize(controlRect.right - controlRect.left, controlRect.bottom - controlRect.top);
    InvalidateControl(nullptr, TRUE);
}

void CZEMEDITCtrl::SetUni(const char* unit)
{
    if (unit == nullptr)
        return;
    Uni = unit;
    SetModifiedFlag();
    Relayout();
}

void CZEMEDITCtrl::SetEnum(std::int32_t mask)
{
    Enum = mask;
    SetModifiedFlag();
    Relayout();
}

// The size is a look chosen at design time, not data: changing it does
// not mark the control modified.
void CZEMEDITCtrl::SetSize(std::int32_t size)
{
    if (size >= kEditSizeCount)
        return;
    Size = size;
    CreateValueFont();
    Relayout();
}

BOOL CZEMEDITCtrl::OnSetExtent(const SIZE& size) { return COleControl::OnSetExtent(size); }

int CZEMEDITCtrl::OnCreate()
{
    if (CClientCtrl::OnCreate() == -1)
        return -1;
    CreateValueFont();
    Relayout();
    return 0;
}

void CZEMEDITCtrl::DoPropExchange(CPropExchange* px)
{
    DWORD version = MAKELONG(0, 1);
    px->ExchangeVersion(&version, MAKELONG(0, 1));
    ExchangeCommon(px);
    PX_String(px, "Uni", Uni, "");
    PX_Long(px, "Enum", Enum, 0);
    PX_Long(px, "Size", Size, 0);
    // Before the window exists, creation builds font and layout from what
    // was loaded; a control already shown would otherwise keep drawing with
    // the old font and size.
    if (px->IsLoading() && m_hWnd) {
        CreateValueFont();
        Relayout();
    }
}
