// Windows and messages under the names the controls were written against.
// A window is a CWnd object behind a 32-bit handle; messages sent to it run
// its WindowProc before the send returns, posted ones go through the event
// loop. One table of windows per process, kept by the platform library.
#pragma once

#include "platform/export.h"
#include "platform/windef.h"

#include <cstdint>
#include <string>

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
constexpr UINT WM_SETTEXT = 0x000C;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_ERASEBKGND = 0x0014;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_TIMER = 0x0113;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_USER = 0x0400;

constexpr int GWL_USERDATA = -21;

constexpr UINT MB_OK = 0x00000000;
constexpr UINT MB_OKCANCEL = 0x00000001;
constexpr UINT MB_YESNO = 0x00000004;
constexpr UINT MB_ICONHAND = 0x00000010;
constexpr UINT MB_ICONQUESTION = 0x00000020;
constexpr UINT MB_ICONEXCLAMATION = 0x00000030;
constexpr UINT MB_ICONINFORMATION = 0x00000040;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

inline WORD LOWORD(LPARAM v) { return static_cast<WORD>(v & 0xFFFF); }
inline WORD HIWORD(LPARAM v) { return static_cast<WORD>((v >> 16) & 0xFFFF); }
inline LPARAM MAKELPARAM(int lo, int hi) { return static_cast<LPARAM>((static_cast<DWORD>(hi & 0xFFFF) << 16) | (lo & 0xFFFF)); }

// A window. Derived classes handle messages in WindowProc and pass the rest
// to DefWindowProc. The object outlives its window only if the owner says so.
class NIMBO_PLATFORM_API CWnd {
public:
    CWnd();
    virtual ~CWnd();

    // Creates the window as a child of parent (0: a top-level window), at
    // rect in the parent's client coordinates. WM_CREATE runs inside; when
    // it answers -1 the window is destroyed again and false is returned.
    bool CreateWindowed(HWND parent, const RECT& rect, const std::string& text = {});
    void DestroyWindow();

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // The window's handle, 0 before creation and after destruction.
    HWND m_hWnd = 0;
    HWND GetSafeHwnd() const { return m_hWnd; }
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

namespace nimbo {

// Runs the event loop for a while (posted messages, timers, painting);
// ms < 0 runs until QuitEventLoop.
NIMBO_PLATFORM_API void RunEventLoop(int milliseconds);
NIMBO_PLATFORM_API void QuitEventLoop(int code);

// What message boxes said while no one could answer them (no display):
// each box writes its text to standard error, answers its default button
// and leaves the text here for tests.
NIMBO_PLATFORM_API const std::string& LastMessageBoxText();
NIMBO_PLATFORM_API int MessageBoxCount();

}  // namespace nimbo
