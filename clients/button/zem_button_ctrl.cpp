// The button's properties and persistence.
#include "clients/button/zem_button_ctrl.h"

#include "platform/propsheet.h"

CZemButtonCtrl::CZemButtonCtrl()
{
    EnableStockProperties(STOCK_CAPTION | STOCK_BACKCOLOR | STOCK_FORECOLOR | STOCK_ENABLED);
    DispProperty(DISPID_ZEMBUTTON_BUTTON, "Button", VT_I4, [this] { return Variant::Long(Button); },
                 [this](const Variant& v) { SetButton(v.AsLong()); });
    DispProperty(DISPID_ZEMBUTTON_VALUE, "Value", VT_I4, [this] {
        UpdateMask();
        return Variant::Long(BitSet() ? 1 : 0);
    }, nullptr);
    // Declared as the type library declares it; the control never raises it.
    DispEvent(DISPID_READYSTATECHANGE, "ReadyStateChange", {"nReadyState"}, {VT_I4});
    AddPropertyPage("ZEMBUTTON.ZemButtonPropPage.1");
    AddPropertyPage(nimbo::kStockColorPageClsid);
    InitClient(IDS_CLIENT_TYPENAME);
    disabledBitmap.LoadBitmap(ClientModule(), IDB_CLIENT_DISABLED);
    offlineBitmap.LoadBitmap(ClientModule(), IDB_CLIENT_OFFLINE);
    buttonStrip.LoadBitmap(ClientModule(), IDB_BUTTON_STRIP);
    captionBackground.LoadBitmap(ClientModule(), IDB_BUTTON_CAPTION);
    pendingBitmap.LoadBitmap(ClientModule(), IDB_BUTTON_PENDING);
}

void CZemButtonCtrl::SetGeometry()
{
    controlRect = RECT{0, 0, kButtonWidth + kButtonCaptionWidth, kButtonHeight};
    valueRect = RECT{0, 0, kButtonWidth, kButtonHeight};
}

RECT CZemButtonCtrl::PictureRect() const
{
    int left = Align == 0 ? 0 : kButtonCaptionWidth;
    return RECT{left, 0, left + kButtonWidth, kButtonHeight};
}

void CZemButtonCtrl::SetButton(std::int32_t style)
{
    // 12 passes, as the property page lets it; it shows an empty cell.
    if (style > kButtonStyles)
        return;
    Button = style;
    InvalidateValue();
    SetModifiedFlag();
}

void CZemButtonCtrl::DoPropExchange(CPropExchange* px)
{
    DWORD version = MAKELONG(0, 1);
    px->ExchangeVersion(&version, MAKELONG(0, 1));
    ExchangeCommon(px);
    PX_Long(px, "Button", Button, 0);
}
