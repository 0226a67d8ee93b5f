// What every standard control does: its window, its text, its font, and
// telling its parent.
#include "platform/controls/ctl_host_qt.h"

#include "platform/window/gdi_qt.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

using namespace nimbo::ctl;

namespace {

// A static shows "&File" as "File" (the underline is not drawn) and "&&"
// as "&".
QString WithoutMnemonics(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        out += text[i];
    }
    return out;
}

}  // namespace

bool CControlWnd::CreateControl(HWND parent, const RECT& rect, UINT id, const std::string& text, int kind)
{
    // A control lives in a dialog or a form: alone it would be a window of
    // its own with a title bar, which nobody means.
    if (!parent || !IsWindow(parent))
        return false;
    id_ = id;
    kind_ = kind;
    return CreateWindowed(parent, rect, text);
}

void CControlWnd::SetFont(CFont* font)
{
    QWidget* native = NativeWidget(m_hWnd);
    auto* data = nimbo::DCAccess::Data<nimbo::FontData>(font);
    if (native && data)
        native->setFont(data->font);
}

// Nothing of this object is touched after the parent has heard: its
// handler may have destroyed the control (a button that closes its form).
void CControlWnd::Notify(WORD code)
{
    const HWND self = m_hWnd;
    const HWND parent = GetParent(self);
    const UINT id = id_;
    if (!parent)
        return;
    nimbo::win::DispatchGuard guard;
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(static_cast<int>(id), code), static_cast<LPARAM>(self));
}

LRESULT CControlWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        if (QWidget* native = NativeWidget(m_hWnd))
            native->setGeometry(0, 0, LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_ERASEBKGND:
        // A static's window is see-through: the parent's background stays.
        if (kind_ == kStatic)
            return 1;
        break;
    case WM_SETTEXT: {
        const LRESULT stored = DefWindowProc(message, wParam, lParam);
        const QString text = QString::fromUtf8(lParam ? reinterpret_cast<const char*>(lParam) : "");
        if (auto* label = Native<QLabel>(m_hWnd))
            label->setText(WithoutMnemonics(text));
        else if (auto* button = Native<QAbstractButton>(m_hWnd))
            button->setText(text);
        else if (auto* edit = Native<QLineEdit>(m_hWnd)) {
            // Setting an edit's text is a change even when the text stays
            // the same; Qt reports only real ones.
            if (edit->text() != text)
                edit->setText(text);
            else
                Notify(EN_CHANGE);
        } else if (auto* lines = Native<QPlainTextEdit>(m_hWnd)) {
            // Quietly, so the text stored above stays as it was given.
            {
                const QSignalBlocker quiet(lines);
                lines->setPlainText(FromWindowsLines(lParam ? reinterpret_cast<const char*>(lParam) : ""));
            }
            Notify(EN_CHANGE);
        }
        return stored;
    }
    default:
        break;
    }
    return DefWindowProc(message, wParam, lParam);
}

HWND GetDlgItem(HWND parent, int id)
{
    for (HWND child : nimbo::win::ChildrenOf(parent))
        if (auto* control = ControlOf<CControlWnd>(child); control && static_cast<int>(control->GetDlgCtrlID()) == id)
            return child;
    return 0;
}

BOOL SetDlgItemTextA(HWND parent, int id, const char* text)
{
    const HWND item = GetDlgItem(parent, id);
    return item ? SetWindowTextA(item, text) : FALSE;
}

UINT GetDlgItemTextA(HWND parent, int id, char* text, int maxCount)
{
    if (!text || maxCount <= 0)
        return 0;
    text[0] = '\0';
    const HWND item = GetDlgItem(parent, id);
    return item ? static_cast<UINT>(GetWindowTextA(item, text, maxCount)) : 0;
}

namespace {

// Depth first, the first visible one found, else the first hidden one.
void Search(HWND parent, int id, QWidget* root, HWND* visible, HWND* hidden)
{
    for (HWND child : nimbo::win::ChildrenOf(parent)) {
        if (*visible)
            return;
        auto* control = ControlOf<CControlWnd>(child);
        if (control && static_cast<int>(control->GetDlgCtrlID()) == id) {
            QWidget* widget = nimbo::win::WidgetOf(child);
            if (widget && widget->isVisibleTo(root)) {
                *visible = child;
                return;
            }
            if (!*hidden)
                *hidden = child;
        }
        Search(child, id, root, visible, hidden);
    }
}

}  // namespace

// Visible as seen from root: a dialog not shown yet still tells its shown
// lists from its hidden ones.
HWND nimbo::FindDescendant(HWND root, int id)
{
    QWidget* rootWidget = nimbo::win::WidgetOf(root);
    if (!rootWidget)
        return 0;
    HWND visible = 0;
    HWND hidden = 0;
    Search(root, id, rootWidget, &visible, &hidden);
    return visible ? visible : hidden;
}
