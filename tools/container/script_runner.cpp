#include "tools/container/script_runner.h"

#include "platform/dialog.h"
#include "platform/winuser.h"
#include "platform/scripting.h"

#include <string>

namespace {

// A message box's text on one line of the script's output.
std::string OneLine(std::string text)
{
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2))
        text.replace(at, 1, "\\n");
    return text;
}

}  // namespace

ScriptRunner::ScriptRunner(Container& container, std::istream& script, bool strict, std::FILE* out,
                           std::FILE* err)
    : container_(container), script_(script), strict_(strict), out_(out), err_(err),
      boxesPrinted_(nimbo::MessageBoxCount())
{
    nimbo::SetDialogDriver([this](CDialog& dialog) { DriveDialog(dialog); });
    nimbo::SetMenuDriver([this](const std::vector<nimbo::MenuEntry>& entries) { return DriveMenu(entries); });
}

ScriptRunner::~ScriptRunner()
{
    nimbo::SetDialogDriver({});
    nimbo::SetMenuDriver({});
}

int ScriptRunner::Run()
{
    RunLines([] { return false; });
    return status_;
}

bool ScriptRunner::RunLines(const std::function<bool()>& done)
{
    std::string line;
    while (!over_ && !done()) {
        if (!std::getline(script_, line)) {
            over_ = true;
            break;
        }
        ++number_;
        RunLine(line);
    }
    return !over_;
}

// A box that came up while the line ran is printed too: headless, nobody
// else sees it. Lines run inside a dialog print their own boxes, so the line
// that opened the dialog does not print them again.
void ScriptRunner::RunLine(const std::string& line)
{
    const int number = number_;
    std::vector<std::string> printed;
    std::string error;
    const Container::Outcome outcome = container_.Run(line, &printed, &error);
    for (const std::string& text : printed)
        std::fprintf(out_, "%s\n", text.c_str());
    if (nimbo::MessageBoxCount() != boxesPrinted_) {
        boxesPrinted_ = nimbo::MessageBoxCount();
        std::fprintf(out_, "message: %s\n", OneLine(nimbo::LastMessageBoxText()).c_str());
    }
    if (outcome == Container::Outcome::Quit)
        over_ = true;
    // Output is flushed before the error so that, on a shared terminal,
    // the error follows what its line printed.
    std::fflush(out_);
    if (outcome == Container::Outcome::Failed) {
        std::fprintf(err_, "error: %d: %s\n", number, error.c_str());
        std::fflush(err_);
        status_ = 1;
        if (strict_)
            over_ = true;
    }
}

// A dialog the script leaves open when it ends is cancelled, so that the
// program can close.
void ScriptRunner::DriveDialog(CDialog& dialog)
{
    const HWND window = dialog.m_hWnd;
    auto closed = [window] { return !IsWindow(window) || nimbo::ModalLoopEnding(window); };
    container_.PushDialog(&dialog);
    RunLines(closed);
    container_.PopDialog(&dialog);
    if (!closed())
        dialog.EndDialog(IDCANCEL);
}

UINT ScriptRunner::DriveMenu(const std::vector<nimbo::MenuEntry>& entries)
{
    container_.OpenMenu(&entries);
    RunLines([this] { return !container_.MenuOpen(); });
    return container_.CloseMenu();
}
