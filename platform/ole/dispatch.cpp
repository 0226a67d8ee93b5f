#include "platform/dispatch.h"

#include <strings.h>

const char* DispatchErrorText(HRESULT hr)
{
    switch (hr) {
    case S_OK: return "ok";
    case DISP_E_MEMBERNOTFOUND: return "member not found";
    case DISP_E_TYPEMISMATCH: return "type mismatch";
    case DISP_E_BADPARAMCOUNT: return "wrong number of arguments";
    case CTL_E_SETNOTSUPPORTED: return "Set not supported (read-only property)";
    case CTL_E_GETNOTSUPPORTED: return "Get not supported (write-only property)";
    case CLASS_E_CLASSNOTAVAILABLE: return "class not available";
    case SELFREG_E_TYPELIB: return "type library could not be registered";
    case SELFREG_E_CLASS: return "class could not be registered";
    default: return "failed";
    }
}

void DispatchTable::Add(DispEntry entry)
{
    for (auto& e : entries_) {
        if (e.id == entry.id) {
            e = std::move(entry);
            return;
        }
    }
    entries_.push_back(std::move(entry));
}

void DispatchTable::AddEvent(EventEntry entry) { events_.push_back(std::move(entry)); }

const DispEntry* DispatchTable::Find(DISPID id) const
{
    for (const auto& e : entries_)
        if (e.id == id)
            return &e;
    return nullptr;
}

const DispEntry* DispatchTable::Find(const std::string& name) const
{
    for (const auto& e : entries_)
        if (strcasecmp(e.name.c_str(), name.c_str()) == 0)
            return &e;
    return nullptr;
}

const EventEntry* DispatchTable::FindEvent(DISPID id) const
{
    for (const auto& e : events_)
        if (e.id == id)
            return &e;
    return nullptr;
}

namespace {

HRESULT CoerceArgs(const DispEntry& e, const DispArgs& args, DispArgs* out)
{
    if (args.size() != e.paramTypes.size())
        return DISP_E_BADPARAMCOUNT;
    out->resize(args.size());
    for (std::size_t i = 0; i < args.size(); ++i)
        if (!args[i].ChangeType(e.paramTypes[i], &(*out)[i]))
            return DISP_E_TYPEMISMATCH;
    return S_OK;
}

}  // namespace

HRESULT DispatchTable::Get(DISPID id, const DispArgs& args, Variant* result) const
{
    const DispEntry* e = Find(id);
    if (!e || e->kind != DispEntry::Kind::Property)
        return DISP_E_MEMBERNOTFOUND;
    if (!e->get)
        return CTL_E_GETNOTSUPPORTED;
    DispArgs typed;
    if (HRESULT hr = CoerceArgs(*e, args, &typed); FAILED(hr))
        return hr;
    Variant v = e->get(typed);
    if (result)
        *result = v;
    return S_OK;
}

HRESULT DispatchTable::Put(DISPID id, const DispArgs& args, const Variant& value) const
{
    const DispEntry* e = Find(id);
    if (!e || e->kind != DispEntry::Kind::Property)
        return DISP_E_MEMBERNOTFOUND;
    if (!e->put)
        return CTL_E_SETNOTSUPPORTED;
    DispArgs typed;
    if (HRESULT hr = CoerceArgs(*e, args, &typed); FAILED(hr))
        return hr;
    Variant v;
    if (!value.ChangeType(e->type, &v))
        return DISP_E_TYPEMISMATCH;
    e->put(typed, v);
    return S_OK;
}

HRESULT DispatchTable::Call(DISPID id, const DispArgs& args, Variant* result) const
{
    const DispEntry* e = Find(id);
    if (!e || e->kind != DispEntry::Kind::Method)
        return DISP_E_MEMBERNOTFOUND;
    DispArgs typed;
    if (HRESULT hr = CoerceArgs(*e, args, &typed); FAILED(hr))
        return hr;
    Variant v = e->get ? e->get(typed) : Variant();
    if (result)
        *result = v;
    return S_OK;
}
