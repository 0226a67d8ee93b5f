// Drawing under the names the controls were written against: colours in
// GDI byte order, brushes, pens, fonts, bitmaps, icons and device contexts.
// Everything is drawn pixel-exact, without antialiasing or smooth scaling,
// so that what a control draws can be compared pixel for pixel.
#pragma once

#include "platform/export.h"
#include "platform/pixels.h"
#include "platform/resources.h"
#include "platform/windef.h"
#include "platform/winuser.h"

#include <memory>
#include <string>
#include <vector>

// ---- colours ---------------------------------------------------------------

// 0x00BBGGRR, red in the low byte as GDI has it.
constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b)
{
    return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) | (static_cast<COLORREF>(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c) { return static_cast<BYTE>(c & 0xFF); }
constexpr BYTE GetGValue(COLORREF c) { return static_cast<BYTE>((c >> 8) & 0xFF); }
constexpr BYTE GetBValue(COLORREF c) { return static_cast<BYTE>((c >> 16) & 0xFF); }
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

constexpr int COLOR_SCROLLBAR = 0;
constexpr int COLOR_BACKGROUND = 1;
constexpr int COLOR_ACTIVECAPTION = 2;
constexpr int COLOR_INACTIVECAPTION = 3;
constexpr int COLOR_MENU = 4;
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWFRAME = 6;
constexpr int COLOR_MENUTEXT = 7;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_CAPTIONTEXT = 9;
constexpr int COLOR_ACTIVEBORDER = 10;
constexpr int COLOR_INACTIVEBORDER = 11;
constexpr int COLOR_APPWORKSPACE = 12;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_HIGHLIGHTTEXT = 14;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_BTNSHADOW = 16;
constexpr int COLOR_GRAYTEXT = 17;
constexpr int COLOR_BTNTEXT = 18;
constexpr int COLOR_INACTIVECAPTIONTEXT = 19;
constexpr int COLOR_BTNHIGHLIGHT = 20;
constexpr int COLOR_3DDKSHADOW = 21;
constexpr int COLOR_3DLIGHT = 22;
constexpr int COLOR_INFOTEXT = 23;
constexpr int COLOR_INFOBK = 24;
constexpr int COLOR_3DFACE = COLOR_BTNFACE;
constexpr int COLOR_3DSHADOW = COLOR_BTNSHADOW;
constexpr int COLOR_3DHIGHLIGHT = COLOR_BTNHIGHLIGHT;
constexpr int COLOR_3DHILIGHT = COLOR_BTNHIGHLIGHT;
constexpr int COLOR_BTNHILIGHT = COLOR_BTNHIGHLIGHT;

// The classic Windows scheme, fixed: there is no desktop theme to follow,
// and pictures must come out the same on every machine. Unknown indexes
// answer black.
NIMBO_PLATFORM_API COLORREF GetSysColor(int index);

// ---- constants ---------------------------------------------------------------

constexpr int WHITE_BRUSH = 0;
constexpr int LTGRAY_BRUSH = 1;
constexpr int GRAY_BRUSH = 2;
constexpr int DKGRAY_BRUSH = 3;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int HOLLOW_BRUSH = NULL_BRUSH;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;
constexpr int OEM_FIXED_FONT = 10;
constexpr int ANSI_FIXED_FONT = 11;
constexpr int ANSI_VAR_FONT = 12;
constexpr int SYSTEM_FONT = 13;
constexpr int DEVICE_DEFAULT_FONT = 14;
constexpr int SYSTEM_FIXED_FONT = 16;
constexpr int DEFAULT_GUI_FONT = 17;

constexpr int FW_DONTCARE = 0;
constexpr int FW_THIN = 100;
constexpr int FW_LIGHT = 300;
constexpr int FW_NORMAL = 400;
constexpr int FW_MEDIUM = 500;
constexpr int FW_SEMIBOLD = 600;
constexpr int FW_BOLD = 700;
constexpr int FW_HEAVY = 900;

constexpr BYTE ANSI_CHARSET = 0;
constexpr BYTE DEFAULT_CHARSET = 1;
constexpr BYTE OEM_CHARSET = 255;
constexpr BYTE OUT_DEFAULT_PRECIS = 0;
constexpr BYTE OUT_TT_PRECIS = 4;
constexpr BYTE CLIP_DEFAULT_PRECIS = 0;
constexpr BYTE DEFAULT_QUALITY = 0;
constexpr BYTE DRAFT_QUALITY = 1;
constexpr BYTE PROOF_QUALITY = 2;
constexpr BYTE NONANTIALIASED_QUALITY = 3;
constexpr BYTE ANTIALIASED_QUALITY = 4;
constexpr BYTE DEFAULT_PITCH = 0;
constexpr BYTE FIXED_PITCH = 1;
constexpr BYTE VARIABLE_PITCH = 2;
constexpr BYTE FF_DONTCARE = 0x00;
constexpr BYTE FF_ROMAN = 0x10;
constexpr BYTE FF_SWISS = 0x20;
constexpr BYTE FF_MODERN = 0x30;
constexpr BYTE FF_SCRIPT = 0x40;
constexpr BYTE FF_DECORATIVE = 0x50;
// In TEXTMETRIC the bit is set for a variable-pitch font (GDI's own quirk).
constexpr BYTE TMPF_FIXED_PITCH = 0x01;

constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 1;
constexpr int PS_DOT = 2;
constexpr int PS_NULL = 5;

constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

constexpr UINT TA_LEFT = 0;
constexpr UINT TA_RIGHT = 2;
constexpr UINT TA_CENTER = 6;
constexpr UINT TA_TOP = 0;
constexpr UINT TA_BOTTOM = 8;
constexpr UINT TA_BASELINE = 24;

constexpr UINT DT_TOP = 0x0000;
constexpr UINT DT_LEFT = 0x0000;
constexpr UINT DT_CENTER = 0x0001;
constexpr UINT DT_RIGHT = 0x0002;
constexpr UINT DT_VCENTER = 0x0004;
constexpr UINT DT_BOTTOM = 0x0008;
constexpr UINT DT_WORDBREAK = 0x0010;
constexpr UINT DT_SINGLELINE = 0x0020;
constexpr UINT DT_EXPANDTABS = 0x0040;
constexpr UINT DT_NOCLIP = 0x0100;
constexpr UINT DT_EXTERNALLEADING = 0x0200;
constexpr UINT DT_CALCRECT = 0x0400;
constexpr UINT DT_NOPREFIX = 0x0800;
constexpr UINT DT_HIDEPREFIX = 0x00100000;

constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr DWORD SRCPAINT = 0x00EE0086;
constexpr DWORD SRCAND = 0x008800C6;
constexpr DWORD SRCINVERT = 0x00660046;
constexpr DWORD NOTSRCCOPY = 0x00330008;
constexpr DWORD BLACKNESS = 0x00000042;
constexpr DWORD WHITENESS = 0x00FF0062;

// ---- structures --------------------------------------------------------------

constexpr int LF_FACESIZE = 32;

struct LOGFONTA {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    char lfFaceName[LF_FACESIZE];
};
using LOGFONT = LOGFONTA;

struct TEXTMETRICA {
    LONG tmHeight;
    LONG tmAscent;
    LONG tmDescent;
    LONG tmInternalLeading;
    LONG tmExternalLeading;
    LONG tmAveCharWidth;
    LONG tmMaxCharWidth;
    LONG tmWeight;
    LONG tmOverhang;
    BYTE tmItalic;
    BYTE tmUnderlined;
    BYTE tmStruckOut;
    BYTE tmPitchAndFamily;
    BYTE tmCharSet;
};
using TEXTMETRIC = TEXTMETRICA;

struct BITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    void* bmBits;
};

namespace nimbo {
struct GdiData;
struct DCState;
struct DCAccess;
struct IconImage;
}  // namespace nimbo

using HGDIOBJ = void*;
// Icons are shared by everyone who loads them and live as long as the process.
using HICON = nimbo::IconImage*;

class CDC;
using HDC = CDC*;

// ---- objects -----------------------------------------------------------------

// A brush, pen, font or bitmap. m_hObject is null until one is created; the
// object frees what it holds when deleted. Stock objects ignore DeleteObject.
class NIMBO_PLATFORM_API CGdiObject {
public:
    CGdiObject() = default;
    virtual ~CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ m_hObject = nullptr;
    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    BOOL DeleteObject();

protected:
    void Replace(nimbo::GdiData* data);
    bool m_stock = false;
    friend struct nimbo::DCAccess;
};

class NIMBO_PLATFORM_API CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color);
    BOOL CreateSolidBrush(COLORREF color);
};

class NIMBO_PLATFORM_API CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color);
    BOOL CreatePen(int style, int width, COLORREF color);
};

class NIMBO_PLATFORM_API CFont : public CGdiObject {
public:
    // GDI's meaning of the numbers: a negative height is the character (em)
    // height in pixels, a positive one the cell height (ascent + descent),
    // 0 a default size. A width of 0 is the face's own; any other is the
    // average character width wanted, reached by stretching the face.
    BOOL CreateFontA(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                     BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                     BYTE quality, BYTE pitchAndFamily, const char* face);
    BOOL CreateFontIndirectA(const LOGFONTA* font);
    // Tenths of a point at 96 pixels per inch.
    BOOL CreatePointFont(int pointSize10, const char* face, CDC* dc = nullptr);
    int GetLogFont(LOGFONTA* font) const;

    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                    BYTE quality, BYTE pitchAndFamily, const char* face)
    {
        return CreateFontA(height, width, escapement, orientation, weight, italic, underline, strikeOut, charSet,
                           outPrecision, clipPrecision, quality, pitchAndFamily, face);
    }
    BOOL CreateFontIndirect(const LOGFONTA* font) { return CreateFontIndirectA(font); }
};

// A picture to draw from (or onto, selected into a memory DC). Bitmaps have
// no transparency: every pixel is opaque, as a GDI device bitmap is.
class NIMBO_PLATFORM_API CBitmap : public CGdiObject {
public:
    // FALSE, and the bitmap left empty, when the module has no such bitmap.
    // A null module means the current one.
    BOOL LoadBitmap(HINSTANCE module, UINT id);
    BOOL LoadBitmap(UINT id) { return LoadBitmap(nullptr, id); }
    BOOL CreateFromPixels(const nimbo::Pixels& pixels);
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);  // black
    int GetBitmap(BITMAP* info) const;
    nimbo::Pixels GetPixels() const;
};

// The process's shared objects; null for an unknown index. Brushes are
// CBrush, pens CPen, fonts CFont.
NIMBO_PLATFORM_API CGdiObject* GetStockObject(int index);

// Null when the module has no such icon. A null module means the current one.
NIMBO_PLATFORM_API HICON LoadIconA(HINSTANCE module, UINT id);

// ---- device contexts -----------------------------------------------------------

// Somewhere to draw: a window during its WM_PAINT or WM_ERASEBKGND (the
// message's wParam), an image, or a memory DC drawing onto the bitmap
// selected into it. A DC fresh from its constructor draws nowhere until
// CreateCompatibleDC. Objects selected in are used as they were at selection.
class NIMBO_PLATFORM_API CDC {
public:
    CDC();
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // A memory DC: it draws onto whatever bitmap gets selected into it.
    BOOL CreateCompatibleDC(CDC* dc);
    BOOL DeleteDC();
    HDC GetSafeHdc() { return this; }

    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const;
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const;
    int SetBkMode(int mode);
    int GetBkMode() const;
    UINT SetTextAlign(UINT align);
    UINT GetTextAlign() const;

    // Each answers what was selected before, or null (and changes nothing)
    // when the object given holds nothing.
    CFont* SelectObject(CFont* font);
    CBrush* SelectObject(CBrush* brush);
    CPen* SelectObject(CPen* pen);
    CBitmap* SelectObject(CBitmap* bitmap);
    CGdiObject* SelectObject(CGdiObject* object);
    CGdiObject* SelectStockObject(int index);
    CFont* GetCurrentFont() const;
    CBrush* GetCurrentBrush() const;
    CPen* GetCurrentPen() const;
    CBitmap* GetCurrentBitmap() const;

    void FillRect(const RECT* rect, CBrush* brush);
    void FrameRect(const RECT* rect, CBrush* brush);  // one pixel just inside the rectangle
    // As MFC has it, this leaves the background colour set to color.
    void FillSolidRect(const RECT* rect, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
    void Draw3dRect(const RECT* rect, COLORREF topLeft, COLORREF bottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);
    BOOL Rectangle(int left, int top, int right, int bottom);  // current pen and brush
    BOOL Rectangle(const RECT* rect);
    BOOL Ellipse(int left, int top, int right, int bottom);
    BOOL Ellipse(const RECT* rect);
    POINT MoveTo(int x, int y);
    BOOL LineTo(int x, int y);  // the end point itself is not drawn
    COLORREF SetPixel(int x, int y, COLORREF color);
    COLORREF GetPixel(int x, int y) const;  // CLR_INVALID on a window DC

    // count -1: up to the NUL. Answers the height of the text drawn.
    int DrawText(const char* text, int count, RECT* rect, UINT format);
    int DrawText(const std::string& text, RECT* rect, UINT format);
    BOOL TextOut(int x, int y, const char* text, int count);
    BOOL TextOut(int x, int y, const std::string& text);
    SIZE GetTextExtent(const char* text, int count) const;
    SIZE GetTextExtent(const std::string& text) const;
    BOOL GetTextMetrics(TEXTMETRICA* metrics) const;

    // Parts of the source rectangle outside the source's bitmap are left
    // out: the destination there keeps what it had.
    BOOL BitBlt(int x, int y, int cx, int cy, CDC* source, int sx, int sy, DWORD rop);
    BOOL StretchBlt(int x, int y, int cx, int cy, CDC* source, int sx, int sy, int scx, int scy, DWORD rop);
    BOOL DrawIcon(int x, int y, HICON icon);  // at the icon's own size, blended by its alpha

    int SaveDC();
    BOOL RestoreDC(int saved);  // -1: the latest
    int IntersectClipRect(int left, int top, int right, int bottom);

private:
    std::unique_ptr<nimbo::DCState> d;
    friend struct nimbo::DCAccess;
};

NIMBO_PLATFORM_API BOOL GetTextExtentPoint32A(HDC dc, const char* text, int count, SIZE* size);

// For code written against BeginPaint: during WM_PAINT it hands out the DC
// the message carries; otherwise null.
struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
};
NIMBO_PLATFORM_API HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
NIMBO_PLATFORM_API BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);

namespace nimbo {

// A DC drawing on a picture of its own, for drawing with no window.
NIMBO_PLATFORM_API std::unique_ptr<CDC> CreateImageDC(int width, int height, COLORREF fill);
// What an image DC, or a memory DC's selected bitmap, holds now.
NIMBO_PLATFORM_API Pixels DCPixels(CDC* dc);

// The family the font's face name came out as on this machine.
NIMBO_PLATFORM_API std::string FontFamilyInUse(const CFont* font);

// COLORREF to and from 0xAARRGGBB (opaque), for comparing pixels.
constexpr std::uint32_t ToArgb(COLORREF c)
{
    return 0xFF000000u | (static_cast<std::uint32_t>(GetRValue(c)) << 16) |
           (static_cast<std::uint32_t>(GetGValue(c)) << 8) | GetBValue(c);
}
constexpr COLORREF FromArgb(std::uint32_t argb)
{
    return RGB(static_cast<BYTE>(argb >> 16), static_cast<BYTE>(argb >> 8), static_cast<BYTE>(argb));
}

}  // namespace nimbo
