// Design mode on the screen: a clear pane over the form's controls takes
// the mouse and the keys, draws the selection, and turns what the user
// does into the editor's operations. For the form sources and their tests.
#pragma once

#include "platform/export.h"
#include "platform/form_editor.h"

#include <QPointer>
#include <QShortcut>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

namespace nimbo::form {

class DesignPane;

class NIMBO_PLATFORM_API DesignView {
public:
    // Its message boxes carry title.
    DesignView(Form& form, FormEditor& editor, std::string title = "Design");
    ~DesignView();
    DesignView(const DesignView&) = delete;
    DesignView& operator=(const DesignView&) = delete;

    // Shows the form, not loaded, with the pane over it.
    void Show();
    // Until the form's window is closed.
    void RunUntilClosed();
    QWidget* Pane() const { return pane_; }

    // The control last selected; empty when none is.
    std::string Selected() const { return selection_.empty() ? std::string() : selection_.back(); }
    // Every selected control, in the order they were selected.
    const std::vector<std::string>& Selection() const { return selection_; }
    void Select(const std::string& name);
    void ToggleSelected(const std::string& name);  // Shift+click
    void SelectNext(int step);                     // Tab +1, Shift+Tab -1

    // What the keys and the menu do.
    void Nudge(int dx, int dy);        // by grid steps, every selected control
    void DeleteSelected();
    void Undo();                       // Ctrl+Z
    void Redo();                       // Ctrl+Y, Ctrl+Shift+Z
    void CopySelected();               // Ctrl+C
    void Paste();                      // Ctrl+V
    void Save();                       // Ctrl+S
    void ToggleRunning();              // F5
    void ContextMenu(int x, int y);    // a right click at client pixels
    void EditForm();                   // double click on the background
    // The window is being closed by the user: false keeps it open.
    bool MayClose();

private:
    friend class DesignPane;
    DesignPane* Drawn() const;
    void AfterEdit();
    void ShowTitle();
    void Tell(const std::string& problem);

    Form& form_;
    FormEditor& editor_;
    std::string title_;
    // Children of the form's window, gone with it if it goes first; what
    // is left of them goes with the view.
    QPointer<QWidget> pane_;
    QPointer<QShortcut> save_, run_;
    std::vector<std::string> selection_;
};

}  // namespace nimbo::form
