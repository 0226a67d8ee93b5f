// The bar's properties and persistence.
#include "clients/bar/zem_bar_ctrl.h"

#include "platform/propsheet.h"

CZemBarCtrl::CZemBarCtrl()
{
    EnableStockProperties(STOCK_CAPTION | STOCK_BACKCOLOR | STOCK_FORECOLOR | STOCK_ENABLED);
    DispProperty(DISPID_ZEMBAR_MIN, "Min", VT_I4, [this] { return Variant::Long(Min); },
                 [this](const Variant& v) { SetMin(v.AsLong()); });
    DispProperty(DISPID_ZEMBAR_MAX, "Max", VT_I4, [this] { return Variant::Long(Max); },
                 [this](const Variant& v) { SetMax(v.AsLong()); });
    DispProperty(DISPID_ZEMBAR_VALUE, "Value", VT_I4, [this] { return Variant::Long(value); },
                 [this](const Variant& v) { SetValue(v.AsLong()); });
    // Declared as the type library declares it; the control never raises it.
    DispEvent(DISPID_READYSTATECHANGE, "ReadyStateChange", {"nReadyState"}, {VT_I4});
    AddPropertyPage("ZEMBAR.ZemBarPropPage.1");
    AddPropertyPage(nimbo::kStockColorPageClsid);
    InitClient(IDS_CLIENT_TYPENAME);
    disabledBitmap.LoadBitmap(ClientModule(), IDB_CLIENT_DISABLED);
    offlineBitmap.LoadBitmap(ClientModule(), IDB_CLIENT_OFFLINE);
    emptyBar.LoadBitmap(ClientModule(), IDB_BAR_EMPTY);
    fullBar.LoadBitmap(ClientModule(), IDB_BAR_FULL);
    captionBackground.LoadBitmap(ClientModule(), IDB_BAR_CAPTION);
    percentDigits.LoadBitmap(ClientModule(), IDB_BAR_PERCENT_DIGITS);
    smallDigits.LoadBitmap(ClientModule(), IDB_BAR_SMALL_DIGITS);
    largeDigits.LoadBitmap(ClientModule(), IDB_BAR_LARGE_DIGITS);
    percentLabel.LoadBitmap(ClientModule(), IDB_BAR_PERCENT_LABEL);
    minLabel.LoadBitmap(ClientModule(), IDB_BAR_MIN_LABEL);
    maxLabel.LoadBitmap(ClientModule(), IDB_BAR_MAX_LABEL);
    valueLabel.LoadBitmap(ClientModule(), IDB_BAR_VALUE_LABEL);
}

void CZemBarCtrl::SetGeometry()
{
    controlRect = RECT{0, 0, kBarControlWidth, kBarHeight + kBarCaptionHeight};
    valueRect = RECT{0, 0, kBarControlWidth, kBarHeight};
}

void CZemBarCtrl::SetMin(std::int32_t v)
{
    if (v <= 0)
        return;
    Min = v;
    SetModifiedFlag();
    InvalidateValue();
}

void CZemBarCtrl::SetMax(std::int32_t v)
{
    if (v <= 0)
        return;
    Max = v;
    SetModifiedFlag();
    InvalidateValue();
}

void CZemBarCtrl::SetValue(std::int32_t v)
{
    value = v;
    SetModifiedFlag();
    InvalidateValue();
}

void CZemBarCtrl::DoPropExchange(CPropExchange* px)
{
    DWORD version = MAKELONG(0, 1);
    px->ExchangeVersion(&version, MAKELONG(0, 1));
    ExchangeCommon(px);
    PX_Long(px, "Min", Min, 0);
    PX_Long(px, "Max", Max, 100);
    PX_Long(px, "Value", value, 0);
}
