#include "platform/variant.h"

#include <cerrno>
#include <cstdlib>

Variant Variant::Long(std::int32_t v)
{
    Variant r;
    r.type_ = VT_I4;
    r.long_ = v;
    return r;
}

Variant Variant::Int64(std::int64_t v)
{
    Variant r;
    r.type_ = VT_I8;
    r.int64_ = v;
    return r;
}

std::int64_t Variant::AsInt64(bool* ok) const
{
    if (type_ == VT_I8) {
        if (ok)
            *ok = true;
        return int64_;
    }
    if (type_ == VT_BSTR) {
        errno = 0;
        char* end = nullptr;
        long long v = std::strtoll(string_.c_str(), &end, 0);
        bool good = !string_.empty() && *end == '\0' && errno == 0;
        if (ok)
            *ok = good;
        return good ? v : 0;
    }
    return AsLong(ok);
}

Variant Variant::Bool(bool v)
{
    Variant r;
    r.type_ = VT_BOOL;
    r.bool_ = v;
    return r;
}

Variant Variant::String(std::string v)
{
    Variant r;
    r.type_ = VT_BSTR;
    r.string_ = std::move(v);
    return r;
}

std::int32_t Variant::AsLong(bool* ok) const
{
    if (ok)
        *ok = true;
    switch (type_) {
    case VT_I4: return long_;
    case VT_I8:
        if (int64_ < INT32_MIN || int64_ > INT32_MAX) {
            if (ok)
                *ok = false;
            return 0;
        }
        return static_cast<std::int32_t>(int64_);
    case VT_BOOL: return bool_ ? 1 : 0;
    case VT_BSTR: {
        errno = 0;
        char* end = nullptr;
        long long v = std::strtoll(string_.c_str(), &end, 0);
        if (string_.empty() || *end != '\0' || errno != 0 || v < INT32_MIN || v > UINT32_MAX) {
            if (ok)
                *ok = false;
            return 0;
        }
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    }
    default: return 0;
    }
}

bool Variant::AsBool(bool* ok) const
{
    if (ok)
        *ok = true;
    switch (type_) {
    case VT_BOOL: return bool_;
    case VT_I4: return long_ != 0;
    case VT_I8: return int64_ != 0;
    case VT_BSTR:
        if (string_ == "true" || string_ == "True" || string_ == "TRUE")
            return true;
        if (string_ == "false" || string_ == "False" || string_ == "FALSE")
            return false;
        {
            bool numeric = false;
            std::int32_t v = AsLong(&numeric);
            if (numeric)
                return v != 0;
        }
        if (ok)
            *ok = false;
        return false;
    default: return false;
    }
}

std::string Variant::AsString() const
{
    switch (type_) {
    case VT_I4: return std::to_string(long_);
    case VT_I8: return std::to_string(int64_);
    case VT_BOOL: return bool_ ? "true" : "false";
    case VT_BSTR: return string_;
    default: return {};
    }
}

bool Variant::ChangeType(VARTYPE to, Variant* out) const
{
    bool ok = true;
    switch (to) {
    case VT_I4:
    case VT_COLOR: *out = Long(AsLong(&ok)); break;
    case VT_I8: *out = Int64(AsInt64(&ok)); break;
    case VT_BOOL: *out = Bool(AsBool(&ok)); break;
    case VT_BSTR: *out = String(AsString()); break;
    default: *out = *this; break;
    }
    return ok;
}

bool Variant::operator==(const Variant& other) const
{
    return type_ == other.type_ && long_ == other.long_ && int64_ == other.int64_ && bool_ == other.bool_ && string_ == other.string_;
}
