// What both host programs share: their command line, finding their form
// files beside the program, and the headless screenshot run.
#pragma once

#include "platform/form.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

struct HostOptions {
    std::string screenshot;         // save the main window here, then exit
    int afterMs = 3000;             // how long to run before the screenshot
    std::vector<std::string> open;  // secondary windows to open first
    bool report = false;            // print start-up time and resident memory
};

// Nothing when the program is to run; otherwise the status to exit with at
// once: 0 after --help printed the usage, 2 when the arguments are wrong
// (the reason and the usage printed on standard error).
std::optional<int> ParseHostOptions(int argc, char** argv, bool secondaryWindows, HostOptions* options);

// Loads program/NAME.frm from the forms folder beside the program and
// creates it; a bad form stops the program with the file, line and reason.
std::unique_ptr<nimbo::Form> LoadHostForm(const std::string& program, const std::string& name);

// "shot.png" + "costanti" -> "shot-costanti.png"
std::string ScreenshotBeside(const std::string& file, const std::string& window);

// Milliseconds since the process started, and its resident memory in KiB.
double MillisecondsSinceStart();
long ResidentKiB();

// A failing automation call ends the program once it has been reported.
void EndOnRuntimeError(nimbo::Form& form);
