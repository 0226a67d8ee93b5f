// The text form of a control's properties, and controls loaded from it. Text
// that parses writes out and parses back to the same bag; so does a single
// line or value taken alone. A control loaded from the bag (absent and
// unusable values take their defaults) keeps what it was given, and saves a
// bag that loads back without a problem and saves the same again.
#include "platform/olectl.h"
#include "platform/propbag.h"
#include "platform/registry.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
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

// The server and a lamp, made by class through the registration store once
// for the run (the server's megabyte of register image, fresh per input,
// would cost more than the input) and reset to their defaults before each
// load.
COleControl* Made(const char* progId)
{
    std::string error;
    COleControl* control = nimbo::CreateControl(progId, &error);
    Require(control != nullptr);
    return control;
}

COleControl* server = nullptr;
COleControl* lamp = nullptr;

void LoadAndSave(COleControl* control, const PropertyBag& bag)
{
    control->ResetProperties();
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
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
#ifdef NIMBO_FUZZ_REGISTRY
    // The store of the build this program came from, every control in it.
    setenv("NIMBO_REGISTRY", NIMBO_FUZZ_REGISTRY, 0);
#endif
    // Made before fuzzing starts, so that the fuzzer counts the coverage of
    // the libraries they bring from the first input on.
    server = Made("NIMBO.NimboCtrl.1");
    lamp = Made("LED.LedCtrl.1");
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
    LoadAndSave(server, bag);
    LoadAndSave(lamp, bag);
    return 0;
}
