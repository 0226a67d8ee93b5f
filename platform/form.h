// Host forms: a window described in a form file (caption, client size,
// placement, icon, and the controls on it with their properties), built at
// run time; the host program attaches its handlers in code.
//
//     # comment
//     Form Generale
//         Caption = "Test"
//         ClientWidth = 7275          # twips, 15 to a pixel
//         ClientHeight = 7185
//         StartUpPosition = center    # or default
//         Icon = nimbo:1              # resource module and icon number
//         Begin Led1 LEDLib.Led       # any registered class or ProgID
//             Left = 3840
//             Top = 360
//             Plc = 1                 # into the control's property bag
//         End
//         Begin Text1 TextBox         # also Label and CommandButton
//             Text = "Text1"
//         End
//     End
//
// Values are numbers, true/false or quoted strings. Everything is checked
// before anything is created; problems read "FILE:LINE: reason".
#pragma once

#include "platform/dispatch.h"
#include "platform/export.h"
#include "platform/winuser.h"

#include <functional>
#include <memory>
#include <string>

class COleControl;

namespace nimbo {

class FormEditor;
namespace form {
struct FormState;
class DesignView;
}

class NIMBO_PLATFORM_API Form {
public:
    // Null with "FILE:LINE: reason" when the file is unreadable, malformed,
    // names an unknown class or gives a standard control a bad property.
    static std::unique_ptr<Form> Load(const std::string& path, std::string* error);
    // The same from text; fileName is what problems are reported against.
    static std::unique_ptr<Form> Parse(const std::string& text, const std::string& fileName, std::string* error);

    // Places controls of a class the registration store does not hold
    // (built into the program, or a test's); looked up before the store.
    // An empty function forgets the class.
    static void RegisterLocalClass(const std::string& className, std::function<COleControl*()> make);

    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& Name() const;
    // The server the file declares, as written: the name of a control on
    // the form, "Opener", or empty when it declares none.
    const std::string& ServerName() const;
    // The form one of this form's buttons opened, by its file's name
    // without ".frm" ("costanti"); null when none was opened.
    Form* Opened(const std::string& name) const;

    // Creates the window (hidden until Show) and its controls in file
    // order. Controls load their properties before their windows exist.
    // On a problem nothing stays created; the reason reads "FILE:LINE: ...".
    bool Create(std::string* error);

    // Handlers run in the order attached. Load runs once per opening, from
    // Show, before the window is first shown; Unload from Close, if Load ran.
    void OnLoad(std::function<void()> handler);
    void OnUnload(std::function<void()> handler);
    // A CommandButton pressed, by mouse, keyboard or its Click.
    void OnClick(const std::string& controlName, std::function<void()> handler);
    // The user closes the window (title bar, Alt+F4): a handler answering
    // false keeps the form open. Close from code is not asked.
    void OnQueryClose(std::function<bool()> handler);
    // Called after each run-time error has been reported.
    void OnError(std::function<void(const std::string& controlName, const std::string& reason)> handler);

    // Null for standard controls and unknown names. Names match regardless of case.
    COleControl* Control(const std::string& name) const;
    // The window of any control on the form, 0 when there is none.
    HWND ControlWindow(const std::string& name) const;

    // Automation by dispatch identifier. A failure is reported as a
    // run-time error ("Run-time error: NAME: reason" on standard error and
    // in a message box); then Get and Call answer an empty value.
    Variant Get(const std::string& name, DISPID id, const DispArgs& args = {});
    void Put(const std::string& name, DISPID id, const DispArgs& args, const Variant& value);
    Variant Call(const std::string& name, DISPID id, const DispArgs& args = {});

    // A Label's or CommandButton's caption, a TextBox's text (setting it
    // is a change, as typing is), another control's caption.
    std::string Text(const std::string& name);
    void SetText(const std::string& name, const std::string& text);

    HWND Window() const;
    bool IsOpen() const;
    // Creates the form if need be, runs the Load handlers, shows it.
    void Show();
    // Runs the Unload handlers, destroys the controls newest first, then the
    // window. Closing by the title bar does the same. Harmless when closed.
    void Close();
    void BringToFront();
    // Shows the form and runs the event loop until it is closed.
    int RunUntilClosed();
    // The client area as drawn now, pixel for pixel.
    bool SaveScreenshot(const std::string& pngPath);

    // The last run-time error reported, "NAME: reason".
    const std::string& LastError() const;

private:
    friend struct form::FormState;  // a form opens others and is their opener
    friend class FormEditor;        // edits the form in place
    friend class form::DesignView;
    Form();
    std::unique_ptr<form::FormState> d_;
};

}  // namespace nimbo
