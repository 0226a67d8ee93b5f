// Design mode on the screen: a clear pane over the form's controls takes
// the mouse and the keys, draws the selection, and turns what the user
// does into the editor's operations. For the form sources and their tests.
#pragma once

#include "platform/export.h"
#include "platform/form_editor.h"

#include <memory>
#include <string>

class QWidget;

namespace nimbo::form {

class DesignPane;

class NIMBO_PLATFORM_API DesignView {
public:
    DesignView(Form& form, FormEditor& editor);
    ~DesignView();
    DesignView(const DesignView&) = delete;
    DesignView& operator=(const DesignView&) = delete;

    // Shows the form, not loaded, with the pane over it.
    void Show();
    // Until the form's window is closed.
    void RunUntilClosed();
    QWidget* Pane() const;

    const std::string& Selected() const { return selected_; }
    void Select(const std::string& name);

    // What the keys and the menu do.
    void Nudge(int dx, int dy);        // by grid steps
    void DeleteSelected();
    void Save();                       // Ctrl+S
    void ToggleRunning();              // F5
    void ContextMenu(int x, int y);    // a right click at client pixels
    void EditForm();                   // double click on the background
    // The window is being closed by the user: false keeps it open.
    bool MayClose();

private:
    friend class DesignPane;
    void AfterEdit();
    void ShowTitle();
    void Tell(const std::string& problem);

    Form& form_;
    FormEditor& editor_;
    DesignPane* pane_ = nullptr;  // a child of the form's window
    std::string selected_;
};

}  // namespace nimbo::form
