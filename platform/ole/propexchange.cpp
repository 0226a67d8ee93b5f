#include "platform/propexchange.h"

const Variant* CPropExchange::Stored(const char* name) const
{
    return mode_ == Mode::Load && bag_ ? bag_->Read(name) : nullptr;
}

bool CPropExchange::ExchangeLong(const char* name, std::int32_t* value, std::int32_t defaultValue)
{
    if (mode_ == Mode::Save) {
        bag_->Write(name, Variant::Long(*value));
        return true;
    }
    *value = defaultValue;
    if (const Variant* v = Stored(name)) {
        bool ok = false;
        std::int32_t stored = v->Type() == VT_BSTR ? 0 : v->AsLong(&ok);
        if (v->Type() == VT_BSTR)
            stored = v->AsLong(&ok);
        if (!ok) {
            problems_.push_back(std::string(name) + ": not a number");
            return false;
        }
        *value = stored;
    }
    return true;
}

bool CPropExchange::ExchangeBool(const char* name, BOOL* value, BOOL defaultValue)
{
    if (mode_ == Mode::Save) {
        bag_->Write(name, Variant::Bool(*value != 0));
        return true;
    }
    *value = defaultValue;
    if (const Variant* v = Stored(name)) {
        bool ok = false;
        bool stored = v->AsBool(&ok);
        if (!ok) {
            problems_.push_back(std::string(name) + ": not true or false");
            return false;
        }
        *value = stored ? TRUE : FALSE;
    }
    return true;
}

bool CPropExchange::ExchangeString(const char* name, std::string* value, const std::string& defaultValue)
{
    if (mode_ == Mode::Save) {
        bag_->Write(name, Variant::String(*value));
        return true;
    }
    *value = defaultValue;
    if (const Variant* v = Stored(name))
        *value = v->AsString();
    return true;
}

void CPropExchange::ExchangeVersion(DWORD* version, DWORD defaultVersion)
{
    std::int32_t v = static_cast<std::int32_t>(*version);
    ExchangeLong("_Version", &v, static_cast<std::int32_t>(defaultVersion));
    *version = static_cast<DWORD>(v);
    version_ = *version;
}

BOOL PX_Long(CPropExchange* px, const char* name, std::int32_t& value, std::int32_t defaultValue)
{
    return px->ExchangeLong(name, &value, defaultValue) ? TRUE : FALSE;
}

BOOL PX_ULong(CPropExchange* px, const char* name, DWORD& value, DWORD defaultValue)
{
    std::int32_t v = static_cast<std::int32_t>(value);
    BOOL ok = px->ExchangeLong(name, &v, static_cast<std::int32_t>(defaultValue)) ? TRUE : FALSE;
    value = static_cast<DWORD>(v);
    return ok;
}

BOOL PX_Bool(CPropExchange* px, const char* name, BOOL& value, BOOL defaultValue)
{
    return px->ExchangeBool(name, &value, defaultValue) ? TRUE : FALSE;
}

BOOL PX_String(CPropExchange* px, const char* name, std::string& value, const std::string& defaultValue)
{
    return px->ExchangeString(name, &value, defaultValue) ? TRUE : FALSE;
}
