// A control's persisted properties: named values in the order they were
// written, with a plain text form a person can read and edit:
//     Speed = 19200
//     Modem = false
//     Password = "secret"
#pragma once

#include "platform/export.h"
#include "platform/variant.h"

#include <string>
#include <utility>
#include <vector>

class NIMBO_PLATFORM_API PropertyBag {
public:
    // Replaces an existing key in place, else appends.
    void Write(const std::string& key, const Variant& value);
    // Null when the key is absent.
    const Variant* Read(const std::string& key) const;
    bool Empty() const { return values_.empty(); }
    const std::vector<std::pair<std::string, Variant>>& Values() const { return values_; }

    std::string ToText() const;
    // Parses the text form; on a bad line stops, and gives its number (from
    // firstLine) and the reason.
    bool FromText(const std::string& text, std::string* error, int firstLine = 1);
    // Parses one "Key = value" line into the bag.
    bool ParseLine(const std::string& line, std::string* error);

    bool SaveFile(const std::string& path, std::string* error) const;
    bool LoadFile(const std::string& path, std::string* error);

private:
    std::vector<std::pair<std::string, Variant>> values_;
};

// A value in the text form: a number, true/false, or a quoted string with
// \" \\ \n escapes. False with a reason when the text is none of these.
NIMBO_PLATFORM_API bool ParseValueText(const std::string& text, Variant* out, std::string* error);
NIMBO_PLATFORM_API std::string ValueToText(const Variant& value);
