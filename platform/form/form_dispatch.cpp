// What the host asks of the controls once the form runs, and how a
// failure is told: as a run-time error, without ending the program.
#include "platform/form/form_impl.h"

#include "platform/controls.h"
#include "platform/olectl.h"

#include <cstdio>

using nimbo::Form;
using namespace nimbo::form;

namespace {

std::string Failure(HRESULT hr, DISPID id)
{
    return std::string(DispatchErrorText(hr)) + " (dispatch id " + std::to_string(id) + ")";
}

// The control by name for automation; reports why there is none.
COleControl* Automation(FormState& s, const std::string& name)
{
    Placed* p = s.Find(name);
    if (!p) {
        s.RuntimeError(name, "no control of that name on form " + s.design.name);
        return nullptr;
    }
    if (!p->control) {
        s.RuntimeError(name, std::string("a ") + StandardName(p->design.standard) + " has no automation");
        return nullptr;
    }
    return p->control;
}

}  // namespace

Variant Form::Get(const std::string& name, DISPID id, const DispArgs& args)
{
    Variant result;
    if (COleControl* control = Automation(*d_, name))
        if (const HRESULT hr = control->GetProperty(id, args, &result); FAILED(hr)) {
            d_->RuntimeError(name, Failure(hr, id));
            return Variant();
        }
    return result;
}

void Form::Put(const std::string& name, DISPID id, const DispArgs& args, const Variant& value)
{
    if (COleControl* control = Automation(*d_, name))
        if (const HRESULT hr = control->PutProperty(id, args, value); FAILED(hr))
            d_->RuntimeError(name, Failure(hr, id));
}

Variant Form::Call(const std::string& name, DISPID id, const DispArgs& args)
{
    Variant result;
    if (COleControl* control = Automation(*d_, name))
        if (const HRESULT hr = control->CallMethod(id, args, &result); FAILED(hr)) {
            d_->RuntimeError(name, Failure(hr, id));
            return Variant();
        }
    return result;
}

std::string Form::Text(const std::string& name)
{
    Placed* p = d_->Find(name);
    if (!p) {
        d_->RuntimeError(name, "no control of that name on form " + d_->design.name);
        return {};
    }
    if (p->control)
        return p->control->InternalGetText();
    const HWND window = p->wnd->m_hWnd;
    std::string text(static_cast<std::size_t>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

void Form::SetText(const std::string& name, const std::string& text)
{
    Placed* p = d_->Find(name);
    if (!p)
        d_->RuntimeError(name, "no control of that name on form " + d_->design.name);
    else if (p->control)
        p->control->SetText(text);
    else
        SetWindowTextA(p->wnd->m_hWnd, text.c_str());
}

namespace nimbo::form {

// Without a display the message box writes this same line to standard
// error itself; with one, the line goes to the log beside the box.
void FormState::RuntimeError(const std::string& name, const std::string& reason)
{
    lastError = name + ": " + reason;
    if (!IsHeadless()) {
        std::fprintf(stderr, "Run-time error: %s\n", lastError.c_str());
        std::fflush(stderr);
    }
    MessageBoxA(open ? window.m_hWnd : 0, lastError.c_str(), "Run-time error", MB_OK | MB_ICONERROR);
    if (errorHandler)
        errorHandler(name, reason);
}

}  // namespace nimbo::form
