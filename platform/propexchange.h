// Property exchange: one function per control lists its persisted
// properties with their defaults; the same list loads and saves.
#pragma once

#include "platform/export.h"
#include "platform/propbag.h"
#include "platform/windef.h"

#include <string>
#include <vector>

class NIMBO_PLATFORM_API CPropExchange {
public:
    enum class Mode { Load, Save, Reset };
    CPropExchange(PropertyBag* bag, Mode mode) : bag_(bag), mode_(mode) {}

    bool IsLoading() const { return mode_ != Mode::Save; }
    DWORD GetVersion() const { return version_; }

    // Values in the bag that were present but of no use (a word where a
    // number belongs): the default was taken, and the reason is kept here.
    const std::vector<std::string>& Problems() const { return problems_; }

    // Loading: the stored value, or the default when the key is absent or
    // unusable (or always, when resetting). Saving: writes the value.
    bool ExchangeLong(const char* name, std::int32_t* value, std::int32_t defaultValue);
    bool ExchangeBool(const char* name, BOOL* value, BOOL defaultValue);
    bool ExchangeString(const char* name, std::string* value, const std::string& defaultValue);
    void ExchangeVersion(DWORD* version, DWORD defaultVersion);

private:
    const Variant* Stored(const char* name) const;

    PropertyBag* bag_;
    Mode mode_;
    DWORD version_ = 0;
    std::vector<std::string> problems_;
};

inline DWORD MAKELONG(WORD low, WORD high) { return static_cast<DWORD>(low) | (static_cast<DWORD>(high) << 16); }

NIMBO_PLATFORM_API BOOL PX_Long(CPropExchange* px, const char* name, std::int32_t& value, std::int32_t defaultValue = 0);
NIMBO_PLATFORM_API BOOL PX_ULong(CPropExchange* px, const char* name, DWORD& value, DWORD defaultValue = 0);
NIMBO_PLATFORM_API BOOL PX_Bool(CPropExchange* px, const char* name, BOOL& value, BOOL defaultValue = FALSE);
NIMBO_PLATFORM_API BOOL PX_String(CPropExchange* px, const char* name, std::string& value,
                                  const std::string& defaultValue = {});
