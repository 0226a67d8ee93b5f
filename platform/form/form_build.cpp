// Building a form from its design. Control objects are made and loaded
// first, as a container loads a control before activating it: a bad value
// or a class that will not load stops the form before any window exists.
#include "platform/form/form_impl.h"

#include "platform/olectl.h"
#include "platform/propbag.h"
#include "platform/window/res_module_qt.h"

#include <algorithm>

namespace nimbo::form {
namespace {

// Problems read "Key: reason"; the line is the key's when it is known.
int LineOfProblem(const ControlDesign& design, const std::string& problem)
{
    const Property* p = design.Find(problem.substr(0, problem.find(':')));
    return p ? p->line : design.line;
}

// A key the control neither loads nor saves is a slip of the pen (a
// misspelt property) that would otherwise be ignored without a word.
bool CheckKeys(const FormDesign& form, const ControlDesign& design, const std::vector<Property>& persisted,
               std::string* error)
{
    for (const Property& p : design.properties) {
        const auto known = [&p](const Property& q) { return q.key == p.key; };
        if (std::any_of(persisted.begin(), persisted.end(), known))
            continue;
        std::string hint;
        for (const Property& q : persisted)
            if (SameName(q.key, p.key))
                hint = " (did you mean " + q.key + "?)";
        *error = form.At(p.line) + design.className + " has no property '" + p.key + "'" + hint;
        return false;
    }
    return true;
}

bool LoadControl(const FormDesign& form, const ControlDesign& design, COleControl* control, std::string* error)
{
    PropertyBag bag;
    for (const Property& p : design.properties)
        bag.Write(p.key, p.value);
    control->ResetProperties();
    const std::vector<std::string> problems = control->LoadProperties(bag);
    if (!CheckKeys(form, design, PersistedProperties(control), error))
        return false;
    if (!problems.empty()) {
        *error = form.At(LineOfProblem(design, problems.front())) + design.name + "." + problems.front();
        return false;
    }
    return true;
}

}  // namespace

bool FormState::Instantiate(std::string* error)
{
    placed.clear();
    placed.reserve(design.controls.size());
    for (const ControlDesign& c : design.controls) {
        Placed p;
        p.design = c;
        if (c.standard != Standard::None) {
            p.wnd = MakeStandard(c.standard);
        } else {
            std::string reason;
            p.control = MakeControl(c.className, &reason);
            if (!p.control) {
                *error = design.At(c.line) + c.name + ": " + reason;
                return false;
            }
            p.wnd.reset(p.control);
            if (!LoadControl(design, c, p.control, error))
                return false;
        }
        placed.push_back(std::move(p));
    }
    // After the controls: a control library may bring the icon's module.
    // Only looked up: registering every name a form gives would keep an
    // empty module for each one for the life of the process.
    icon = nullptr;
    if (!design.iconModule.empty()) {
        const HINSTANCE module = res::FindModule(design.iconModule);
        icon = module ? LoadIconA(module, design.iconId) : nullptr;
        if (!icon) {
            *error = design.At(design.iconLine) + "no icon " + std::to_string(design.iconId) + " in resource module '" +
                     design.iconModule + "'";
            return false;
        }
    }
    return true;
}

bool FormState::Realize(std::string* error)
{
    if (!CreateTopLevel(&window, TwipsToPixels(design.clientWidth), TwipsToPixels(design.clientHeight),
                        design.caption, icon)) {
        *error = design.At(design.line) + "cannot create the window of form " + design.name;
        return false;
    }
    return RealizeControls(error);
}

bool FormState::RealizeControls(std::string* error)
{
    UINT nextId = 1;
    for (Placed& p : placed) {
        const ControlDesign& c = p.design;
        if (c.standard != Standard::None) {
            if (!CreateStandard(p.wnd.get(), c, window.m_hWnd, nextId++)) {
                *error = design.At(c.line) + "cannot create the window of " + c.name;
                return false;
            }
            continue;
        }
        if (!p.control->CreateControlWindow(window.m_hWnd, TwipsToPixels(c.left.value_or(0)),
                                            TwipsToPixels(c.top.value_or(0)))) {
            *error = design.At(c.line) + c.name + " did not create its window";
            return false;
        }
        // The form's size is a request: a control may keep its own.
        if (c.width || c.height) {
            int cx = 0, cy = 0;
            p.control->GetControlSize(&cx, &cy);
            p.control->RequestExtent(c.width ? TwipsToPixels(*c.width) : cx, c.height ? TwipsToPixels(*c.height) : cy);
        }
        // Placed and sized as the file asks: what a save compares with.
        p.loaded = PersistedProperties(p.control);
    }
    return true;
}

}  // namespace nimbo::form
