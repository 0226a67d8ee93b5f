#include "hosts/common/host_program.h"

#include "platform/registry.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>

std::optional<int> ParseHostOptions(int argc, char** argv, bool secondaryWindows, HostOptions* o)
{
    // Messages start with the name the program was called by, without folders.
    const std::string program = std::filesystem::path(argv[0]).filename().string();
    std::string usage = "usage: " + program + " [--screenshot FILE.png [--after MS]] [--report]" +
                        (secondaryWindows ? " [--open costanti,storico]" : "") +
                        "\nWithout --screenshot the panel runs until its window is closed; with it, the\n"
                        "main window is saved to FILE.png after MS milliseconds (3000) and the program\n"
                        "ends. --report prints the time to the first paint and the resident memory.\n";
    if (secondaryWindows)
        usage += "--open opens the secondary windows first and saves them beside FILE as\n"
                 "FILE-costanti.png and FILE-storico.png.\n";
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(usage.c_str(), stdout);
            return 0;
        }
    }
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        const bool takesValue = arg == "--screenshot" || arg == "--after" || (arg == "--open" && secondaryWindows);
        if (takesValue && i + 1 >= argc) {
            std::fputs(usage.c_str(), stderr);
            return 2;
        }
        if (arg == "--screenshot") {
            o->screenshot = argv[++i];
        } else if (arg == "--after") {
            char* end = nullptr;
            long ms = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || ms < 0 || ms > 3600000) {
                std::fprintf(stderr, "%s: --after wants milliseconds, not %s\n", program.c_str(), argv[i]);
                return 2;
            }
            o->afterMs = static_cast<int>(ms);
        } else if (arg == "--report") {
            o->report = true;
        } else if (arg == "--open" && secondaryWindows) {
            std::stringstream names(argv[++i]);
            std::string name;
            while (std::getline(names, name, ','))
                if (!name.empty())
                    o->open.push_back(name);
        } else if (arg.size() > 1 && arg[0] == '-') {
            std::fprintf(stderr, "%s: unknown option %s\n%s", program.c_str(), arg.c_str(), usage.c_str());
            return 2;
        } else {
            std::fputs(usage.c_str(), stderr);
            return 2;
        }
    }
    return std::nullopt;
}

std::unique_ptr<nimbo::Form> LoadHostForm(const std::string& program, const std::string& name)
{
    const std::string path = nimbo::KitFile("forms/" + program + "/" + name + ".frm");
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

double MillisecondsSinceStart()
{
    // The process's start time, from the kernel, against the same clock.
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::size_t close = text.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    unsigned long long startTicks = 0;
    for (int i = 3; i <= 22 && fields >> field; ++i)
        if (i == 22)
            startTicks = std::stoull(field);
    std::ifstream uptimeFile("/proc/uptime");
    double uptime = 0;
    uptimeFile >> uptime;
    const double ticksPerSecond = 100.0;  // USER_HZ on Linux
    return (uptime - static_cast<double>(startTicks) / ticksPerSecond) * 1000.0;
}

long ResidentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}
