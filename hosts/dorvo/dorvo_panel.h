// The generator-set panel's behaviour: the main window registers its
// twenty displays and starts the server; "Costanti" and "Storico" open
// secondary windows whose displays the main window's server serves while
// they are open.
#pragma once

#include "platform/form.h"

#include <memory>
#include <string>
#include <vector>

// A window without a server of its own: its displays are registered with the
// main window's server while it is open.
class SecondaryWindow {
public:
    SecondaryWindow(const std::string& name, nimbo::Form& main) : name_(name), main_(main) {}

    // Loads and shows the window, or brings it to the front when it is open.
    void Open();
    bool IsOpen() const { return loaded_; }
    void Close();
    bool Screenshot(const std::string& file) const;
    const std::string& Name() const { return name_; }
    nimbo::Form* Form() const { return form_.get(); }

private:
    void Register(const std::vector<std::string>& clients, DISPID how);

    std::string name_;
    nimbo::Form& main_;
    std::unique_ptr<nimbo::Form> form_;
    bool loaded_ = false;  // between its load and unload handlers
};

class DorvoPanel {
public:
    DorvoPanel();
    nimbo::Form& Main() { return *generale_; }
    SecondaryWindow& Costanti() { return costanti_; }
    SecondaryWindow& Storico() { return storico_; }
    SecondaryWindow* Secondary(const std::string& name);

private:
    std::unique_ptr<nimbo::Form> generale_;
    SecondaryWindow costanti_;
    SecondaryWindow storico_;
};
