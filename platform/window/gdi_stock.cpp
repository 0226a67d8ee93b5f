// Stock objects: made once, shared by every DC, never deleted.
#include "platform/window/gdi_qt.h"
#include "platform/window/qt_application_qt.h"

#include <array>
#include <cstring>
#include <mutex>

namespace nimbo {
namespace {

CBrush* StockBrush(COLORREF color, bool hollow)
{
    auto* brush = new CBrush(color);
    DCAccess::Data<BrushData>(brush)->hollow = hollow;
    DCAccess::MakeStock(*brush);
    return brush;
}

CPen* StockPen(int style, COLORREF color)
{
    auto* pen = new CPen(style, 1, color);
    DCAccess::MakeStock(*pen);
    return pen;
}

CFont* StockFont(int height, int weight, BYTE pitchAndFamily, const char* face)
{
    auto* font = new CFont;
    font->CreateFontA(height, 0, 0, 0, weight, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, pitchAndFamily, face);
    DCAccess::MakeStock(*font);
    return font;
}

using StockTable = std::array<CGdiObject*, DEFAULT_GUI_FONT + 1>;

StockTable MakeStock()
{
    qt::EnsureApplication();
    StockTable t{};
    t[WHITE_BRUSH] = StockBrush(RGB(255, 255, 255), false);
    t[LTGRAY_BRUSH] = StockBrush(RGB(192, 192, 192), false);
    t[GRAY_BRUSH] = StockBrush(RGB(128, 128, 128), false);
    t[DKGRAY_BRUSH] = StockBrush(RGB(64, 64, 64), false);
    t[BLACK_BRUSH] = StockBrush(RGB(0, 0, 0), false);
    t[NULL_BRUSH] = StockBrush(RGB(0, 0, 0), true);
    t[WHITE_PEN] = StockPen(PS_SOLID, RGB(255, 255, 255));
    t[BLACK_PEN] = StockPen(PS_SOLID, RGB(0, 0, 0));
    t[NULL_PEN] = StockPen(PS_NULL, RGB(0, 0, 0));
    // The fixed fonts are Courier-like at 10 points, the variable ones the
    // dialog font at 8 points; the system font is the bold one of old.
    CFont* fixed = StockFont(-13, FW_NORMAL, FIXED_PITCH | FF_MODERN, "Courier New");
    CFont* variable = StockFont(-11, FW_NORMAL, VARIABLE_PITCH | FF_SWISS, "MS Sans Serif");
    CFont* system = StockFont(16, FW_BOLD, VARIABLE_PITCH | FF_SWISS, "System");
    t[OEM_FIXED_FONT] = fixed;
    t[ANSI_FIXED_FONT] = fixed;
    t[SYSTEM_FIXED_FONT] = fixed;
    t[ANSI_VAR_FONT] = variable;
    t[DEFAULT_GUI_FONT] = variable;
    t[SYSTEM_FONT] = system;
    t[DEVICE_DEFAULT_FONT] = system;
    return t;
}

}  // namespace

CBitmap* DefaultBitmap()
{
    static CBitmap* bitmap = [] {
        auto* b = new CBitmap;
        b->CreateCompatibleBitmap(nullptr, 1, 1);
        DCAccess::MakeStock(*b);
        return b;
    }();
    return bitmap;
}

}  // namespace nimbo

CGdiObject* GetStockObject(int index)
{
    static const nimbo::StockTable table = nimbo::MakeStock();
    if (index < 0 || index >= static_cast<int>(table.size()))
        return nullptr;
    return table[static_cast<std::size_t>(index)];
}

// The classic Windows scheme (Windows 95 to NT 4, "Windows Standard"):
// grey faces with white highlights, grey shadows and black dark shadows.
COLORREF GetSysColor(int index)
{
    static constexpr COLORREF scheme[] = {
        RGB(192, 192, 192),  // COLOR_SCROLLBAR
        RGB(0, 128, 128),    // COLOR_BACKGROUND
        RGB(0, 0, 128),      // COLOR_ACTIVECAPTION
        RGB(128, 128, 128),  // COLOR_INACTIVECAPTION
        RGB(192, 192, 192),  // COLOR_MENU
        RGB(255, 255, 255),  // COLOR_WINDOW
        RGB(0, 0, 0),        // COLOR_WINDOWFRAME
        RGB(0, 0, 0),        // COLOR_MENUTEXT
        RGB(0, 0, 0),        // COLOR_WINDOWTEXT
        RGB(255, 255, 255),  // COLOR_CAPTIONTEXT
        RGB(192, 192, 192),  // COLOR_ACTIVEBORDER
        RGB(192, 192, 192),  // COLOR_INACTIVEBORDER
        RGB(128, 128, 128),  // COLOR_APPWORKSPACE
        RGB(0, 0, 128),      // COLOR_HIGHLIGHT
        RGB(255, 255, 255),  // COLOR_HIGHLIGHTTEXT
        RGB(192, 192, 192),  // COLOR_BTNFACE
        RGB(128, 128, 128),  // COLOR_BTNSHADOW
        RGB(128, 128, 128),  // COLOR_GRAYTEXT
        RGB(0, 0, 0),        // COLOR_BTNTEXT
        RGB(192, 192, 192),  // COLOR_INACTIVECAPTIONTEXT
        RGB(255, 255, 255),  // COLOR_BTNHIGHLIGHT
        RGB(0, 0, 0),        // COLOR_3DDKSHADOW
        RGB(223, 223, 223),  // COLOR_3DLIGHT
        RGB(0, 0, 0),        // COLOR_INFOTEXT
        RGB(255, 255, 225),  // COLOR_INFOBK
    };
    if (index < 0 || index >= static_cast<int>(std::size(scheme)))
        return RGB(0, 0, 0);
    return scheme[index];
}
