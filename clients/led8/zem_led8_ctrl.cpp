// The eight-LED control's properties and persistence.
#include "clients/led8/zem_led8_ctrl.h"

#include "platform/propsheet.h"

CZemLed8Ctrl::CZemLed8Ctrl()
{
    EnableStockProperties(STOCK_CAPTION | STOCK_BACKCOLOR | STOCK_FORECOLOR | STOCK_ENABLED);
    DispProperty(DISPID_LED8_LED, "Led", VT_I4, [this] { return Variant::Long(Led); },
                 [this](const Variant& v) { SetLed(v.AsLong()); });
    DispProperty(DISPID_LED8_VALUE, "Value", VT_I4, [this] { return Variant::Long(LowByte()); }, nullptr);
    DispEvent(DISPID_READYSTATECHANGE, "ReadyStateChange");
    AddPropertyPage("ZEMLED8.ZemLed8PropPage.1");
    AddPropertyPage(nimbo::kStockColorPageClsid);
    InitClient(IDS_CLIENT_TYPENAME);
    disabledBitmap.LoadBitmap(ClientModule(), IDB_CLIENT_DISABLED);
    offlineBitmap.LoadBitmap(ClientModule(), IDB_CLIENT_OFFLINE);
    lampStrip.LoadBitmap(ClientModule(), IDB_LED8_LAMPS);
    captionPanel.LoadBitmap(ClientModule(), IDB_LED8_CAPTION);
}

void CZemLed8Ctrl::SetGeometry()
{
    controlRect = RECT{0, 0, kLed8Width, kLed8CaptionHeight + kLed8LampHeight};
    valueRect = RECT{0, kLed8CaptionHeight, kLed8Width, kLed8CaptionHeight + kLed8LampHeight};
}

// Hosts expect the new style to wait for the next repaint, so nothing is
// invalidated here.
void CZemLed8Ctrl::SetLed(std::int32_t style)
{
    if (style >= kLed8Styles)
        return;
    Led = style;
    SetModifiedFlag();
}

void CZemLed8Ctrl::DoPropExchange(CPropExchange* px)
{
    DWORD version = MAKELONG(0, 1);
    px->ExchangeVersion(&version, MAKELONG(0, 1));
    ExchangeCommon(px);
    PX_Long(px, "Led", Led, 0);
}
