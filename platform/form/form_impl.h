// What a form holds while it lives, for the form sources only.
#pragma once

#include "platform/form.h"
#include "platform/form/form_design.h"
#include "platform/wingdi.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace nimbo::form {

// The top-level window: tells the form about clicks, closing and its end.
class FormWindow final : public CWnd {
public:
    explicit FormWindow(FormState* owner) : owner_(owner) {}
    ~FormWindow() override { DestroyWindow(); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    FormState* owner_;
};

// A control on the form: its design (as the file gave it, then as the
// designer changes it), its window, and the control object behind it.
struct Placed {
    ControlDesign design;
    std::unique_ptr<CWnd> wnd;
    COleControl* control = nullptr;  // the same object, when it is one
    // What the control persisted once loaded: the file's values as the
    // control keeps them, and its defaults for the rest. A save writes
    // what differs from these and leaves the file's own lines as written.
    std::vector<Property> loaded;
};

struct FormState {
    FormDesign design;
    FormWindow window{this};
    std::vector<Placed> placed;  // in creation order
    HICON icon = nullptr;

    std::vector<std::function<void()>> loadHandlers;
    std::vector<std::function<void()>> unloadHandlers;
    std::vector<std::pair<std::string, std::function<void()>>> clickHandlers;
    std::function<void(const std::string&, const std::string&)> errorHandler;
    std::function<bool()> queryClose;
    // Ends each RunUntilClosed loop running for this form.
    std::vector<std::function<void()>> loopEnds;

    // What the form file declares (form_declared.cpp).
    FormState* opener = nullptr;  // the form whose button opened this one
    std::vector<std::pair<std::string, std::unique_ptr<Form>>> opened;  // by file, each once
    std::vector<Variant> registered;  // client identities given to the server
    COleControl* registeredWith = nullptr;

    bool open = false;
    bool loadRan = false;
    bool shown = false;
    bool closing = false;
    std::string lastError;

    Placed* Find(const std::string& name);
    // Control objects with their properties loaded, no windows yet.
    bool Instantiate(std::string* error);
    // The window and the controls' windows.
    bool Realize(std::string* error);
    bool RealizeControls(std::string* error);
    // The controls' windows and objects, newest first.
    void DestroyControls();
    // Load and Unload: what the file declares, then the host's handlers.
    // Load answers false when a handler closed the form.
    bool RunLoad();
    void RunUnload();
    // Unload, then controls newest first, then (unless it is going already)
    // the window.
    void Shutdown(bool destroyWindow);
    void Teardown();

    void Command(WPARAM wParam, LPARAM lParam);

    COleControl* DeclaredServer();
    void DeclaredLoad();
    void DeclaredUnload();
    void DeclaredClick(const ControlDesign& button);
    void OpenDeclared(const std::string& name);
    void CloseOpened();
    Form* OpenedForm(const std::string& name) const;
    void RuntimeError(const std::string& name, const std::string& reason);
    // Runs a host handler; what it throws becomes a run-time error.
    void Run(const std::string& who, const std::function<void()>& handler);
};

// A member the declarations use, by its automation name; null for a null
// control (form_declared.cpp).
const DispEntry* Member(COleControl* control, const char* name);

// ---- what a live control writes to a form file (form_write.cpp)
// Its window's rectangle in the parent's client area, pixels.
RECT RectInParent(HWND window, HWND parent);
// Every property it persists, as a form file lists them.
std::vector<Property> PersistedProperties(COleControl* control);
// What a form file says of a control now (`now`, as it persists): the
// file's own lines in their order and as written while their value is the
// one the control loaded from them, a changed value as the control gives
// it, and a property the file left out only once it differs from what the
// control had when it was loaded.
std::vector<Property> PropertiesToWrite(const std::vector<Property>& written, const std::vector<Property>& loaded,
                                        const std::vector<Property>& now);

// ---- standard controls (form_standard.cpp)
std::unique_ptr<CWnd> MakeStandard(Standard kind);
bool CreateStandard(CWnd* wnd, const ControlDesign& design, HWND parent, UINT id);

// ---- the top-level window on screen (form_window.cpp)
// Hidden until ShowTopLevel; the client area is width x height pixels.
bool CreateTopLevel(CWnd* window, int width, int height, const std::string& caption, HICON icon);
// The first time: centred on the screen, or where the system puts windows.
void ShowTopLevel(HWND window, bool firstTime, bool center);
void RaiseTopLevel(HWND window);
void ResizeTopLevel(HWND window, int width, int height);
// A control's window in front of its siblings or behind them all.
void Restack(HWND window, bool front);
// Runs the event loop until the function given to started is called.
void RunLoop(const std::function<void(std::function<void()> end)>& started);

}  // namespace nimbo::form
