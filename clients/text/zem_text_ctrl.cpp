// The two-caption text control's properties and persistence.
#include "clients/text/zem_text_ctrl.h"

#include "platform/propsheet.h"

CZemTextCtrl::CZemTextCtrl() : CClientCtrl(DISPID_TEXT_ALIGN)
{
    EnableStockProperties(STOCK_FORECOLOR | STOCK_ENABLED);
    DispProperty(DISPID_TEXT_CAPTIONON, "CaptionOn", VT_BSTR, [this] { return Variant::String(CaptionOn); },
                 [this](const Variant& v) { SetCaptionOn(v.AsString().c_str()); });
    DispProperty(DISPID_TEXT_CAPTIONOFF, "CaptionOff", VT_BSTR, [this] { return Variant::String(CaptionOff); },
                 [this](const Variant& v) { SetCaptionOff(v.AsString().c_str()); });
    // Replaces the common entry at the same identifier.
    DispProperty(DISPID_TEXT_ALIGN, "Align", VT_I4, [this] { return Variant::Long(Align); },
                 [this](const Variant& v) { SetAlign(v.AsLong()); });
    DispEvent(DISPID_READYSTATECHANGE, "ReadyStateChange");
    AddPropertyPage("ZEMTEXT.ZemTextPropPage.1");
    AddPropertyPage(nimbo::kStockColorPageClsid);
    InitClient(IDS_CLIENT_TYPENAME);
    disabledBitmap.LoadBitmap(ClientModule(), IDB_TEXT_DISABLED);
    offlineBitmap.LoadBitmap(ClientModule(), IDB_TEXT_OFFLINE);
    panel.LoadBitmap(ClientModule(), IDB_TEXT_PANEL);
}

// The value is the text itself, so a data change repaints the whole panel.
void CZemTextCtrl::SetGeometry()
{
    controlRect = RECT{0, 0, kTextWidth, kTextHeight};
    valueRect = controlRect;
}

void CZemTextCtrl::SetCaption(std::string& caption, const char* text)
{
    if (text == nullptr)
        return;
    caption = text;
    SetModifiedFlag();
    InvalidateControl(&controlRect, TRUE);
}

void CZemTextCtrl::SetCaptionOn(const char* text) { SetCaption(CaptionOn, text); }
void CZemTextCtrl::SetCaptionOff(const char* text) { SetCaption(CaptionOff, text); }

void CZemTextCtrl::SetAlign(std::int32_t v)
{
    if (v < TEXT_ALIGN_RIGHT || v > TEXT_ALIGN_CENTRE)
        return;
    Align = v;
    SetModifiedFlag();
    InvalidateControl(nullptr, TRUE);
}

const std::string& CZemTextCtrl::CurrentCaption()
{
    UpdateMask();
    return BitSet() ? CaptionOff : CaptionOn;
}

void CZemTextCtrl::DoPropExchange(CPropExchange* px)
{
    DWORD version = MAKELONG(0, 1);
    px->ExchangeVersion(&version, MAKELONG(0, 1));
    ExchangeCommon(px);
    PX_String(px, "CaptionOn", CaptionOn, "");
    PX_String(px, "CaptionOff", CaptionOff, "");
}
