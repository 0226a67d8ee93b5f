// Editing a form in place. The design keeps the twips the file gave for
// whatever the user did not touch, so that a form read and saved again
// says the same; what the user changed is read off the live windows.
#include "platform/form_editor.h"

#include "platform/form/form_impl.h"
#include "platform/form/form_standard_dialog.h"
#include "platform/olectl.h"
#include "platform/panel_members.h"
#include "platform/registry.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace nimbo {
namespace {

using form::ControlDesign;
using form::FormState;
using form::Placed;
using form::TwipsToPixels;

// The file's twips while they still give the pixels on the screen.
int Kept(const std::optional<int>& written, int pixels)
{
    return written && TwipsToPixels(*written) == pixels ? *written : form::PixelsToTwips(pixels);
}

RECT PixelRect(const FormState& s, const Placed& p)
{
    return form::RectInParent(p.wnd->m_hWnd, s.window.m_hWnd);
}

// Where the control stands now, in the file's twips where they still hold.
FormBox Placement(const FormState& s, const Placed& p)
{
    const ControlDesign& c = p.design;
    const RECT r = PixelRect(s, p);
    return FormBox{Kept(c.left, r.left), Kept(c.top, r.top), Kept(c.width, r.right - r.left),
                   Kept(c.height, r.bottom - r.top)};
}

// The control as it stands now, to be written to the file. A place or size
// the file left out stays out until the user gives one: a control keeps
// its own size, and the file its few lines.
ControlDesign Current(const FormState& s, const Placed& p)
{
    ControlDesign c = p.design;
    const FormBox box = Placement(s, p);
    const std::pair<std::optional<int>*, int> places[] = {
        {&c.left, box.left}, {&c.top, box.top}, {&c.width, box.width}, {&c.height, box.height}};
    for (const auto& [written, now] : places)
        if (written->has_value())
            *written = now;
    if (p.control)
        c.properties = form::PropertiesToWrite(p.design.properties, p.loaded, form::PersistedProperties(p.control));
    return c;
}

void PlaceWindow(Placed& p, const RECT& r)
{
    if (p.control)
        p.control->SetRectInContainer(r);
    else
        MoveWindow(p.wnd->m_hWnd, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

// Added controls are named as a form designer names them: the class's own
// name and the first free number ("Led1", "Led2").
std::string BaseName(const std::string& className)
{
    const RegistrationStore store = RegistrationStore::Open();
    const RegisteredClass* c = store.Find(className);
    std::string name = c ? c->hostName : className;
    name = name.substr(name.rfind('.') + 1);
    name.erase(std::remove_if(name.begin(), name.end(),
                              [](char ch) { return !std::isalnum(static_cast<unsigned char>(ch)) && ch != '_'; }),
               name.end());
    return form::IsName(name) ? name : "Control";
}

// The stem and the first number no name taken has yet.
std::string FreeName(const std::string& stem, const std::vector<std::string>& taken)
{
    for (int n = 1;; ++n) {
        const std::string name = stem + std::to_string(n);
        if (std::none_of(taken.begin(), taken.end(), [&name](const std::string& t) { return form::SameName(t, name); }))
            return name;
    }
}

// "Led12" copied is named again from "Led".
std::string Stem(const std::string& name)
{
    std::string stem = name;
    while (!stem.empty() && std::isdigit(static_cast<unsigned char>(stem.back())))
        stem.pop_back();
    return stem.empty() ? "Control" : stem;
}

bool Fail(std::string* reason, const std::string& why)
{
    if (reason)
        *reason = why;
    return false;
}

void SetUserMode(FormState& s, BOOL userMode)
{
    for (const Placed& p : s.placed)
        if (p.control)
            p.control->SetAmbientUserMode(userMode);
}

}  // namespace

// Each edit is one step of undo, unless a gesture gathers several.
class FormEditor::Step {
public:
    explicit Step(FormEditor& editor) : editor_(editor)
    {
        if (editor_.gesture_ == 0)
            before_ = editor_.Text();
    }
    ~Step()
    {
        if (editor_.gesture_ == 0)
            editor_.Record(std::move(before_));
    }
    Step(const Step&) = delete;
    Step& operator=(const Step&) = delete;

private:
    FormEditor& editor_;
    std::string before_;
};

int FormEditor::OnGrid(int twips)
{
    const int snapped = static_cast<int>(std::lround(twips / double(kGrid))) * kGrid;
    const int limit = form::kMaxTwips / kGrid * kGrid;
    return std::clamp(snapped, -limit, limit);
}

form::FormState& FormEditor::S() const
{
    return *form_.d_;
}

FormEditor::FormEditor(Form& form) : form_(form)
{
    if (!form_.IsOpen() && !form_.Create(&created_))
        return;
    SetUserMode(S(), FALSE);
    savedText_ = Text();
}

bool FormEditor::Ready(std::string* reason) const
{
    if (created_.empty())
        return true;
    return Fail(reason, created_);
}

std::vector<std::string> FormEditor::Names() const
{
    std::vector<std::string> names;
    for (const Placed& p : S().placed)
        names.push_back(p.design.name);
    return names;
}

Placed* FormEditor::Find(const std::string& name, std::string* reason) const
{
    Placed* p = S().Find(name);
    if (p == nullptr && reason)
        *reason = "no control " + name + " on form " + S().design.name;
    return p;
}

std::optional<FormBox> FormEditor::Box(const std::string& name) const
{
    const Placed* p = Find(name, nullptr);
    if (p == nullptr)
        return std::nullopt;
    return Placement(S(), *p);
}

std::string FormEditor::ControlAt(int x, int y) const
{
    const FormState& s = S();
    for (auto it = s.placed.rbegin(); it != s.placed.rend(); ++it) {
        const RECT r = PixelRect(s, *it);
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom)
            return it->design.name;
    }
    return {};
}

bool FormEditor::Move(const std::string& name, int left, int top, std::string* reason)
{
    Step step(*this);
    Placed* p = Find(name, reason);
    if (p == nullptr)
        return false;
    ControlDesign& c = p->design;
    const RECT r = PixelRect(S(), *p);
    c.left = OnGrid(left);
    c.top = OnGrid(top);
    const int x = TwipsToPixels(*c.left), y = TwipsToPixels(*c.top);
    PlaceWindow(*p, RECT{x, y, x + (r.right - r.left), y + (r.bottom - r.top)});
    return true;
}

bool FormEditor::Resize(const std::string& name, int width, int height, std::string* reason)
{
    Step step(*this);
    Placed* p = Find(name, reason);
    if (p == nullptr)
        return false;
    ControlDesign& c = p->design;
    width = std::clamp(width, 0, form::kMaxTwips);
    height = std::clamp(height, 0, form::kMaxTwips);
    const int cx = TwipsToPixels(width), cy = TwipsToPixels(height);
    if (p->control) {
        // The control is asked, as a container asks; one that refuses
        // keeps the size it has.
        if (!p->control->RequestExtent(cx, cy)) {
            return Fail(reason, name + " keeps its size");
        }
    } else {
        const RECT r = PixelRect(S(), *p);
        MoveWindow(p->wnd->m_hWnd, r.left, r.top, cx, cy, TRUE);
    }
    c.width = width;
    c.height = height;
    return true;
}

std::string FormEditor::Add(const std::string& className, int left, int top, std::string* reason)
{
    Step step(*this);
    FormState& s = S();
    if (s.placed.size() >= form::kMaxControls) {
        Fail(reason, "a form holds at most " + std::to_string(form::kMaxControls) + " controls");
        return {};
    }
    // A standard control is placed through the form file, as the runtime
    // builds it, with its name as its caption.
    if (const form::Standard kind = form::StandardClass(className); kind != form::Standard::None) {
        form::FormDesign now = Design();
        ControlDesign c;
        c.name = FreeName(form::StandardName(kind), Names());
        c.className = form::StandardName(kind);
        c.left = OnGrid(left);
        c.top = OnGrid(top);
        c.properties.push_back({kind == form::Standard::TextBox ? "Text" : "Caption", Variant::String(c.name), 0, {}});
        const std::string name = c.name;
        now.controls.push_back(std::move(c));
        return Rebuild(form::WriteForm(now), reason) ? name : std::string();
    }
    std::string why;
    std::unique_ptr<COleControl> control(form::MakeControl(className, &why));
    if (!control) {
        Fail(reason, why);
        return {};
    }
    std::string name = FreeName(BaseName(className), Names());
    control->ResetProperties();
    control->SetAmbientUserMode(FALSE);
    ControlDesign c;
    c.name = name;
    c.className = className;
    c.left = OnGrid(left);
    c.top = OnGrid(top);
    if (!control->CreateControlWindow(s.window.m_hWnd, TwipsToPixels(*c.left), TwipsToPixels(*c.top))) {
        Fail(reason, name + " did not create its window");
        return {};
    }
    Placed p;
    p.design = std::move(c);
    p.control = control.get();
    p.loaded = form::PersistedProperties(p.control);
    p.wnd = std::move(control);
    s.placed.push_back(std::move(p));
    return name;
}

bool FormEditor::Remove(const std::string& name, std::string* reason)
{
    Step step(*this);
    FormState& s = S();
    Placed* p = Find(name, reason);
    if (p == nullptr)
        return false;
    // The file would name a server that is not there, and not load again.
    if (form::SameName(s.design.server, name)) {
        return Fail(reason, name + " is the server form " + s.design.name + " declares; it stays");
    }
    const std::size_t i = static_cast<std::size_t>(p - s.placed.data());
    if (p->wnd->m_hWnd)
        ::DestroyWindow(p->wnd->m_hWnd);
    s.placed.erase(s.placed.begin() + static_cast<std::ptrdiff_t>(i));
    return true;
}

bool FormEditor::Restack(const std::string& name, bool front, std::string* reason)
{
    Step step(*this);
    FormState& s = S();
    Placed* p = Find(name, reason);
    if (p == nullptr)
        return false;
    const auto i = p - s.placed.data();
    if (front)
        std::rotate(s.placed.begin() + i, s.placed.begin() + i + 1, s.placed.end());
    else
        std::rotate(s.placed.begin(), s.placed.begin() + i, s.placed.begin() + i + 1);
    form::Restack(form_.ControlWindow(name), front);
    return true;
}

bool FormEditor::BringToFront(const std::string& name, std::string* reason)
{
    return Restack(name, true, reason);
}

bool FormEditor::SendToBack(const std::string& name, std::string* reason)
{
    return Restack(name, false, reason);
}

const std::string& FormEditor::Caption() const
{
    return S().design.caption;
}

SIZE FormEditor::ClientSize() const
{
    return SIZE{S().design.clientWidth, S().design.clientHeight};
}

void FormEditor::SetCaption(const std::string& caption)
{
    Step step(*this);
    S().design.caption = caption;
    SetWindowTextA(form_.Window(), caption.c_str());
}

bool FormEditor::SetClientSize(int width, int height, std::string* reason)
{
    Step step(*this);
    if (width <= 0 || height <= 0 || width > form::kMaxTwips || height > form::kMaxTwips) {
        return Fail(reason, "the form's width and height are 1 to " + std::to_string(form::kMaxTwips) + " twips");
    }
    S().design.clientWidth = width;
    S().design.clientHeight = height;
    form::ResizeTopLevel(form_.Window(), TwipsToPixels(width), TwipsToPixels(height));
    return true;
}

bool FormEditor::EditProperties(const std::string& name, HWND owner, std::string* reason)
{
    Step step(*this);
    Placed* p = Find(name, reason);
    if (p == nullptr)
        return false;
    if (p->control)
        return SUCCEEDED(p->control->DoVerb(OLEIVERB_PROPERTIES, owner));
    // A standard control keeps its settings as the file gives them; the
    // form is built again with the new ones.
    form::StandardDialog dialog(p->design);
    if (dialog.DoModal(owner) != IDOK)
        return true;
    const auto index = static_cast<std::size_t>(p - S().placed.data());
    form::FormDesign now = Design();
    now.controls[index].properties = dialog.Properties();
    return Rebuild(form::WriteForm(now), reason);
}

void FormEditor::Copy(const std::vector<std::string>& names)
{
    form::FormDesign clip;
    clip.name = "Copied";
    for (const std::string& name : names)
        if (const Placed* p = Find(name, nullptr))
            clip.controls.push_back(Current(S(), *p));
    copied_ = clip.controls.empty() ? std::string() : form::WriteForm(clip);
    pastes_ = 0;
}

std::vector<std::string> FormEditor::Paste(std::string* reason)
{
    form::FormDesign clip;
    std::string why;
    if (copied_.empty() || !form::ParseForm(copied_, S().design.file, &clip, &why)) {
        Fail(reason, copied_.empty() ? "nothing copied" : why);
        return {};
    }
    Step step(*this);
    form::FormDesign now = Design();
    if (now.controls.size() + clip.controls.size() > form::kMaxControls) {
        Fail(reason, "a form holds at most " + std::to_string(form::kMaxControls) + " controls");
        return {};
    }
    ++pastes_;
    std::vector<std::string> taken = Names(), names;
    for (ControlDesign& c : clip.controls) {
        c.name = FreeName(Stem(c.name), taken);
        taken.push_back(c.name);
        c.left = OnGrid(c.left.value_or(0) + pastes_ * kGrid);
        c.top = OnGrid(c.top.value_or(0) + pastes_ * kGrid);
        names.push_back(c.name);
        now.controls.push_back(std::move(c));
    }
    if (!Rebuild(form::WriteForm(now), reason))
        return {};
    return names;
}

void FormEditor::Record(std::string before)
{
    // A long day's edits, not an unbounded list.
    constexpr std::size_t kMostSteps = 200;
    if (Text() == before)
        return;
    undo_.push_back(std::move(before));
    if (undo_.size() > kMostSteps)
        undo_.erase(undo_.begin());
    redo_.clear();
}

void FormEditor::BeginGesture()
{
    if (gesture_++ == 0)
        gestureBefore_ = Text();
}

void FormEditor::EndGesture()
{
    if (gesture_ > 0 && --gesture_ == 0)
        Record(std::move(gestureBefore_));
}

bool FormEditor::Undo(std::string* reason)
{
    return TravelTo(undo_, redo_, reason);
}

bool FormEditor::Redo(std::string* reason)
{
    return TravelTo(redo_, undo_, reason);
}

bool FormEditor::TravelTo(std::vector<std::string>& from, std::vector<std::string>& to, std::string* reason)
{
    if (from.empty())
        return Fail(reason, &from == &undo_ ? "nothing to undo" : "nothing to redo");
    if (Running())
        return Fail(reason, "the panel is running");
    std::string now = Text();
    if (!Rebuild(from.back(), reason))
        return false;
    from.pop_back();
    to.push_back(std::move(now));
    return true;
}

bool FormEditor::Rebuild(const std::string& text, std::string* reason)
{
    FormState& s = S();
    form::FormDesign design;
    std::string why;
    if (!form::ParseForm(text, s.design.file, &design, &why))
        return Fail(reason, why);
    const std::string was = Text();
    auto build = [&s](form::FormDesign d, std::string* error) {
        s.DestroyControls();
        s.design = std::move(d);
        return s.Instantiate(error) && s.RealizeControls(error);
    };
    if (!build(std::move(design), &why)) {
        // What stood before loaded once and loads again.
        form::FormDesign old;
        std::string ignored;
        if (form::ParseForm(was, s.design.file, &old, &ignored))
            build(std::move(old), &ignored);
        Fail(reason, why);
    }
    SetUserMode(s, FALSE);
    SetWindowTextA(form_.Window(), s.design.caption.c_str());
    form::ResizeTopLevel(form_.Window(), TwipsToPixels(s.design.clientWidth), TwipsToPixels(s.design.clientHeight));
    return why.empty();
}

bool FormEditor::Running() const
{
    return S().loadRan;
}

void FormEditor::StartPanel()
{
    FormState& s = S();
    if (s.loadRan)
        return;
    designed_.clear();
    for (const Placed& p : s.placed) {
        if (!p.control)
            continue;
        designed_.emplace_back(p.control, PropertyBag{});
        p.control->SaveProperties(&designed_.back().second);
    }
    SetUserMode(s, TRUE);
    s.RunLoad();
}

// Back to design: the panel unloads as on closing, and a server it started
// stops, so that nothing talks on the line while the form is edited.
void FormEditor::StopPanel()
{
    FormState& s = S();
    if (!s.loadRan)
        return;
    s.RunUnload();
    COleControl* server = s.design.startServer ? s.DeclaredServer() : nullptr;
    if (const DispEntry* go = form::Member(server, members::kGo))
        server->PutProperty(go->id, {}, Variant::Bool(false));
    // Live readings, a button's state: what the panel changed while it ran
    // is no part of the design.
    for (auto& [control, properties] : designed_)
        control->LoadProperties(properties);
    designed_.clear();
    SetUserMode(s, FALSE);
}

form::FormDesign FormEditor::Design() const
{
    const FormState& s = S();
    // The form's own settings, and the controls as they stand: the file's
    // list is what the form was built from, the placed controls what it is.
    form::FormDesign now;
    static_cast<form::FormSettings&>(now) = s.design;
    for (const Placed& p : s.placed)
        now.controls.push_back(Current(s, p));
    return now;
}

std::string FormEditor::Text() const
{
    return form::WriteForm(Design());
}

bool FormEditor::Modified() const
{
    return Text() != savedText_;
}

bool FormEditor::Save(std::string* reason)
{
    const std::string text = Text();
    if (!form::SaveFormText(text, S().design.file, reason))
        return false;
    savedText_ = text;
    return true;
}

}  // namespace nimbo
