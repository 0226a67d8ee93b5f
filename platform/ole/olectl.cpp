#include "platform/olectl.h"

#include "platform/propsheet.h"
#include "platform/registry.h"
#include "platform/wingdi.h"

COleControl::COleControl()
{
    DispProperty(DISPID_READYSTATE, "ReadyState", VT_I4, [this] { return Variant::Long(readyState_); }, nullptr);
}

COleControl::~COleControl() = default;

void COleControl::OnDraw(CDC*, const RECT&, const RECT&) {}

void COleControl::DoPropExchange(CPropExchange* px)
{
    ExchangeExtent(px);
    ExchangeStockProps(px);
}

void COleControl::OnResetState()
{
    CPropExchange px(nullptr, CPropExchange::Mode::Reset);
    DoPropExchange(&px);
}

BOOL COleControl::OnSetExtent(const SIZE&) { return TRUE; }
int COleControl::OnCreate() { return 0; }
void COleControl::OnTimer(UINT_PTR) {}
void COleControl::OnLButtonDown(UINT, POINT) {}
void COleControl::OnLButtonDblClk(UINT, POINT) {}
void COleControl::OnRButtonDown(UINT, POINT) {}
void COleControl::OnMouseMove(UINT, POINT) {}
void COleControl::OnEnabledChanged() { InvalidateControl(); }
// Cancelled is still shown: only a sheet that could not be made fails.
BOOL COleControl::OnProperties(HWND parent) { return nimbo::ShowPropertySheet(this, parent) >= 0 ? TRUE : FALSE; }
BOOL COleControl::OnEdit(HWND) { return TRUE; }

namespace {
POINT PointFrom(LPARAM lParam)
{
    return POINT{static_cast<std::int16_t>(LOWORD(lParam)), static_cast<std::int16_t>(HIWORD(lParam))};
}
}  // namespace

LRESULT COleControl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return OnCreate();
    case WM_PAINT: {
        RECT client{0, 0, extentX_, extentY_};
        GetClientRect(m_hWnd, &client);
        OnDraw(reinterpret_cast<CDC*>(wParam), client, client);
        return 0;
    }
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_LBUTTONDOWN:
        OnLButtonDown(static_cast<UINT>(wParam), PointFrom(lParam));
        return 0;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(static_cast<UINT>(wParam), PointFrom(lParam));
        return 0;
    case WM_RBUTTONDOWN:
        OnRButtonDown(static_cast<UINT>(wParam), PointFrom(lParam));
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(static_cast<UINT>(wParam), PointFrom(lParam));
        return 0;
    default:
        return DefWindowProc(message, wParam, lParam);
    }
}

HRESULT COleControl::GetProperty(DISPID id, const DispArgs& args, Variant* result)
{
    return dispatch_.Get(id, args, result);
}

HRESULT COleControl::PutProperty(DISPID id, const DispArgs& args, const Variant& value)
{
    return dispatch_.Put(id, args, value);
}

HRESULT COleControl::CallMethod(DISPID id, const DispArgs& args, Variant* result)
{
    return dispatch_.Call(id, args, result);
}

HRESULT COleControl::DoVerb(std::int32_t verb, HWND parent)
{
    switch (verb) {
    case OLEIVERB_PROPERTIES: return OnProperties(parent) ? S_OK : E_FAIL;
    case OLEIVERB_PRIMARY:
    case OLEIVERB_SHOW: return OnEdit(parent) ? S_OK : E_FAIL;
    default: return E_INVALIDARG;
    }
}

std::vector<std::string> COleControl::LoadProperties(const PropertyBag& bag)
{
    PropertyBag copy = bag;
    CPropExchange px(&copy, CPropExchange::Mode::Load);
    DoPropExchange(&px);
    InvalidateControl();
    return px.Problems();
}

void COleControl::SaveProperties(PropertyBag* bag)
{
    CPropExchange px(bag, CPropExchange::Mode::Save);
    DoPropExchange(&px);
    modified_ = false;
}

void COleControl::ResetProperties()
{
    OnResetState();
    InvalidateControl();
}

void COleControl::SetInitialSize(int cx, int cy)
{
    extentX_ = cx;
    extentY_ = cy;
}

void COleControl::GetControlSize(int* cx, int* cy) const
{
    *cx = extentX_;
    *cy = extentY_;
}

BOOL COleControl::RequestExtent(int cx, int cy)
{
    if (cx < 0 || cy < 0 || !OnSetExtent(SIZE{cx, cy}))
        return FALSE;
    ApplySize(cx, cy);
    return TRUE;
}

// The control asks for a size of its own: the container grants it.
BOOL COleControl::SetControlSize(int cx, int cy)
{
    if (cx < 0 || cy < 0)
        return FALSE;
    ApplySize(cx, cy);
    return TRUE;
}

BOOL COleControl::SetRectInContainer(const RECT& rect)
{
    if (rect.right < rect.left || rect.bottom < rect.top)
        return FALSE;
    placeX_ = rect.left;
    placeY_ = rect.top;
    ApplySize(rect.right - rect.left, rect.bottom - rect.top);
    return TRUE;
}

void COleControl::ApplySize(int cx, int cy)
{
    extentX_ = cx;
    extentY_ = cy;
    if (m_hWnd)
        MoveWindow(m_hWnd, placeX_, placeY_, cx, cy, TRUE);
}

bool COleControl::CreateControlWindow(HWND parent, int x, int y)
{
    placeX_ = x;
    placeY_ = y;
    RECT rect{x, y, x + extentX_, y + extentY_};
    return CreateWindowed(parent, rect, text_);
}

void COleControl::InvalidateControl(const RECT* rect, BOOL erase)
{
    if (m_hWnd)
        InvalidateRect(m_hWnd, rect, erase);
}

void COleControl::SetText(const std::string& text)
{
    text_ = text;
    if (m_hWnd)
        SetWindowTextA(m_hWnd, text.c_str());
    SetModifiedFlag();
    InvalidateControl();
}

void COleControl::SetBackColor(OLE_COLOR color)
{
    backColor_ = color;
    SetModifiedFlag();
    InvalidateControl();
}

void COleControl::SetForeColor(OLE_COLOR color)
{
    foreColor_ = color;
    SetModifiedFlag();
    InvalidateControl();
}

void COleControl::SetEnabled(BOOL enabled)
{
    enabled_ = enabled ? TRUE : FALSE;
    SetModifiedFlag();
    OnEnabledChanged();
}

void COleControl::SetAmbientUserMode(BOOL userMode)
{
    const BOOL mode = userMode ? TRUE : FALSE;
    if (mode == userMode_)
        return;
    userMode_ = mode;
    if (m_hWnd)
        InvalidateControl(nullptr, TRUE);
}

DWORD COleControl::TranslateColor(OLE_COLOR color)
{
    if (color & 0x80000000u)
        return GetSysColor(static_cast<int>(color & 0xFF));
    return color & 0x00FFFFFFu;
}

void COleControl::EnableStockProperties(unsigned stock)
{
    stock_ |= stock;
    if (stock & STOCK_CAPTION)
        DispProperty(DISPID_CAPTION, "Caption", VT_BSTR, [this] { return Variant::String(text_); },
                     [this](const Variant& v) { SetText(v.AsString()); });
    if (stock & STOCK_BACKCOLOR)
        DispProperty(DISPID_BACKCOLOR, "BackColor", VT_COLOR,
                     [this] { return Variant::Long(static_cast<std::int32_t>(backColor_)); },
                     [this](const Variant& v) { SetBackColor(static_cast<OLE_COLOR>(v.AsLong())); });
    if (stock & STOCK_FORECOLOR)
        DispProperty(DISPID_FORECOLOR, "ForeColor", VT_COLOR,
                     [this] { return Variant::Long(static_cast<std::int32_t>(foreColor_)); },
                     [this](const Variant& v) { SetForeColor(static_cast<OLE_COLOR>(v.AsLong())); });
    if (stock & STOCK_ENABLED)
        DispProperty(DISPID_ENABLED, "Enabled", VT_BOOL, [this] { return Variant::Bool(enabled_ != 0); },
                     [this](const Variant& v) { SetEnabled(v.AsBool()); });
}

void COleControl::ExchangeStockProps(CPropExchange* px)
{
    if (stock_ & STOCK_CAPTION)
        PX_String(px, "Caption", text_, "");
    if (stock_ & STOCK_BACKCOLOR)
        PX_ULong(px, "BackColor", backColor_, 0x80000000u | 15);
    if (stock_ & STOCK_FORECOLOR)
        PX_ULong(px, "ForeColor", foreColor_, 0x80000000u | 18);
    if (stock_ & STOCK_ENABLED)
        PX_Bool(px, "Enabled", enabled_, TRUE);
    if (px->IsLoading() && m_hWnd)
        SetWindowTextA(m_hWnd, text_.c_str());
}

// The extent is kept in pixels. A stored extent is offered to the control
// like any request of the container, so a control that keeps its design
// size keeps it.
void COleControl::ExchangeExtent(CPropExchange* px)
{
    std::int32_t cx = extentX_, cy = extentY_;
    PX_Long(px, "_ExtentX", cx, extentX_);
    PX_Long(px, "_ExtentY", cy, extentY_);
    if (px->IsLoading() && (cx != extentX_ || cy != extentY_))
        RequestExtent(cx, cy);
}

void COleControl::DispProperty(DISPID id, const char* name, VARTYPE type, std::function<Variant()> get,
                               std::function<void(const Variant&)> put)
{
    DispEntry e;
    e.id = id;
    e.name = name;
    e.type = type;
    if (get)
        e.get = [get](const DispArgs&) { return get(); };
    if (put)
        e.put = [put](const DispArgs&, const Variant& v) { put(v); };
    dispatch_.Add(std::move(e));
}

void COleControl::DispParamProperty(DISPID id, const char* name, VARTYPE type, std::vector<std::string> paramNames,
                                    std::vector<VARTYPE> paramTypes, std::function<Variant(const DispArgs&)> get,
                                    std::function<void(const DispArgs&, const Variant&)> put)
{
    DispEntry e;
    e.id = id;
    e.name = name;
    e.type = type;
    e.paramNames = std::move(paramNames);
    e.paramTypes = std::move(paramTypes);
    e.get = std::move(get);
    e.put = std::move(put);
    dispatch_.Add(std::move(e));
}

void COleControl::DispMethod(DISPID id, const char* name, std::function<void()> call)
{
    DispEntry e;
    e.id = id;
    e.name = name;
    e.kind = DispEntry::Kind::Method;
    e.get = [call](const DispArgs&) {
        call();
        return Variant();
    };
    dispatch_.Add(std::move(e));
}

void COleControl::DispEvent(DISPID id, const char* name, std::vector<std::string> paramNames,
                            std::vector<VARTYPE> paramTypes)
{
    dispatch_.AddEvent(EventEntry{id, name, std::move(paramNames), std::move(paramTypes)});
}

void COleControl::FireEvent(DISPID id, const DispArgs& args)
{
    if (!eventSink_)
        return;
    const EventEntry* e = dispatch_.FindEvent(id);
    eventSink_(id, e ? e->name : std::string(), args);
}

COleControl* nimbo::CreateControl(const std::string& name, std::string* error)
{
    auto* control = static_cast<COleControl*>(CreateRegisteredObject(name, ClassKind::Control, error));
    if (control) {
        // The store is kept while its entry is read: Find answers into it.
        const RegistrationStore store = RegistrationStore::Open();
        const RegisteredClass* c = store.Find(name);
        control->SetProgId(c ? c->progId : name);
    }
    return control;
}
