// Design mode on the screen. The pane lies over the whole client area, so
// the controls never see the mouse while the form is edited; it draws the
// selected control's frame and handles and keeps itself in front.
#include "platform/form/form_design_view.h"

#include "platform/form/form_impl.h"
#include "platform/form/form_settings_dialog.h"
#include "platform/menu.h"
#include "platform/registry.h"
#include "platform/window/win_table_qt.h"

#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QRegion>
#include <QShortcut>
#include <QWidget>

#include <algorithm>
#include <array>
#include <optional>

namespace nimbo::form {
namespace {

constexpr int kHandle = 7;  // pixels across a handle

// The handles clockwise from the top left; which edges each one drags.
struct Handle {
    bool left, top, right, bottom;
};
constexpr std::array<Handle, 8> kHandles = {{{true, true, false, false},
                                             {false, true, false, false},
                                             {false, true, true, false},
                                             {false, false, true, false},
                                             {false, false, true, true},
                                             {false, false, false, true},
                                             {true, false, false, true},
                                             {true, false, false, false}}};

QRect Pixels(const FormBox& b)
{
    return QRect(TwipsToPixels(b.left), TwipsToPixels(b.top), TwipsToPixels(b.width), TwipsToPixels(b.height));
}

QRect HandleRect(const QRect& r, const Handle& h)
{
    const int x = h.left ? r.left() - 1 : h.right ? r.right() + 1 : r.center().x();
    const int y = h.top ? r.top() - 1 : h.bottom ? r.bottom() + 1 : r.center().y();
    return QRect(x - kHandle / 2, y - kHandle / 2, kHandle, kHandle);
}

// One square of the grid with its dot in the corner; a brush of it dots the
// whole background in one fill.
QPixmap GridTile()
{
    const int step = TwipsToPixels(FormEditor::kGrid);
    QPixmap tile(step, step);
    tile.fill(Qt::transparent);
    QPainter dot(&tile);
    dot.fillRect(0, 0, 1, 1, QColor(96, 96, 96));
    return tile;
}

}  // namespace

class DesignPane final : public QWidget {
public:
    DesignPane(DesignView* view, QWidget* form) : QWidget(form), view_(view), grid_(GridTile())
    {
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::StrongFocus);
        setMouseTracking(true);
        setGeometry(form->rect());
        form->installEventFilter(this);
    }

    void Cover()
    {
        setGeometry(parentWidget()->rect());
        raise();
        update();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == parentWidget() && event->type() == QEvent::Resize)
            setGeometry(parentWidget()->rect());
        return false;
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        // The grid on the form's background, as a designer shows it.
        QRegion background(rect());
        for (const std::string& name : view_->editor_.Names())
            background -= Pixels(*view_->editor_.Box(name));
        painter.setClipRegion(background);
        painter.fillRect(rect(), grid_);
        painter.setClipping(false);
        painter.setPen(QPen(QColor(0, 0, 128), 1, Qt::DashLine));
        for (const std::string& name : view_->selection_)
            if (const auto box = view_->editor_.Box(name))
                painter.drawRect(Pixels(*box).adjusted(-1, -1, 0, 0));
        // Handles resize one control at a time.
        if (const auto box = SingleBox())
            for (const Handle& h : kHandles)
                painter.fillRect(HandleRect(Pixels(*box), h), QColor(0, 0, 128));
    }

    // Tab and Shift+Tab step through the controls here, not the focus.
    bool focusNextPrevChild(bool) override { return false; }

    void mousePressEvent(QMouseEvent* event) override
    {
        setFocus();
        const QPoint at = event->position().toPoint();
        const std::string under = view_->editor_.ControlAt(at.x(), at.y());
        if (event->button() == Qt::RightButton) {
            if (!Selected(under))
                view_->Select(under);
            view_->ContextMenu(at.x(), at.y());
            return;
        }
        if (event->button() != Qt::LeftButton)
            return;
        if (event->modifiers() & Qt::ShiftModifier) {
            view_->ToggleSelected(under);
            return;
        }
        press_ = at;
        handle_ = -1;
        if (const auto box = SingleBox()) {
            for (std::size_t i = 0; i < kHandles.size(); ++i)
                if (HandleRect(Pixels(*box), kHandles[i]).contains(at))
                    handle_ = static_cast<int>(i);
        }
        // A press on one of several selected controls drags them all.
        if (handle_ < 0 && !Selected(under))
            view_->Select(under);
        starts_.clear();
        for (const std::string& name : view_->selection_)
            starts_.emplace_back(name, view_->editor_.Box(name).value_or(FormBox{}));
        EndDrag();
        if (!starts_.empty()) {
            dragging_ = true;
            view_->editor_.BeginGesture();
        }
    }

    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (!dragging_ || !(event->buttons() & Qt::LeftButton))
            return;
        const QPoint delta = event->position().toPoint() - press_;
        const int dx = PixelsToTwips(delta.x()), dy = PixelsToTwips(delta.y());
        const std::string& primary = starts_.back().first;
        const FormBox& was = starts_.back().second;
        const auto before = view_->editor_.Box(primary);
        if (handle_ < 0) {
            for (const auto& [name, start] : starts_)
                view_->editor_.Move(name, start.left + dx, start.top + dy, nullptr);
        } else {
            // The dragged edges follow the grid; the others stay. A control
            // that refuses the size stays where it was.
            const Handle& h = kHandles[static_cast<std::size_t>(handle_)];
            int left = was.left, top = was.top;
            int right = was.left + was.width, bottom = was.top + was.height;
            if (h.left)
                left = std::min(FormEditor::OnGrid(left + dx), right - FormEditor::kGrid);
            if (h.right)
                right = std::max(FormEditor::OnGrid(right + dx), left + FormEditor::kGrid);
            if (h.top)
                top = std::min(FormEditor::OnGrid(top + dy), bottom - FormEditor::kGrid);
            if (h.bottom)
                bottom = std::max(FormEditor::OnGrid(bottom + dy), top + FormEditor::kGrid);
            if (view_->editor_.Resize(primary, right - left, bottom - top, nullptr) &&
                (left != was.left || top != was.top))
                view_->editor_.Move(primary, left, top, nullptr);
        }
        // Most steps of the mouse stay within one square of the grid.
        if (view_->editor_.Box(primary) != before)
            view_->AfterEdit();
    }

    void mouseReleaseEvent(QMouseEvent*) override { EndDrag(); }

    void hideEvent(QHideEvent*) override { EndDrag(); }

    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        const QPoint at = event->position().toPoint();
        if (event->button() == Qt::LeftButton && view_->editor_.ControlAt(at.x(), at.y()).empty())
            view_->EditForm();
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        const bool control = event->modifiers() & Qt::ControlModifier;
        const bool shift = event->modifiers() & Qt::ShiftModifier;
        if (control) {
            switch (event->key()) {
            case Qt::Key_Z: shift ? view_->Redo() : view_->Undo(); return;
            case Qt::Key_Y: view_->Redo(); return;
            case Qt::Key_C: view_->CopySelected(); return;
            case Qt::Key_V: view_->Paste(); return;
            default: QWidget::keyPressEvent(event); return;
            }
        }
        switch (event->key()) {
        case Qt::Key_Tab: view_->SelectNext(1); break;
        case Qt::Key_Backtab: view_->SelectNext(-1); break;
        case Qt::Key_Left: view_->Nudge(-1, 0); break;
        case Qt::Key_Right: view_->Nudge(1, 0); break;
        case Qt::Key_Up: view_->Nudge(0, -1); break;
        case Qt::Key_Down: view_->Nudge(0, 1); break;
        case Qt::Key_Delete: view_->DeleteSelected(); break;
        case Qt::Key_Escape: view_->Select({}); break;
        default: QWidget::keyPressEvent(event); return;
        }
    }

private:
    bool Selected(const std::string& name) const
    {
        const auto& s = view_->selection_;
        return !name.empty() && std::find(s.begin(), s.end(), name) != s.end();
    }
    std::optional<FormBox> SingleBox() const
    {
        return view_->selection_.size() == 1 ? view_->editor_.Box(view_->selection_.front()) : std::nullopt;
    }
    // A drag is one step to undo, however many squares it crossed.
    void EndDrag()
    {
        if (dragging_)
            view_->editor_.EndGesture();
        dragging_ = false;
    }

    DesignView* view_;
    const QBrush grid_;
    QPoint press_;
    std::vector<std::pair<std::string, FormBox>> starts_;  // the primary last
    int handle_ = -1;
    bool dragging_ = false;
};

DesignView::DesignView(Form& form, FormEditor& editor, std::string title)
    : form_(form), editor_(editor), title_(std::move(title))
{
    QWidget* window = win::WidgetOf(form_.Window());
    if (window == nullptr)
        return;
    pane_ = new DesignPane(this, window);
    // Shortcuts of the window: they work while the panel runs too.
    save_ = new QShortcut(QKeySequence::Save, window);
    QObject::connect(save_, &QShortcut::activated, [this] { Save(); });
    run_ = new QShortcut(QKeySequence(Qt::Key_F5), window);
    QObject::connect(run_, &QShortcut::activated, [this] { ToggleRunning(); });
    form_.OnQueryClose([this] { return MayClose(); });
}

DesignView::~DesignView()
{
    form_.OnQueryClose(nullptr);
    delete pane_;
    delete save_;
    delete run_;
}

DesignPane* DesignView::Drawn() const
{
    return static_cast<DesignPane*>(pane_.data());
}

void DesignView::Show()
{
    FormState& s = *form_.d_;
    if (pane_ == nullptr)
        return;
    ShowTitle();
    ShowTopLevel(form_.Window(), !s.shown, s.design.center);
    s.shown = true;
    Drawn()->Cover();
    pane_->show();
    pane_->setFocus();
}

void DesignView::Select(const std::string& name)
{
    selection_.clear();
    if (editor_.Box(name))
        selection_.push_back(name);
    if (pane_)
        pane_->update();
}

void DesignView::ToggleSelected(const std::string& name)
{
    const auto it = std::find(selection_.begin(), selection_.end(), name);
    if (it != selection_.end())
        selection_.erase(it);
    else if (editor_.Box(name))
        selection_.push_back(name);
    if (pane_)
        pane_->update();
}

void DesignView::SelectNext(int step)
{
    const std::vector<std::string> names = editor_.Names();
    if (names.empty() || editor_.Running())
        return;
    const auto at = std::find(names.begin(), names.end(), Selected());
    const long count = static_cast<long>(names.size());
    long i = at == names.end() ? (step > 0 ? -1 : 0) : at - names.begin();
    i = ((i + step) % count + count) % count;
    Select(names[static_cast<std::size_t>(i)]);
}

void DesignView::AfterEdit()
{
    // Controls an undo or a removal took away are no longer selected.
    std::erase_if(selection_, [this](const std::string& name) { return !editor_.Box(name); });
    ShowTitle();
    if (pane_)
        Drawn()->Cover();
}

void DesignView::ShowTitle()
{
    const char* mode = editor_.Running() ? " [running]" : editor_.Modified() ? " [design] *" : " [design]";
    SetWindowTextA(form_.Window(), (editor_.Caption() + mode).c_str());
}

void DesignView::Tell(const std::string& problem)
{
    MessageBoxA(form_.Window(), problem.c_str(), title_.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

void DesignView::Nudge(int dx, int dy)
{
    if (selection_.empty() || editor_.Running())
        return;
    editor_.BeginGesture();
    for (const std::string& name : selection_)
        if (const auto box = editor_.Box(name))
            editor_.Move(name, box->left + dx * FormEditor::kGrid, box->top + dy * FormEditor::kGrid, nullptr);
    editor_.EndGesture();
    AfterEdit();
}

void DesignView::DeleteSelected()
{
    if (selection_.empty() || editor_.Running())
        return;
    std::string reason;
    editor_.BeginGesture();
    for (const std::string& name : std::vector<std::string>(selection_))
        if (!editor_.Remove(name, &reason))
            Tell(reason);
    editor_.EndGesture();
    AfterEdit();
}

void DesignView::Undo()
{
    std::string reason;
    if (!editor_.Running() && editor_.Undo(&reason))
        AfterEdit();
}

void DesignView::Redo()
{
    std::string reason;
    if (!editor_.Running() && editor_.Redo(&reason))
        AfterEdit();
}

void DesignView::CopySelected()
{
    if (!selection_.empty())
        editor_.Copy(selection_);
}

void DesignView::Paste()
{
    if (editor_.Running() || !editor_.CanPaste())
        return;
    std::string reason;
    const std::vector<std::string> pasted = editor_.Paste(&reason);
    if (pasted.empty()) {
        Tell(reason);
    } else {
        selection_ = pasted;
        AfterEdit();
    }
}

void DesignView::Save()
{
    std::string reason;
    if (!editor_.Save(&reason))
        Tell(reason);
    ShowTitle();
}

void DesignView::ToggleRunning()
{
    if (editor_.Running()) {
        editor_.StopPanel();
        pane_->show();
        pane_->setFocus();
    } else {
        Select({});
        pane_->hide();
        editor_.StartPanel();
    }
    if (form_.IsOpen())
        AfterEdit();
}

void DesignView::ContextMenu(int x, int y)
{
    enum : UINT { kProperties = 1, kAdd, kFront, kBack, kFirstClass = 100 };
    const std::string selected = Selected();
    const bool onControl = !selected.empty();
    HMENU menu = CreatePopupMenu();
    if (onControl)
        AppendMenuA(menu, MF_STRING, kProperties, "Properties...");
    AppendMenuA(menu, MF_STRING, kAdd, "Add control");
    if (onControl) {
        AppendMenuA(menu, MF_STRING, kFront, "Bring to front");
        AppendMenuA(menu, MF_STRING, kBack, "Send to back");
    }
    POINT screen{x, y};
    ClientToScreen(form_.Window(), &screen);
    // Shown where the click was; answers the choice, 0 for none.
    const auto choose = [&](HMENU shown) {
        const auto chosen =
            TrackPopupMenu(shown, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0, form_.Window(), nullptr);
        DestroyMenu(shown);
        return static_cast<UINT>(chosen);
    };
    const UINT chosen = choose(menu);
    std::string reason;
    bool done = true;
    switch (chosen) {
    case kProperties: done = editor_.EditProperties(selected, form_.Window(), &reason); break;
    case kFront: done = editor_.BringToFront(selected, &reason); break;
    case kBack: done = editor_.SendToBack(selected, &reason); break;
    case kAdd: {
        // Every control class of the store, placed where the menu was asked.
        std::vector<std::string> classes;
        const RegistrationStore store = RegistrationStore::Open();
        for (const RegisteredClass& c : store.Classes())
            if (c.kind == ClassKind::Control)
                classes.push_back(c.hostName);
        for (Standard kind : {Standard::CommandButton, Standard::Label, Standard::TextBox})
            classes.push_back(StandardName(kind));
        HMENU list = CreatePopupMenu();
        for (std::size_t i = 0; i < classes.size(); ++i)
            AppendMenuA(list, MF_STRING, kFirstClass + i, classes[i].c_str());
        const UINT pick = choose(list);
        if (pick >= kFirstClass && pick - kFirstClass < classes.size()) {
            const std::string added = editor_.Add(classes[pick - kFirstClass], PixelsToTwips(x), PixelsToTwips(y), &reason);
            done = !added.empty();
            if (done)
                Select(added);
        }
        break;
    }
    default: break;
    }
    if (!done && !reason.empty())
        Tell(reason);
    AfterEdit();
}

void DesignView::EditForm()
{
    FormSettingsDialog settings;
    settings.caption = editor_.Caption();
    settings.width = editor_.ClientSize().cx;
    settings.height = editor_.ClientSize().cy;
    if (settings.DoModal(form_.Window()) != IDOK)
        return;
    // Caption and size together are one step to undo.
    editor_.BeginGesture();
    editor_.SetCaption(settings.caption);
    std::string reason;
    const bool sized = editor_.SetClientSize(settings.width, settings.height, &reason);
    editor_.EndGesture();
    if (!sized)
        Tell(reason);
    AfterEdit();
}

void DesignView::RunUntilClosed()
{
    FormState& s = *form_.d_;
    if (s.open)
        RunLoop([&s](std::function<void()> end) { s.loopEnds.push_back(std::move(end)); });
}

bool DesignView::MayClose()
{
    if (!editor_.Modified())
        return true;
    const std::string question = "Save the changes to " + form_.d_->design.file + "?";
    switch (MessageBoxA(form_.Window(), question.c_str(), title_.c_str(), MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES: {
        std::string reason;
        if (editor_.Save(&reason))
            return true;
        Tell(reason);
        return false;
    }
    case IDNO: return true;
    default: return false;
    }
}

}  // namespace nimbo::form

nimbo::DesignOutcome nimbo::DesignForm(Form& form, const DesignOptions& options, std::string* reason)
{
    FormEditor editor(form);
    if (!editor.Ready(reason))
        return DesignOutcome::CannotOpen;
    form::DesignView view(form, editor, options.title);
    if (!options.select.empty() && !editor.Box(options.select)) {
        if (reason)
            *reason = "no control " + options.select + " on form " + form.Name();
        return DesignOutcome::NoSuchControl;
    }
    view.Select(options.select);
    view.Show();
    if (!options.screenshot.empty()) {
        RunEventLoop(options.afterMs);
        const bool saved = form.SaveScreenshot(options.screenshot);
        form.Close();
        if (!saved && reason)
            *reason = "cannot write screenshot " + options.screenshot;
        return saved ? DesignOutcome::Closed : DesignOutcome::PictureNotWritten;
    }
    view.RunUntilClosed();
    return DesignOutcome::Closed;
}
