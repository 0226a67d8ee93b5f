// Automation by dispatch identifier: a control lists its properties,
// parameterised properties and methods once; hosts and the container get and
// put them by identifier or by name.
#pragma once

#include "platform/export.h"
#include "platform/variant.h"

#include <functional>
#include <string>
#include <vector>

using DISPID = std::int32_t;
using HRESULT = std::int32_t;

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);
constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = static_cast<HRESULT>(0x80040111u);
constexpr HRESULT DISP_E_MEMBERNOTFOUND = static_cast<HRESULT>(0x80020003u);
constexpr HRESULT DISP_E_TYPEMISMATCH = static_cast<HRESULT>(0x80020005u);
constexpr HRESULT DISP_E_BADPARAMCOUNT = static_cast<HRESULT>(0x8002000Eu);
// The framework's standard errors for a property that cannot be read or set.
constexpr HRESULT CTL_E_SETNOTSUPPORTED = static_cast<HRESULT>(0x800A017Fu);
constexpr HRESULT CTL_E_GETNOTSUPPORTED = static_cast<HRESULT>(0x800A018Au);
constexpr HRESULT SELFREG_E_TYPELIB = static_cast<HRESULT>(0x80040200u);
constexpr HRESULT SELFREG_E_CLASS = static_cast<HRESULT>(0x80040201u);

inline bool FAILED(HRESULT hr) { return hr < 0; }
inline bool SUCCEEDED(HRESULT hr) { return hr >= 0; }

constexpr DISPID DISPID_BACKCOLOR = -501;
constexpr DISPID DISPID_FORECOLOR = -513;
constexpr DISPID DISPID_ENABLED = -514;
constexpr DISPID DISPID_CAPTION = -518;
constexpr DISPID DISPID_READYSTATE = -525;
constexpr DISPID DISPID_ABOUTBOX = -552;
constexpr DISPID DISPID_READYSTATECHANGE = -609;

// Text of a dispatch failure, for tools and message boxes.
NIMBO_PLATFORM_API const char* DispatchErrorText(HRESULT hr);

using DispArgs = std::vector<Variant>;

struct DispEntry {
    enum class Kind { Property, Method };
    DISPID id = 0;
    std::string name;
    Kind kind = Kind::Property;
    VARTYPE type = VT_EMPTY;              // the property's or the method result's type
    std::vector<std::string> paramNames;  // a parameterised property's or method's arguments
    std::vector<VARTYPE> paramTypes;
    // Property get (or method call) with its arguments; null: not supported.
    std::function<Variant(const DispArgs&)> get;
    // Property put: arguments first, then the value; null: not supported.
    std::function<void(const DispArgs&, const Variant&)> put;
};

struct EventEntry {
    DISPID id = 0;
    std::string name;
    std::vector<std::string> paramNames;
    std::vector<VARTYPE> paramTypes;
};

class NIMBO_PLATFORM_API DispatchTable {
public:
    void Add(DispEntry entry);
    void AddEvent(EventEntry entry);

    const DispEntry* Find(DISPID id) const;
    const DispEntry* Find(const std::string& name) const;  // case-insensitive, as automation names are
    const EventEntry* FindEvent(DISPID id) const;
    const std::vector<DispEntry>& Entries() const { return entries_; }
    const std::vector<EventEntry>& Events() const { return events_; }

    HRESULT Get(DISPID id, const DispArgs& args, Variant* result) const;
    HRESULT Put(DISPID id, const DispArgs& args, const Variant& value) const;
    HRESULT Call(DISPID id, const DispArgs& args, Variant* result) const;

private:
    std::vector<DispEntry> entries_;
    std::vector<EventEntry> events_;
};
