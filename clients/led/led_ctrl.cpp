// The LED's properties and persistence.
#include "clients/led/led_ctrl.h"

CLedCtrl::CLedCtrl()
{
    EnableStockProperties(STOCK_CAPTION | STOCK_BACKCOLOR | STOCK_FORECOLOR | STOCK_ENABLED);
    DispProperty(DISPID_LED_LED, "Led", VT_I4, [this] { return Variant::Long(Led); },
                 [this](const Variant& v) { SetLed(v.AsLong()); });
    DispProperty(DISPID_LED_VALUE, "Value", VT_I4, [this] {
        UpdateMask();
        return Variant::Long(BitSet() ? 1 : 0);
    }, nullptr);
    AddPropertyPage("LED.LedPropPage.1");
    InitClient(IDS_CLIENT_TYPENAME);
    disabledBitmap.LoadBitmap(ClientModule(), IDB_CLIENT_DISABLED);
    offlineBitmap.LoadBitmap(ClientModule(), IDB_CLIENT_OFFLINE);
    lampStrip.LoadBitmap(ClientModule(), IDB_LED_LAMPS);
    captionBackground.LoadBitmap(ClientModule(), IDB_LED_CAPTION);
}

void CLedCtrl::SetGeometry()
{
    controlRect = RECT{0, 0, kLampWidth + kCaptionWidth, kLampHeight};
    valueRect = RECT{0, 0, kLampWidth, kLampHeight};
}

void CLedCtrl::SetLed(std::int32_t style)
{
    Led = style;
    SetModifiedFlag();
    InvalidateValue();
}

void CLedCtrl::DoPropExchange(CPropExchange* px)
{
    DWORD version = MAKELONG(0, 1);
    px->ExchangeVersion(&version, MAKELONG(0, 1));
    ExchangeCommon(px);
    PX_Long(px, "Led", Led, 0);
}
