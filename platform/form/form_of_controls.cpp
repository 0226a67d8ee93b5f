// A form file for controls a program placed itself: what a window holds,
// written so that nimbo-panel shows the same panel and runs it.
#include "platform/form_editor.h"

#include "platform/form/form_impl.h"
#include "platform/olectl.h"
#include "platform/panel_members.h"

#include <algorithm>

namespace nimbo {
namespace {

using form::Member;

// The server role, as the form declares it: the first control that takes
// clients serves every control that has an identity to register.
void DeclareServer(const std::vector<PlacedControl>& controls, form::FormDesign* d)
{
    for (const PlacedControl& c : controls) {
        if (Member(c.control, members::kAddClient) == nullptr)
            continue;
        d->server = c.name;
        for (const PlacedControl& other : controls)
            if (other.control != c.control && Member(other.control, members::kClient))
                d->registerClients = true;
        Variant going;
        const DispEntry* go = Member(c.control, members::kGo);
        d->startServer = go && SUCCEEDED(c.control->GetProperty(go->id, {}, &going)) && going.AsBool();
        return;
    }
}

}  // namespace

bool WriteControlsAsForm(const std::string& path, const std::string& formName, HWND window,
                         const std::vector<PlacedControl>& controls, std::string* reason)
{
    auto fail = [reason](const std::string& why) {
        if (reason)
            *reason = why;
        return false;
    };
    if (!form::IsName(formName))
        return fail("'" + formName + "' cannot name a form (letters, digits and _, not first a digit)");
    if (controls.size() > form::kMaxControls)
        return fail("a form holds at most " + std::to_string(form::kMaxControls) + " controls");
    form::FormDesign d;
    d.file = path;
    d.name = formName;
    d.caption = formName;  // the window is the program's, its title too
    RECT client{};
    GetClientRect(window, &client);
    d.clientWidth = form::PixelsToTwips(std::clamp(static_cast<int>(client.right - client.left), 1, 32767));
    d.clientHeight = form::PixelsToTwips(std::clamp(static_cast<int>(client.bottom - client.top), 1, 32767));
    for (const PlacedControl& c : controls) {
        if (!form::IsName(c.name))
            return fail("'" + c.name + "' cannot name a control in a form (letters, digits and _, not first a digit)");
        if (c.control->ProgId().empty())
            return fail(c.name + " has no registered class to write");
        form::ControlDesign placed;
        placed.name = c.name;
        placed.className = c.control->ProgId();
        const RECT r = form::RectInParent(c.control->m_hWnd, window);
        placed.left = form::PixelsToTwips(r.left);
        placed.top = form::PixelsToTwips(r.top);
        placed.width = form::PixelsToTwips(r.right - r.left);
        placed.height = form::PixelsToTwips(r.bottom - r.top);
        placed.properties = form::PersistedProperties(c.control);
        d.controls.push_back(std::move(placed));
    }
    DeclareServer(controls, &d);
    return form::SaveFormText(form::WriteForm(d), path, reason);
}

}  // namespace nimbo
