// A form's life: read, created, shown (Load), closed (Unload), and what its
// window hears in between.
#include "platform/form/form_impl.h"

#include "platform/controls.h"
#include "platform/olectl.h"

#include <fstream>
#include <sstream>

using nimbo::Form;
using namespace nimbo::form;

Form::Form() : d_(std::make_unique<FormState>()) {}

// Unload handlers run here too if the host never closed the form: they
// are how it lets go of what it keeps about the controls.
Form::~Form()
{
    Close();
}

std::unique_ptr<Form> Form::Load(const std::string& path, std::string* error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (error)
            *error = path + ": cannot read the form file";
        return nullptr;
    }
    std::stringstream text;
    text << in.rdbuf();
    return Parse(text.str(), path, error);
}

std::unique_ptr<Form> Form::Parse(const std::string& text, const std::string& fileName, std::string* error)
{
    std::unique_ptr<Form> form(new Form);
    std::string reason;
    if (!ParseForm(text, fileName, &form->d_->design, &reason)) {
        if (error)
            *error = reason;
        return nullptr;
    }
    return form;
}

const std::string& Form::Name() const { return d_->design.name; }
const std::string& Form::ServerName() const { return d_->design.server; }
Form* Form::Opened(const std::string& name) const { return d_->OpenedForm(name); }
HWND Form::Window() const { return d_->window.m_hWnd; }
bool Form::IsOpen() const { return d_->open; }
const std::string& Form::LastError() const { return d_->lastError; }

bool Form::Create(std::string* error)
{
    if (d_->open)
        return true;
    std::string reason;
    if (!d_->Instantiate(&reason) || !d_->Realize(&reason)) {
        d_->Teardown();
        if (error)
            *error = reason;
        return false;
    }
    d_->open = true;
    d_->loadRan = false;
    d_->shown = false;
    return true;
}

void Form::OnLoad(std::function<void()> handler) { d_->loadHandlers.push_back(std::move(handler)); }
void Form::OnUnload(std::function<void()> handler) { d_->unloadHandlers.push_back(std::move(handler)); }

void Form::OnQueryClose(std::function<bool()> handler) { d_->queryClose = std::move(handler); }

void Form::OnError(std::function<void(const std::string&, const std::string&)> handler)
{
    d_->errorHandler = std::move(handler);
}

// A name that is no button is the host's mistake, told at once rather
// than by a click that never answers.
void Form::OnClick(const std::string& name, std::function<void()> handler)
{
    for (const ControlDesign& c : d_->design.controls) {
        if (SameName(c.name, name)) {
            if (c.standard != Standard::CommandButton)
                break;
            d_->clickHandlers.emplace_back(c.name, std::move(handler));
            return;
        }
    }
    d_->RuntimeError(name, "no CommandButton of that name on form " + d_->design.name);
}

COleControl* Form::Control(const std::string& name) const
{
    Placed* p = d_->Find(name);
    return p ? p->control : nullptr;
}

HWND Form::ControlWindow(const std::string& name) const
{
    Placed* p = d_->Find(name);
    return p ? p->wnd->m_hWnd : 0;
}

void Form::Show()
{
    FormState& s = *d_;
    if (!s.open) {
        std::string reason;
        if (!Create(&reason)) {
            s.RuntimeError(s.design.name, reason);
            return;
        }
    }
    if (!s.loadRan && !s.RunLoad())
        return;
    ShowTopLevel(Window(), !s.shown, s.design.center);
    s.shown = true;
}

void Form::Close()
{
    d_->Shutdown(true);
}

void Form::BringToFront()
{
    if (d_->open)
        RaiseTopLevel(Window());
}

int Form::RunUntilClosed()
{
    if (!d_->open) {
        std::string reason;
        if (!Create(&reason)) {
            d_->RuntimeError(d_->design.name, reason);
            return 1;
        }
    }
    if (!d_->shown)
        Show();
    if (!d_->open)
        return 0;  // its Load closed it
    RunLoop([this](std::function<void()> end) { d_->loopEnds.push_back(std::move(end)); });
    return 0;
}

bool Form::SaveScreenshot(const std::string& pngPath)
{
    return d_->open && nimbo::SaveWindowPng(Window(), pngPath);
}

namespace nimbo::form {

Placed* FormState::Find(const std::string& name)
{
    for (Placed& p : placed)
        if (SameName(p.design.name, name))
            return &p;
    return nullptr;
}

bool FormState::RunLoad()
{
    loadRan = true;
    Run(design.name + "_Load", [this] { DeclaredLoad(); });
    if (!open)
        return false;
    const auto handlers = loadHandlers;
    for (const auto& handler : handlers) {
        Run(design.name + "_Load", handler);
        if (!open)
            return false;  // the handler closed the form
    }
    return true;
}

void FormState::RunUnload()
{
    CloseOpened();
    if (!loadRan)
        return;
    loadRan = false;
    DeclaredUnload();
    const auto handlers = unloadHandlers;
    for (const auto& handler : handlers)
        Run(design.name + "_Unload", handler);
}

void FormState::Shutdown(bool destroyWindow)
{
    if (!open || closing)
        return;
    closing = true;
    RunUnload();
    if (destroyWindow) {
        Teardown();
    } else {
        // The window is going already and takes its children's windows
        // along; the objects go here, each after its window.
        while (!placed.empty()) {
            if (placed.back().wnd->m_hWnd)
                ::DestroyWindow(placed.back().wnd->m_hWnd);
            placed.pop_back();
        }
    }
    open = false;
    shown = false;
    closing = false;
    for (auto& end : std::exchange(loopEnds, {}))
        end();
}

// A control's window goes before its object: destroyed from its own
// destructor, the window would no longer reach the control's WindowProc.
void FormState::DestroyControls()
{
    while (!placed.empty()) {
        if (placed.back().wnd->m_hWnd)
            ::DestroyWindow(placed.back().wnd->m_hWnd);
        placed.pop_back();
    }
}

void FormState::Teardown()
{
    DestroyControls();
    window.DestroyWindow();
}

void FormState::Command(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(static_cast<LPARAM>(wParam)) != BN_CLICKED)
        return;
    const HWND from = static_cast<HWND>(lParam);
    // A copy: the click may close the form and take its controls along.
    std::optional<ControlDesign> button;
    for (const Placed& p : placed)
        if (p.wnd->m_hWnd == from)
            button = p.design;
    if (!button)
        return;
    const std::string name = button->name;
    Run(name + "_Click", [this, &button] { DeclaredClick(*button); });
    const auto handlers = clickHandlers;
    for (const auto& [button, handler] : handlers) {
        if (!open)
            return;
        if (button == name)
            Run(name + "_Click", handler);
    }
}

void FormState::Run(const std::string& who, const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& e) {
        RuntimeError(who, e.what());
    } catch (...) {
        RuntimeError(who, "unknown exception");
    }
}

LRESULT FormWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        owner_->Command(wParam, lParam);
        return 0;
    case WM_CLOSE:
        if (!owner_->queryClose || owner_->queryClose())
            owner_->Shutdown(true);
        return 0;
    case WM_DESTROY:
        // Destroyed by someone else than Close: unload all the same.
        owner_->Shutdown(false);
        return 0;
    default:
        return DefWindowProc(message, wParam, lParam);
    }
}

}  // namespace nimbo::form
