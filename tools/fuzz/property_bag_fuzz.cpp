// The text form of a control's properties, and controls loaded from it. Text
// that parses writes out and parses back to the same bag; so does a single
// line or value taken alone. A control loaded from the bag (absent and
// unusable values take their defaults) keeps what it was given, and saves a
// bag that loads back without a problem and saves the same again.
#include "clients/led/LedCtrl.h"
#include "platform/propbag.h"
#include "server/NimboCtrl.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>

namespace {

void Require(bool holds)
{
    if (!holds)
        __builtin_trap();
}

void RequireRoundTrip(const PropertyBag& bag)
{
    PropertyBag again;
    std::string error;
    Require(again.FromText(bag.ToText(), &error));
    Require(again.Values() == bag.Values());
}

// Each control is made anew for every input, in storage kept for the run:
// the server's megabyte of register image, fresh per input, costs more than
// the input.
template <class Control>
void LoadAndSave(const PropertyBag& bag)
{
    static void* storage = ::operator new(sizeof(Control), std::align_val_t{alignof(Control)});
    Control* control = std::construct_at(static_cast<Control*>(storage));
    control->LoadProperties(bag);
    PropertyBag saved;
    control->SaveProperties(&saved);
    RequireRoundTrip(saved);
    // A value stored in the very type the control keeps is taken as it is;
    // the framework's own keys (_Version, the extent) are the control's to
    // decide.
    for (const auto& [key, kept] : saved.Values()) {
        const Variant* given = bag.Read(key);
        if (given && given->Type() == kept.Type() && key[0] != '_')
            Require(*given == kept);
    }
    Require(control->LoadProperties(saved).empty());
    PropertyBag resaved;
    control->SaveProperties(&resaved);
    Require(resaved.Values() == saved.Values());
    std::destroy_at(control);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::string error;

    Variant value;
    if (ParseValueText(text, &value, &error)) {
        Variant again;
        Require(ParseValueText(ValueToText(value), &again, &error));
        Require(again == value);
    }

    PropertyBag line;
    if (line.ParseLine(text, &error))
        RequireRoundTrip(line);

    PropertyBag bag;
    if (!bag.FromText(text, &error))
        return 0;
    RequireRoundTrip(bag);
    LoadAndSave<CNimboCtrl>(bag);
    LoadAndSave<CLedCtrl>(bag);
    return 0;
}
