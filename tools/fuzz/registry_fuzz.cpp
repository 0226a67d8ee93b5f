// The registration store as a file anyone may have edited: whatever it
// reads must save and read back to the same classes, and a second save must
// write the same bytes. Class identifier texts must survive a round trip
// and be taken only in their one strict shape.
#include "platform/registry.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

// One store file per process: fuzzers may run side by side.
const std::string& StorePath()
{
    // Kept to the very end, for the handler that removes the file.
    static const std::string* path = [] {
        auto* made = new std::string("/tmp/nimbo-fuzz-registry-" + std::to_string(getpid()) + ".txt");
        std::atexit([] { std::remove(StorePath().c_str()); });
        return made;
    }();
    return *path;
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool Same(const nimbo::RegisteredClass& a, const nimbo::RegisteredClass& b)
{
    return a.clsid == b.clsid && a.kind == b.kind && a.progId == b.progId && a.hostName == b.hostName &&
           a.typeName == b.typeName && a.library == b.library;
}

bool StrictShape(const std::string& text)
{
    static const char kShape[] = "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}";
    if (text.size() != std::strlen(kShape))
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (kShape[i] == 'x' ? !std::isxdigit(static_cast<unsigned char>(text[i])) : text[i] != kShape[i])
            return false;
    return true;
}

void CheckGuidText(const std::string& text)
{
    GUID g{};
    if (!GuidFromString(text, &g))
        return;
    if (!StrictShape(text))
        __builtin_trap();
    const std::string printed = GuidToString(g);
    GUID again{};
    if (!GuidFromString(printed, &again) || !(again == g))
        __builtin_trap();
    // Printed in capitals, digit for digit what was read.
    for (std::size_t i = 0; i < text.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(text[i])) != static_cast<unsigned char>(printed[i]))
            __builtin_trap();
}

// Any 16 bytes are some identifier, and its text reads back to it.
void CheckGuidBytes(const std::uint8_t* data, std::size_t size)
{
    GUID g{};
    std::memcpy(&g, data, std::min(size, sizeof g));
    const std::string printed = GuidToString(g);
    GUID again{};
    if (!StrictShape(printed) || !GuidFromString(printed, &again) || !(again == g))
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckGuidBytes(data, size);
    CheckGuidText(text);
    // Every line and every field is a candidate identifier too.
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        CheckGuidText(line);
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, '\t');)
            CheckGuidText(field);
    }

    const std::string& path = StorePath();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        if (!out)
            return 0;
    }
    const nimbo::RegistrationStore first = nimbo::RegistrationStore::Open(path);
    for (const nimbo::RegisteredClass& c : first.Classes())
        if (!first.Find(c.clsid))
            __builtin_trap();
    std::string error;
    if (!first.Save(&error))
        return 0;
    const std::string saved = ReadBytes(path);

    const nimbo::RegistrationStore second = nimbo::RegistrationStore::Open(path);
    if (second.Classes().size() != first.Classes().size())
        __builtin_trap();
    for (std::size_t i = 0; i < first.Classes().size(); ++i)
        if (!Same(first.Classes()[i], second.Classes()[i]))
            __builtin_trap();
    if (!second.Save(&error))
        return 0;
    if (ReadBytes(path) != saved)
        __builtin_trap();
    return 0;
}
