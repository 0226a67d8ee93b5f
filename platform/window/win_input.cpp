// Keys and mouse buttons as messages. A key press is WM_KEYDOWN with the
// virtual key, then WM_CHAR for each character it types, as Win32's
// TranslateMessage makes them; the native control does the key's work
// only when they reach DefWindowProc. Controls that answer WM_GETDLGCODE
// with 0 (the default) leave their keys to Qt untouched.
#include "platform/window/win_input_qt.h"
#include "platform/window/win_table_qt.h"

#include <QApplication>

namespace nimbo::win {
namespace {

struct NamedKey {
    int qt;
    WPARAM vk;
    char32_t typed;  // what WM_CHAR says for it, 0: nothing
};

// Letters and digits have the same codes in both.
constexpr NamedKey kNamedKeys[] = {
    {Qt::Key_Backspace, 0x08, U'\b'}, {Qt::Key_Tab, VK_TAB, U'\t'},   {Qt::Key_Backtab, VK_TAB, 0},
    {Qt::Key_Return, VK_RETURN, U'\r'}, {Qt::Key_Enter, VK_RETURN, U'\r'}, {Qt::Key_Escape, VK_ESCAPE, 0x1B},
    {Qt::Key_Space, 0x20, U' '},      {Qt::Key_PageUp, 0x21, 0},      {Qt::Key_PageDown, 0x22, 0},
    {Qt::Key_End, 0x23, 0},           {Qt::Key_Home, 0x24, 0},        {Qt::Key_Left, 0x25, 0},
    {Qt::Key_Up, 0x26, 0},            {Qt::Key_Right, 0x27, 0},       {Qt::Key_Down, 0x28, 0},
    {Qt::Key_Insert, 0x2D, 0},        {Qt::Key_Delete, 0x2E, 0},
};
constexpr WPARAM kF1 = 0x70;

bool Alphanumeric(int key)
{
    return (key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z);
}

WPARAM VirtualKeyOf(int key)
{
    if (Alphanumeric(key))
        return static_cast<WPARAM>(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return kF1 + static_cast<WPARAM>(key - Qt::Key_F1);
    for (const NamedKey& k : kNamedKeys)
        if (k.qt == key)
            return k.vk;
    return 0;
}

int QtKeyOf(WPARAM vk)
{
    if (Alphanumeric(static_cast<int>(vk)))
        return static_cast<int>(vk);
    if (vk >= kF1 && vk < kF1 + 24)
        return Qt::Key_F1 + static_cast<int>(vk - kF1);
    for (const NamedKey& k : kNamedKeys)
        if (k.vk == vk)
            return k.qt;
    return 0;
}

char32_t TypedBy(WPARAM vk)
{
    if (vk >= 'A' && vk <= 'Z')
        return static_cast<char32_t>(vk - 'A' + 'a');
    if (vk >= '0' && vk <= '9')
        return static_cast<char32_t>(vk);
    for (const NamedKey& k : kNamedKeys)
        if (k.vk == vk)
            return k.typed;
    return 0;
}

bool DialogKey(WPARAM vk)
{
    return vk == VK_RETURN || vk == VK_ESCAPE || vk == VK_TAB;
}

bool Claims(LRESULT code, WPARAM vk)
{
    return (code & DLGC_WANTALLKEYS) || (vk == VK_TAB && (code & DLGC_WANTTAB));
}

// The real key being turned into messages, for DefWindowProc to hand on.
struct Dispatching {
    HWND window;
    const QKeyEvent* event;
    Dispatching* outer;
};
Dispatching* current = nullptr;

void SendKey(HWND window, WPARAM vk, const std::u32string& typed, const QKeyEvent* real)
{
    Dispatching dispatching{window, real, current};
    current = &dispatching;
    const LPARAM keyData = real && real->isAutoRepeat() ? (LPARAM{1} << 30) | 1 : 1;
    if (vk)
        SendMessageA(window, WM_KEYDOWN, vk, keyData);
    else
        NativeDefault(window, WM_KEYDOWN, 0, keyData);
    for (char32_t c : typed) {
        if (!IsWindow(window))
            break;
        SendMessageA(window, WM_CHAR, c, keyData);
    }
    current = dispatching.outer;
}

// The next field in the focus chain of the window's top-level window.
bool FocusNextField(HWND window)
{
    QWidget* from = FocusTargetOf(window);
    if (!from)
        return false;
    QWidget* top = from->window();
    for (QWidget* w = from->nextInFocusChain(); w && w != from; w = w->nextInFocusChain()) {
        if (w->window() == top && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(top)) {
            GiveFocus(w, Qt::TabFocusReason);
            return true;
        }
    }
    return false;
}

// Enter and Escape go to the nearest dialog around the window, Tab to the
// next field.
bool DialogTakes(HWND window, WPARAM vk)
{
    if (vk == VK_TAB)
        return FocusNextField(window);
    for (HWND w = window; w; w = GetParent(w)) {
        WindowRecord* record = Find(w);
        if (record && record->dialogKey) {
            const std::function<void(WPARAM)> take = record->dialogKey;
            take(vk);
            return true;
        }
    }
    return false;
}

}  // namespace

void NativeDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    WindowRecord* record = Find(window);
    if (auto* native = record ? dynamic_cast<NativeControl*>(record->native.data()) : nullptr)
        native->Default(window, message, wParam, lParam);
}

// Qt asks the focus widget with ShortcutOverride before a shortcut (the
// dialog's Enter and Escape) may take a key; accepting it keeps the key.
bool TakeKey(QWidget* receiver, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    if (receiver != QApplication::focusWidget())
        return false;  // passed up from a child that did not want it
    const HWND window = HandleOf(receiver);
    if (!window)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const WPARAM vk = VirtualKeyOf(key->key());
    const LRESULT code = SendMessageA(window, WM_GETDLGCODE, vk, 0);
    if (!code || !IsWindow(window))
        return false;
    const bool claimed = Claims(code, vk);
    if (event->type() == QEvent::ShortcutOverride) {
        if (!DialogKey(vk) || !claimed)
            return false;
        event->accept();
        return true;
    }
    if (DialogKey(vk) && !claimed) {
        if (vk == VK_TAB)
            return false;  // the native widget moves on to the next field
        if (DialogTakes(window, vk)) {
            event->accept();
            return true;
        }
    }
    SendKey(window, vk, key->text().toStdU32String(), key);
    event->accept();
    return true;
}

std::unique_ptr<QKeyEvent> KeyForDefault(HWND window, UINT message, WPARAM wParam)
{
    const QKeyEvent* real = current && current->window == window ? current->event : nullptr;
    if (message == WM_KEYDOWN) {
        if (real && VirtualKeyOf(real->key()) == wParam)
            return std::make_unique<QKeyEvent>(QEvent::KeyPress, real->key(), real->modifiers(),
                                               real->nativeScanCode(), real->nativeVirtualKey(),
                                               real->nativeModifiers(), QString(), real->isAutoRepeat(),
                                               real->count());
        const int key = QtKeyOf(wParam);
        return key ? std::make_unique<QKeyEvent>(QEvent::KeyPress, key, Qt::NoModifier) : nullptr;
    }
    if (message == WM_CHAR && wParam) {
        // No key code: the native widget types the character and does
        // nothing else, the key's work having been done on WM_KEYDOWN.
        const auto c = static_cast<char32_t>(wParam);
        return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_unknown,
                                           real ? real->modifiers() : Qt::NoModifier, QString::fromUcs4(&c, 1));
    }
    return nullptr;
}

UINT ButtonMessage(const QMouseEvent* event)
{
    const bool twice = event->type() == QEvent::MouseButtonDblClick;
    if (!twice && event->type() != QEvent::MouseButtonPress)
        return 0;
    switch (event->button()) {
    case Qt::LeftButton:
        return twice ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN;
    case Qt::RightButton:
        return twice ? WM_RBUTTONDBLCLK : WM_RBUTTONDOWN;
    case Qt::MiddleButton:
        return WM_MBUTTONDOWN;
    default:
        return 0;
    }
}

WPARAM MouseKeyState(const QMouseEvent* event)
{
    WPARAM state = 0;
    const Qt::MouseButtons buttons = event->buttons();
    if (buttons & Qt::LeftButton)
        state |= MK_LBUTTON;
    if (buttons & Qt::RightButton)
        state |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton)
        state |= MK_MBUTTON;
    if (event->modifiers() & Qt::ShiftModifier)
        state |= MK_SHIFT;
    if (event->modifiers() & Qt::ControlModifier)
        state |= MK_CONTROL;
    return state;
}

}  // namespace nimbo::win

bool nimbo::PressKey(HWND window, WPARAM virtualKey)
{
    using namespace nimbo::win;
    if (!IsWindow(window) || !IsWindowEnabled(window))
        return false;
    const LRESULT code = SendMessageA(window, WM_GETDLGCODE, virtualKey, 0);
    if (!IsWindow(window))
        return false;
    if (DialogKey(virtualKey) && !Claims(code, virtualKey) && DialogTakes(window, virtualKey))
        return true;
    const char32_t typed = TypedBy(virtualKey);
    SendKey(window, virtualKey, typed ? std::u32string(1, typed) : std::u32string(), nullptr);
    return true;
}
