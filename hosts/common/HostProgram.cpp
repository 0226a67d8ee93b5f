#include "hosts/common/HostProgram.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>

namespace {

std::string ProgramFolder()
{
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(".") : exe.parent_path().string();
}

}  // namespace

bool ParseHostOptions(int argc, char** argv, bool secondaryWindows, HostOptions* o)
{
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        if (arg == "--screenshot" && hasValue) {
            o->screenshot = argv[++i];
        } else if (arg == "--after" && hasValue) {
            char* end = nullptr;
            long ms = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || ms < 0 || ms > 3600000) {
                std::fprintf(stderr, "%s: --after wants milliseconds, not %s\n", argv[0], argv[i]);
                return false;
            }
            o->afterMs = static_cast<int>(ms);
        } else if (arg == "--open" && hasValue && secondaryWindows) {
            std::stringstream names(argv[++i]);
            std::string name;
            while (std::getline(names, name, ','))
                if (!name.empty())
                    o->open.push_back(name);
        } else {
            std::fprintf(stderr, "usage: %s [--screenshot FILE.png [--after MS]]%s\n", argv[0],
                         secondaryWindows ? " [--open costanti,storico]" : "");
            return false;
        }
    }
    return true;
}

std::unique_ptr<nimbo::Form> LoadHostForm(const std::string& program, const std::string& name)
{
    std::string path = ProgramFolder() + "/forms/" + program + "/" + name + ".frm";
    std::string error;
    std::unique_ptr<nimbo::Form> form = nimbo::Form::Load(path, &error);
    if (!form || !form->Create(&error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        std::exit(2);
    }
    return form;
}

std::string ScreenshotBeside(const std::string& file, const std::string& window)
{
    std::filesystem::path p(file);
    std::string stem = p.stem().string() + "-" + window + (p.has_extension() ? p.extension().string() : ".png");
    return (p.parent_path() / stem).string();
}

void EndOnRuntimeError(nimbo::Form& form)
{
    form.OnError([](const std::string&, const std::string&) { std::exit(1); });
}
