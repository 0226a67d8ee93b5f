// Runs a container script line by line. A command that opens a modal
// dialog or a popup menu does not return until it closes, so the runner
// hands the following lines to that dialog (or menu) from inside it, until
// it closes; dialogs opened from a dialog take the lines in turn.
#pragma once

#include "platform/menu.h"
#include "tools/container/container.h"

#include <cstdio>
#include <functional>
#include <istream>

class CDialog;

class ScriptRunner {
public:
    // What the lines print goes to out, why a line failed to err.
    ScriptRunner(Container& container, std::istream& script, bool strict, std::FILE* out, std::FILE* err);
    ~ScriptRunner();

    // The exit status: 0, or 1 when a line failed (under strict, the
    // first failing line is also the last line run).
    int Run();

private:
    // Runs lines until done() holds; false once the script has ended or
    // stopped (quit, or a failure under strict).
    bool RunLines(const std::function<bool()>& done);
    void RunLine(const std::string& line);
    void DriveDialog(CDialog& dialog);
    UINT DriveMenu(const std::vector<nimbo::MenuEntry>& entries);

    Container& container_;
    std::istream& script_;
    bool strict_;
    std::FILE* out_;
    std::FILE* err_;
    int number_ = 0;
    int boxesPrinted_ = 0;  // message boxes shown so far and printed
    bool over_ = false;
    int status_ = 0;
};
