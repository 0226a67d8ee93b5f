// The control framework: a control is a window with automation (properties,
// methods and events by dispatch identifier), stock properties, persistence
// through property exchange, an extent it may refuse to change, verbs and
// property pages.
#pragma once

#include "platform/dispatch.h"
#include "platform/export.h"
#include "platform/propexchange.h"
#include "platform/winuser.h"

#include <functional>
#include <string>
#include <vector>

class CDC;

using OLE_COLOR = DWORD;

// Ready states of a control.
constexpr std::int32_t READYSTATE_UNINITIALIZED = 0;
constexpr std::int32_t READYSTATE_LOADING = 1;
constexpr std::int32_t READYSTATE_LOADED = 2;
constexpr std::int32_t READYSTATE_INTERACTIVE = 3;
constexpr std::int32_t READYSTATE_COMPLETE = 4;

// Verbs.
constexpr std::int32_t OLEIVERB_PRIMARY = 0;
constexpr std::int32_t OLEIVERB_SHOW = -1;
constexpr std::int32_t OLEIVERB_PROPERTIES = -7;

// Stock properties a control may offer.
enum StockProperty : unsigned {
    STOCK_CAPTION = 1u << 0,
    STOCK_BACKCOLOR = 1u << 1,
    STOCK_FORECOLOR = 1u << 2,
    STOCK_ENABLED = 1u << 3,
};

// Receives the events a control fires: identifier, name, arguments.
using EventSink = std::function<void(DISPID, const std::string&, const DispArgs&)>;

class NIMBO_PLATFORM_API COleControl : public CWnd {
public:
    COleControl();
    ~COleControl() override;

    // ---- What a control supplies.
    virtual void OnDraw(CDC* dc, const RECT& bounds, const RECT& invalid);
    virtual void DoPropExchange(CPropExchange* px);
    virtual void OnResetState();
    // The container asks for a new extent (pixels); answer FALSE to refuse.
    virtual BOOL OnSetExtent(const SIZE& size);
    virtual int OnCreate();
    virtual void OnTimer(UINT_PTR id);
    virtual void OnLButtonDown(UINT flags, POINT point);
    virtual void OnLButtonDblClk(UINT flags, POINT point);
    virtual void OnRButtonDown(UINT flags, POINT point);
    virtual void OnMouseMove(UINT flags, POINT point);
    virtual void OnEnabledChanged();
    // Opens the control's property pages; the platform's sheet by default.
    virtual BOOL OnProperties(HWND parent);
    virtual BOOL OnEdit(HWND parent);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // ---- Automation, as hosts use it.
    const DispatchTable& Dispatch() const { return dispatch_; }
    HRESULT GetProperty(DISPID id, const DispArgs& args, Variant* result);
    HRESULT PutProperty(DISPID id, const DispArgs& args, const Variant& value);
    HRESULT CallMethod(DISPID id, const DispArgs& args, Variant* result);
    void SetEventSink(EventSink sink) { eventSink_ = std::move(sink); }
    HRESULT DoVerb(std::int32_t verb, HWND parent);

    // ---- Persistence, as containers use it.
    // Loads from a bag (absent keys take their defaults); the problems the
    // exchange met (unusable values) are returned.
    std::vector<std::string> LoadProperties(const PropertyBag& bag);
    void SaveProperties(PropertyBag* bag);
    void ResetProperties();
    BOOL IsModified() const { return modified_; }
    void SetModifiedFlag(BOOL modified = TRUE) { modified_ = modified; }

    // ---- Size and window.
    void SetInitialSize(int cx, int cy);
    void GetControlSize(int* cx, int* cy) const;
    // The container asks for a new size: accepted only if OnSetExtent agrees.
    BOOL RequestExtent(int cx, int cy);
    // The control itself asks the container for a size or a rectangle.
    BOOL SetControlSize(int cx, int cy);
    BOOL SetRectInContainer(const RECT& rect);
    // Creates the control's window at (x, y) of the parent's client area, at
    // the control's own size.
    bool CreateControlWindow(HWND parent, int x, int y);
    void InvalidateControl(const RECT* rect = nullptr, BOOL erase = TRUE);

    // ---- Stock properties.
    std::string InternalGetText() const { return text_; }
    void SetText(const std::string& text);
    OLE_COLOR GetBackColor() const { return backColor_; }
    OLE_COLOR GetForeColor() const { return foreColor_; }
    void SetBackColor(OLE_COLOR color);
    void SetForeColor(OLE_COLOR color);
    BOOL GetEnabled() const { return enabled_; }
    void SetEnabled(BOOL enabled);
    std::int32_t GetReadyState() const { return readyState_; }
    // Written directly; no change event is raised.
    void InternalSetReadyState(std::int32_t state) { readyState_ = state; }
    // Container colour values to plain colours: system colours (high bit
    // set) resolved, palette bits dropped.
    static DWORD TranslateColor(OLE_COLOR color);

    // The property page classes shown for Properties, in order.
    const std::vector<std::string>& PropertyPages() const { return propertyPages_; }
    // Whether the container runs the control (TRUE, the default) or a
    // designer is editing the form it stands on (FALSE): a control shows
    // itself still while it is designed. The container sets it; the control
    // is repainted when it changes.
    BOOL AmbientUserMode() const { return userMode_; }
    void SetAmbientUserMode(BOOL userMode);

    // The control's identity as registered (for the container and pages).
    std::string ProgId() const { return progId_; }
    void SetProgId(std::string id) { progId_ = std::move(id); }

protected:
    // Declares the stock properties the control offers, with their
    // standard identifiers, and has them persisted by the framework.
    void EnableStockProperties(unsigned stock);
    void ExchangeStockProps(CPropExchange* px);
    void ExchangeExtent(CPropExchange* px);

    // Registers a plain property; a null getter or setter gives the
    // framework's standard error for that direction.
    void DispProperty(DISPID id, const char* name, VARTYPE type, std::function<Variant()> get,
                      std::function<void(const Variant&)> put);
    void DispParamProperty(DISPID id, const char* name, VARTYPE type, std::vector<std::string> paramNames,
                           std::vector<VARTYPE> paramTypes, std::function<Variant(const DispArgs&)> get,
                           std::function<void(const DispArgs&, const Variant&)> put);
    void DispMethod(DISPID id, const char* name, std::function<void()> call);
    void DispEvent(DISPID id, const char* name, std::vector<std::string> paramNames = {},
                   std::vector<VARTYPE> paramTypes = {});
    void FireEvent(DISPID id, const DispArgs& args);
    void AddPropertyPage(const std::string& pageClass) { propertyPages_.push_back(pageClass); }

    int extentX_ = 32;
    int extentY_ = 32;

private:
    void ApplySize(int cx, int cy);

    int placeX_ = 0;
    int placeY_ = 0;
    DispatchTable dispatch_;
    EventSink eventSink_;
    bool modified_ = false;
    unsigned stock_ = 0;
    std::string text_;
    OLE_COLOR backColor_ = 0x80000000u | 15;  // the 3-D face colour
    OLE_COLOR foreColor_ = 0x80000000u | 18;  // button text colour
    BOOL enabled_ = TRUE;
    BOOL userMode_ = TRUE;
    std::int32_t readyState_ = READYSTATE_LOADING;
    std::vector<std::string> propertyPages_;
    std::string progId_;
};

namespace nimbo {
// Host side: creates a control by class or programmatic identifier through
// the registration store, loading its library. Null with a reason when the
// name is unknown or the library cannot be loaded.
NIMBO_PLATFORM_API COleControl* CreateControl(const std::string& classOrProgId, std::string* error);

// The control's automation interface, one line a member:
// "property ID NAME TYPE [(ARG TYPE, ...)] [read-only|write-only]",
// "method ID NAME [TYPE] [(...)]" and "event ID NAME [(...)]". With
// defaults, a property also tells its value now ("default VALUE", meant
// for a control just made) and whether it is kept in the control's
// property bag ("persisted").
NIMBO_PLATFORM_API std::vector<std::string> DescribeMembers(COleControl& control, bool withDefaults);
}  // namespace nimbo
