// The value that travels through automation: a long, a boolean or a string.
#pragma once

#include "platform/export.h"

#include <cstdint>
#include <string>

enum VARTYPE : int { VT_EMPTY = 0, VT_I4 = 3, VT_BSTR = 8, VT_BOOL = 11, VT_I8 = 20, VT_COLOR = 0x1003 };

class NIMBO_PLATFORM_API Variant {
public:
    Variant() = default;
    static Variant Long(std::int32_t v);
    // Addresses travel as 64-bit integers on this platform.
    static Variant Int64(std::int64_t v);
    static Variant Bool(bool v);
    static Variant String(std::string v);

    VARTYPE Type() const { return type_; }
    bool IsEmpty() const { return type_ == VT_EMPTY; }

    // Coercions as automation makes them; false in *ok when the value does
    // not convert (a string that is not a number, say).
    std::int32_t AsLong(bool* ok = nullptr) const;
    std::int64_t AsInt64(bool* ok = nullptr) const;
    bool AsBool(bool* ok = nullptr) const;
    std::string AsString() const;

    // Converts to the given type; false when it cannot.
    bool ChangeType(VARTYPE to, Variant* out) const;

    bool operator==(const Variant& other) const;

private:
    VARTYPE type_ = VT_EMPTY;
    std::int32_t long_ = 0;
    std::int64_t int64_ = 0;
    bool bool_ = false;
    std::string string_;
};
