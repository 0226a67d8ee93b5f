// Where a form's classes come from: the program's own (local) ones first,
// then the registration store.
#include "platform/form.h"
#include "platform/form/form_design.h"

#include "platform/olectl.h"
#include "platform/registry.h"

#include <map>
#include <mutex>
#include <strings.h>

namespace nimbo::form {
namespace {

struct NoCase {
    bool operator()(const std::string& a, const std::string& b) const { return strcasecmp(a.c_str(), b.c_str()) < 0; }
};

struct LocalClasses {
    std::mutex lock;
    std::map<std::string, std::function<COleControl*()>, NoCase> classes;
};

LocalClasses& Locals()
{
    static LocalClasses* locals = new LocalClasses;
    return *locals;
}

}  // namespace

bool SameName(const std::string& a, const std::string& b)
{
    return strcasecmp(a.c_str(), b.c_str()) == 0;
}

std::function<COleControl*()> LocalClass(const std::string& className)
{
    LocalClasses& l = Locals();
    std::lock_guard<std::mutex> guard(l.lock);
    auto it = l.classes.find(className);
    return it == l.classes.end() ? nullptr : it->second;
}

bool ClassKnown(const std::string& className, std::string* reason)
{
    if (LocalClass(className))
        return true;
    const RegistrationStore store = RegistrationStore::Open();
    const RegisteredClass* found = store.Find(className);
    if (found && found->kind == ClassKind::Control)
        return true;
    *reason = "unknown control class '" + className + "' (not registered in " + store.Path() + ")";
    return false;
}

COleControl* MakeControl(const std::string& className, std::string* reason)
{
    if (auto make = LocalClass(className)) {
        COleControl* control = make();
        if (!control)
            *reason = "creation of " + className + " failed";
        return control;
    }
    return CreateControl(className, reason);
}

}  // namespace nimbo::form

void nimbo::Form::RegisterLocalClass(const std::string& className, std::function<COleControl*()> make)
{
    form::LocalClasses& l = form::Locals();
    std::lock_guard<std::mutex> guard(l.lock);
    if (make)
        l.classes[className] = std::move(make);
    else
        l.classes.erase(className);
}
