// Windows and messages under the names the controls were written against.
// A window is a CWnd object behind a 32-bit handle; messages sent to it run
// its WindowProc before the send returns, posted ones go through the event
// loop. One table of windows per process, kept by the platform library.
#pragma once

#include "platform/export.h"
#include "platform/windef.h"

#include "platform/pixels.h"

#include <cstdint>
#include <string>
#include <vector>

using HWND = std::uint32_t;  // 0 is no window
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using LONG_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using COLORREF = DWORD;

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};
struct POINT {
    LONG x;
    LONG y;
};
struct SIZE {
    LONG cx;
    LONG cy;
};

constexpr UINT WM_NULL = 0x0000;
constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_MOVE = 0x0003;
constexpr UINT WM_SIZE = 0x0005;
constexpr UINT WM_SETFOCUS = 0x0007;   // wParam: the window that lost the focus, or 0
constexpr UINT WM_KILLFOCUS = 0x0008;  // wParam: the window that takes it, or 0
constexpr UINT WM_SETTEXT = 0x000C;
constexpr UINT WM_GETTEXT = 0x000D;
constexpr UINT WM_GETTEXTLENGTH = 0x000E;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_ERASEBKGND = 0x0014;
// Asked of a control before the dialog manager takes a key for itself
// (Enter for the default button, Escape for Cancel, Tab to move on).
constexpr UINT WM_GETDLGCODE = 0x0087;
constexpr UINT WM_KEYDOWN = 0x0100;  // wParam: the virtual key
constexpr UINT WM_CHAR = 0x0102;     // wParam: the character
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_TIMER = 0x0113;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_RBUTTONDBLCLK = 0x0206;
constexpr UINT WM_MBUTTONDOWN = 0x0207;
constexpr UINT WM_MBUTTONUP = 0x0208;
constexpr UINT WM_USER = 0x0400;

constexpr int GWL_USERDATA = -21;

// What WM_GETDLGCODE answers: DLGC_WANTALLKEYS has every key reach the
// control as WM_KEYDOWN, Enter, Escape and Tab included.
constexpr LRESULT DLGC_WANTARROWS = 0x0001;
constexpr LRESULT DLGC_WANTTAB = 0x0002;
constexpr LRESULT DLGC_WANTALLKEYS = 0x0004;
constexpr LRESULT DLGC_WANTCHARS = 0x0080;

// Virtual keys.
constexpr WPARAM VK_TAB = 0x09;
constexpr WPARAM VK_RETURN = 0x0D;
constexpr WPARAM VK_ESCAPE = 0x1B;

// Key and button state in the wParam of mouse messages.
constexpr WPARAM MK_LBUTTON = 0x0001;
constexpr WPARAM MK_RBUTTON = 0x0002;
constexpr WPARAM MK_SHIFT = 0x0004;
constexpr WPARAM MK_CONTROL = 0x0008;
constexpr WPARAM MK_MBUTTON = 0x0010;

constexpr WPARAM SIZE_RESTORED = 0;

constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOW = 5;
constexpr int SW_SHOWNA = 8;

constexpr UINT MB_OK = 0x00000000;
constexpr UINT MB_OKCANCEL = 0x00000001;
constexpr UINT MB_ABORTRETRYIGNORE = 0x00000002;
constexpr UINT MB_YESNOCANCEL = 0x00000003;
constexpr UINT MB_YESNO = 0x00000004;
constexpr UINT MB_RETRYCANCEL = 0x00000005;
constexpr UINT MB_ICONHAND = 0x00000010;
constexpr UINT MB_ICONQUESTION = 0x00000020;
constexpr UINT MB_ICONEXCLAMATION = 0x00000030;
constexpr UINT MB_ICONINFORMATION = 0x00000040;
constexpr UINT MB_ICONSTOP = MB_ICONHAND;
constexpr UINT MB_ICONERROR = MB_ICONHAND;
constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
constexpr UINT MB_ICONASTERISK = MB_ICONINFORMATION;
constexpr UINT MB_DEFBUTTON1 = 0x00000000;
constexpr UINT MB_DEFBUTTON2 = 0x00000100;
constexpr UINT MB_DEFBUTTON3 = 0x00000200;
constexpr UINT MB_TYPEMASK = 0x0000000F;
constexpr UINT MB_ICONMASK = 0x000000F0;
constexpr UINT MB_DEFMASK = 0x00000F00;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

inline WORD LOWORD(LPARAM v) { return static_cast<WORD>(v & 0xFFFF); }
inline WORD HIWORD(LPARAM v) { return static_cast<WORD>((v >> 16) & 0xFFFF); }
inline LPARAM MAKELPARAM(int lo, int hi) { return static_cast<LPARAM>((static_cast<DWORD>(hi & 0xFFFF) << 16) | (lo & 0xFFFF)); }
// Mouse positions are signed: a drag that leaves the window goes negative.
inline int GET_X_LPARAM(LPARAM v) { return static_cast<SHORT>(LOWORD(v)); }
inline int GET_Y_LPARAM(LPARAM v) { return static_cast<SHORT>(HIWORD(v)); }

// What WM_CREATE points its lParam at.
struct CREATESTRUCTA {
    LPVOID lpCreateParams;
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    const char* lpszName;
};

// A window. Derived classes handle messages in WindowProc and pass the rest
// to DefWindowProc. The object outlives its window only if the owner says so.
class NIMBO_PLATFORM_API CWnd {
public:
    CWnd();
    virtual ~CWnd();

    // Creates the window as a child of parent (0: a top-level window), at
    // rect in the parent's client coordinates. WM_CREATE runs inside; when
    // it answers -1 the window is destroyed again and false is returned.
    // Windows are visible from creation on, top-level ones too.
    bool CreateWindowed(HWND parent, const RECT& rect, const std::string& text = {});
    void DestroyWindow();

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // The window's handle, 0 before creation and after destruction.
    HWND m_hWnd = 0;
    HWND GetSafeHwnd() const { return m_hWnd; }

    // What DefWindowProc fills the client area with on WM_ERASEBKGND: the
    // 3-D face grey, RGB(192,192,192), unless the window says otherwise.
    COLORREF m_background = 0x00C0C0C0;
};

NIMBO_PLATFORM_API LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
NIMBO_PLATFORM_API BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
NIMBO_PLATFORM_API BOOL IsWindow(HWND window);
NIMBO_PLATFORM_API CWnd* FromHandle(HWND window);
NIMBO_PLATFORM_API LONG_PTR GetWindowLongA(HWND window, int index);
NIMBO_PLATFORM_API LONG_PTR SetWindowLongA(HWND window, int index, LONG_PTR value);
NIMBO_PLATFORM_API int GetWindowTextA(HWND window, char* text, int maxCount);
NIMBO_PLATFORM_API BOOL SetWindowTextA(HWND window, const char* text);
NIMBO_PLATFORM_API BOOL GetWindowRect(HWND window, RECT* rect);   // screen coordinates
NIMBO_PLATFORM_API BOOL GetClientRect(HWND window, RECT* rect);
NIMBO_PLATFORM_API BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
NIMBO_PLATFORM_API BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);  // null: whole window
NIMBO_PLATFORM_API BOOL UpdateWindow(HWND window);  // paints what is invalid now
NIMBO_PLATFORM_API BOOL ShowWindow(HWND window, int show);
NIMBO_PLATFORM_API UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT milliseconds, void* unused);
NIMBO_PLATFORM_API BOOL KillTimer(HWND window, UINT_PTR id);
NIMBO_PLATFORM_API int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type);
// WM_DESTROY goes to the window, then to its children; then all of them
// stop being windows and their timers stop.
NIMBO_PLATFORM_API BOOL DestroyWindow(HWND window);
NIMBO_PLATFORM_API HWND GetParent(HWND window);
NIMBO_PLATFORM_API BOOL IsWindowVisible(HWND window);
NIMBO_PLATFORM_API BOOL EnableWindow(HWND window, BOOL enable);  // answers whether it was disabled
NIMBO_PLATFORM_API BOOL IsWindowEnabled(HWND window);
NIMBO_PLATFORM_API BOOL ClientToScreen(HWND window, POINT* point);
// The keyboard focus: the window that has it (0 when none of ours), and
// giving it to a window, which hears WM_SETFOCUS after the one that had it
// heard WM_KILLFOCUS. Answers the window that had it.
NIMBO_PLATFORM_API HWND GetFocus();
NIMBO_PLATFORM_API HWND SetFocus(HWND window);
NIMBO_PLATFORM_API BOOL ScreenToClient(HWND window, POINT* point);

namespace nimbo {

// Runs the event loop for a while (posted messages, timers, painting);
// ms < 0 runs until QuitEventLoop.
// QuitEventLoop ends the innermost open-ended loop; asked while none runs,
// it ends the next one at once, as a queued WM_QUIT would. Loops nest.
NIMBO_PLATFORM_API void RunEventLoop(int milliseconds);
NIMBO_PLATFORM_API void QuitEventLoop(int code);

// True when nothing can be shown to a person (the offscreen platform).
// Programs started with no display are switched to it before the first
// window, so they run the same, unseen.
NIMBO_PLATFORM_API bool IsHeadless();

// A dialog's own loop: runs the event loop until EndModalLoop is called for
// the window, and answers the result given there, or -1 when the window was
// destroyed instead. Other windows and their timers keep running meanwhile.
NIMBO_PLATFORM_API int RunModalLoop(HWND window);
NIMBO_PLATFORM_API void EndModalLoop(HWND window, int result);
// True once EndModalLoop was called for the window and its loop has not
// returned yet: the dialog is closing.
NIMBO_PLATFORM_API bool ModalLoopEnding(HWND window);

// The window with that control id under root (its children, theirs, and so
// on), a visible one before a hidden one; 0 when there is none.
NIMBO_PLATFORM_API HWND FindDescendant(HWND root, int id);

// A key pressed while window has the focus, as the dialog manager routes
// it: a control that answers WM_GETDLGCODE with DLGC_WANTALLKEYS (or, for
// Tab, DLGC_WANTTAB) hears it as WM_KEYDOWN, and its default handling is
// the native control's; otherwise the dialog around it takes Enter (the
// default button), Escape (Cancel) and Tab (the next field). Answers
// whether anyone took the key.
NIMBO_PLATFORM_API bool PressKey(HWND window, WPARAM virtualKey);

// The window's client area with its children as drawn now.
NIMBO_PLATFORM_API bool SaveWindowPng(HWND window, const std::string& path);
NIMBO_PLATFORM_API Pixels GrabWindowPixels(HWND window);

}  // namespace nimbo
