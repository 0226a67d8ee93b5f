// A dialog's life: its window made from the template, modal or modeless,
// the standard buttons, and the end.
#include "platform/dialog.h"
#include "platform/window/win_table_qt.h"
#include "platform/scripting.h"

#include <QGuiApplication>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>

namespace {

std::function<void(CDialog&)>& Driver()
{
    static auto* driver = new std::function<void(CDialog&)>;
    return *driver;
}

// The top-left corner that keeps a window of `size` whole on `screen`,
// moving it as little as it can; one larger than the screen keeps its
// top-left corner (and its caption) on it.
QPoint KeptOn(const QRect& screen, QPoint topLeft, const QSize& size)
{
    topLeft.setX(std::max(screen.left(), std::min(topLeft.x(), screen.left() + screen.width() - size.width())));
    topLeft.setY(std::max(screen.top(), std::min(topLeft.y(), screen.top() + screen.height() - size.height())));
    return topLeft;
}

// Centred over its owner, yet whole on the screen that shows the owner: an
// owner smaller than the dialog, or near an edge, would push it off.
void CentreOver(QWidget* dialog, HWND owner)
{
    QWidget* over = owner ? nimbo::win::WidgetOf(owner) : nullptr;
    QScreen* screen = over ? over->window()->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    const QRect area = over ? over->window()->frameGeometry() : available;
    if (area.isValid()) {
        QPoint topLeft = area.center() - QPoint(dialog->width() / 2, dialog->height() / 2);
        if (available.isValid())
            topLeft = KeptOn(available, topLeft, dialog->frameGeometry().size());
        dialog->move(topLeft);
    }
    // Stacked above its owner, as an owned window is.
    if (over && !nimbo::IsHeadless()) {
        dialog->winId();
        over->window()->winId();
        if (QWindow* own = dialog->windowHandle())
            own->setTransientParent(over->window()->windowHandle());
    }
}

// Enter presses the default button, Escape cancels, as a dialog's keys do;
// the same for keys pressed by nimbo::PressKey.
void AddKeys(QWidget* dialog, HWND window, int defaultId)
{
    auto take = [window, defaultId](WPARAM key) {
        const int id = key == VK_ESCAPE ? IDCANCEL : defaultId;
        if (IsWindow(window))
            SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    };
    if (nimbo::win::WindowRecord* record = nimbo::win::Find(window))
        record->dialogKey = take;
    for (int key : {Qt::Key_Return, Qt::Key_Enter})
        QObject::connect(new QShortcut(QKeySequence(key), dialog), &QShortcut::activated, dialog,
                         [take] { take(VK_RETURN); });
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_Escape), dialog), &QShortcut::activated, dialog,
                     [take] { take(VK_ESCAPE); });
}

// A person cannot resize a dialog; without one there is nobody to stop,
// and the offscreen platform complains of size hints it cannot pass on.
void FixSize(QWidget* window, int cx, int cy)
{
    if (nimbo::IsHeadless())
        window->resize(cx, cy);
    else
        window->setFixedSize(cx, cy);
}

}  // namespace

void nimbo::SetDialogDriver(std::function<void(CDialog&)> driver)
{
    Driver() = std::move(driver);
}

CDialog::CDialog(HINSTANCE module, UINT templateId) : module_(module), templateId_(templateId) {}

CDialog::CDialog(DialogTemplate dialogTemplate) : own_(std::make_unique<DialogTemplate>(std::move(dialogTemplate))) {}

// The window goes while this object is whole: its items' objects must
// outlive their windows.
CDialog::~CDialog()
{
    Cleanup();
}

void CDialog::Cleanup()
{
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
    byId_.clear();
    items_.clear();
}

const DialogTemplate* CDialog::Template() const
{
    return own_ ? own_.get() : nimbo::FindDialogResource(module_, templateId_);
}

bool CDialog::Build(HWND parent, bool child, bool modal, int x, int y)
{
    const DialogTemplate* t = Template();
    if (!t || (m_hWnd && IsWindow(m_hWnd)) || (child && !IsWindow(parent)))
        return false;
    Cleanup();
    font_.DeleteObject();
    font_.CreatePointFont(t->fontPoints * 10, t->fontFace.c_str());
    const SIZE size = nimbo::DialogPixelSize(*t);
    if (!CreateWindowed(child ? parent : 0, RECT{x, y, x + size.cx, y + size.cy}, t->caption))
        return false;
    QWidget* widget = nimbo::win::WidgetOf(m_hWnd);
    const HWND self = m_hWnd;
    if (!child) {
        // Shown once its fields are filled, as WM_INITDIALOG comes first.
        widget->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
        widget->hide();
        FixSize(widget, size.cx, size.cy);
        if (modal)
            widget->setWindowModality(Qt::ApplicationModal);
        int defaultId = IDOK;
        for (auto it = t->items.rbegin(); it != t->items.rend(); ++it)
            if (it->kind == DialogItem::DefPushButton)
                defaultId = static_cast<int>(it->id);
        AddKeys(widget, self, defaultId);
    }
    modal_ = modal;
    for (const DialogItem& item : t->items)
        AddItem(item);
    OnInitDialog();
    // OnInitDialog may have ended the dialog already.
    if (!child && IsWindow(self) && m_hWnd == self) {
        CentreOver(widget, parent);
        widget->show();
        if (!nimbo::IsHeadless()) {
            widget->raise();
            widget->activateWindow();
        }
    }
    return true;
}

INT_PTR CDialog::DoModal(HWND owner)
{
    const DialogTemplate* t = Template();
    if (!t)
        return -1;
    const std::function<void(CDialog&)> driver = Driver();
    if (!driver && nimbo::IsHeadless()) {
        std::fprintf(stderr, "dialog %s: cancelled (no display)\n", t->caption.c_str());
        std::fflush(stderr);
        return IDCANCEL;
    }
    if (!Build(owner, false, true, 0, 0))
        return -1;
    const HWND self = m_hWnd;
    if (driver && IsWindow(self))
        QTimer::singleShot(0, nimbo::win::WidgetOf(self), [this, self, driver] {
            if (IsWindow(self) && m_hWnd == self)
                driver(*this);
        });
    const int result = nimbo::RunModalLoop(self);
    modal_ = false;
    Cleanup();
    return result;
}

bool CDialog::Create(HWND owner)
{
    return Build(owner, false, false, 0, 0);
}

bool CDialog::CreateChild(HWND parent, int x, int y)
{
    return Build(parent, true, false, x, y);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

// A modeless dialog has no loop to end: it goes.
void CDialog::EndDialog(int result)
{
    if (!m_hWnd)
        return;
    if (modal_)
        nimbo::EndModalLoop(m_hWnd, result);
    else
        ::DestroyWindow(m_hWnd);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM)
{
    if (HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK:
        OnOK();
        return TRUE;
    case IDCANCEL:
        OnCancel();
        return TRUE;
    default:
        return FALSE;
    }
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const CUserException&) {
        lastFailed_ = dx.m_idLastControl;
        return FALSE;
    }
    if (saveAndValidate)
        lastFailed_ = 0;
    return TRUE;
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        OnCommand(wParam, lParam);
        return 0;
    case WM_CLOSE:
        // The frame's close box is Cancel.
        OnCancel();
        return 0;
    default:
        return DefWindowProc(message, wParam, lParam);
    }
}

std::string CDialog::FrameCaption() const
{
    HWND top = m_hWnd;
    while (HWND parent = GetParent(top))
        top = parent;
    char text[256] = "";
    GetWindowTextA(top, text, sizeof text);
    if (!text[0])
        if (const DialogTemplate* t = Template())
            return t->caption;
    return text;
}

void CDialog::MapDialogRect(RECT* rect) const
{
    if (const DialogTemplate* t = Template(); t && rect)
        *rect = nimbo::DialogUnitsToPixels(*t, *rect);
}

void CDialog::SetClientSize(int cx, int cy)
{
    QWidget* widget = nimbo::win::WidgetOf(m_hWnd);
    if (!widget)
        return;
    if (widget->isWindow())
        FixSize(widget, cx, cy);
    else
        widget->resize(cx, cy);
}
