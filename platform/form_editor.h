// Editing a form file as a form designer does: controls moved on a grid,
// resized, added by class, removed and restacked, the form's caption and
// size changed, each control's own property sheet, and the whole written
// back as a form file that loads again to the same panel. The form is
// edited live: its controls stand in their windows, but it is never
// loaded, so no server runs and no declaration acts until it is run.
#pragma once

#include "platform/export.h"
#include "platform/form.h"
#include "platform/propbag.h"
#include "platform/windef.h"

#include <optional>
#include <string>
#include <vector>

class COleControl;

namespace nimbo {
namespace form {
struct Placed;
struct ControlDesign;
struct FormDesign;
}

// A control's place on the form, in twips as the form file gives it.
struct FormBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const FormBox&) const = default;
};

class NIMBO_PLATFORM_API FormEditor {
public:
    // Moves land on this grid, and the arrow keys nudge by it: 8 pixels.
    static constexpr int kGrid = 120;
    // The nearest line of the grid, within what a form file may hold.
    static int OnGrid(int twips);

    // The form is created here if need be; it must not have been shown.
    // False from Ready with the reason when it cannot be created.
    explicit FormEditor(Form& form);
    bool Ready(std::string* reason) const;

    // The controls back to front: as they stack, and as the file lists them.
    std::vector<std::string> Names() const;
    std::optional<FormBox> Box(const std::string& name) const;
    // The frontmost control under a point of the client area (pixels);
    // empty over the background.
    std::string ControlAt(int x, int y) const;

    // Each answers false with the reason when it cannot be done.
    // Left and top are put on the grid.
    bool Move(const std::string& name, int left, int top, std::string* reason);
    // A control that refuses the extent keeps its size.
    bool Resize(const std::string& name, int width, int height, std::string* reason);
    // Places a control of the class (of the registration store, or a
    // Label, TextBox or CommandButton) at (left, top), on the grid, in
    // front of the others, named after its class; answers its name, or
    // empty.
    std::string Add(const std::string& className, int left, int top, std::string* reason);
    bool Remove(const std::string& name, std::string* reason);
    bool BringToFront(const std::string& name, std::string* reason);
    bool SendToBack(const std::string& name, std::string* reason);

    const std::string& Caption() const;
    SIZE ClientSize() const;  // twips
    void SetCaption(const std::string& caption);
    bool SetClientSize(int width, int height, std::string* reason);

    // The control's own property sheet, modal: its pages, then the colours;
    // for a standard control, a dialog of its settings.
    bool EditProperties(const std::string& name, HWND owner, std::string* reason);

    // Copies of controls as they stand now; Paste places them again in
    // front, with new names, one grid step further right and down at each
    // paste, and answers the new names (empty with the reason).
    void Copy(const std::vector<std::string>& names);
    bool CanPaste() const { return !copied_.empty(); }
    std::vector<std::string> Paste(std::string* reason);

    // Every edit above can be undone and done again. The steps of one
    // gesture (a drag, several controls nudged together) between
    // BeginGesture and EndGesture are undone as one.
    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    bool Undo(std::string* reason);
    bool Redo(std::string* reason);
    void BeginGesture();
    void EndGesture();

    // F5: the panel runs as it would under nimbo-panel (what the form
    // declares, then the host's Load handlers), and back to design (the
    // Unload, and a server the form started stops).
    bool Running() const;
    void StartPanel();
    void StopPanel();

    // The form file as Save would write it now.
    std::string Text() const;
    // Written to the file the form was read from, whole or not at all.
    bool Save(std::string* reason);
    // Whether the form differs from its file as last read or saved.
    bool Modified() const;

private:
    class Step;
    form::FormState& S() const;
    // The form rebuilt from a design: every control made and placed anew.
    // A design that would not load leaves the form as it was.
    bool Rebuild(const std::string& text, std::string* reason);
    bool TravelTo(std::vector<std::string>& from, std::vector<std::string>& to, std::string* reason);
    void Record(std::string before);
    // The form as Save would write it now, before it is text.
    form::FormDesign Design() const;
    form::Placed* Find(const std::string& name, std::string* reason) const;
    bool Restack(const std::string& name, bool front, std::string* reason);

    Form& form_;
    std::string created_;  // why the form could not be created, if it could not
    std::string savedText_;
    // Each control's properties as designed, while the panel runs: put
    // back when it stops, so that running leaves the design as it was.
    std::vector<std::pair<COleControl*, PropertyBag>> designed_;
    // The form as text before each step, newest last; redo_ holds what
    // was undone.
    std::vector<std::string> undo_, redo_;
    int gesture_ = 0;
    std::string gestureBefore_;
    std::string copied_;  // a form file holding the copied controls
    int pastes_ = 0;
};

// A form file holding controls a program placed itself, in a window of
// its own (the script container): the window's size, the form's name as
// its caption, each control at its window's place and size with every
// persisted property. A control with AddClient becomes
// the form's server, the controls with a Client property its clients,
// and the server starts when the form loads if it is running now.
struct PlacedControl {
    std::string name;
    COleControl* control = nullptr;
};
NIMBO_PLATFORM_API bool WriteControlsAsForm(const std::string& path, const std::string& formName, HWND window,
                                            const std::vector<PlacedControl>& controls, std::string* reason);

// Opens the form in design mode and runs until its window closes: click to
// select, drag to move or by a handle to resize, arrows to nudge, Delete,
// a right-click menu, double click on the background for the form's
// caption and size, Ctrl+S to save, F5 to run the panel and back.
// Closing with unsaved changes asks first. With a screenshot the form is
// shown for afterMs milliseconds, saved as a picture and closed unsaved.
struct DesignOptions {
    std::string select;      // the control selected when the form opens
    std::string screenshot;  // a PNG file
    int afterMs = 3000;
    std::string title = "Design";  // of the designer's message boxes
};
enum class DesignOutcome {
    Closed,              // the user closed it, or the picture was written
    CannotOpen,          // the form could not be created; see reason
    NoSuchControl,       // nothing to select by that name; see reason
    PictureNotWritten,   // see reason
};
NIMBO_PLATFORM_API DesignOutcome DesignForm(Form& form, const DesignOptions& options, std::string* reason);

}  // namespace nimbo
