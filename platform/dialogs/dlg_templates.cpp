// Dialog templates by module and number, and dialog units in pixels.
#include "platform/dialog.h"
#include "platform/window/res_module_qt.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>
#include <mutex>
#include <utility>

namespace {

// Templates are handed out by address and live as long as the process,
// as resources of a loaded module do; a replaced one is kept too.
std::map<std::pair<HINSTANCE, UINT>, std::shared_ptr<DialogTemplate>>& Table()
{
    static auto* table = new std::map<std::pair<HINSTANCE, UINT>, std::shared_ptr<DialogTemplate>>;
    return *table;
}
std::vector<std::shared_ptr<DialogTemplate>>& Replaced()
{
    static auto* replaced = new std::vector<std::shared_ptr<DialogTemplate>>;
    return *replaced;
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

int MulDiv(int value, int numerator, int denominator)
{
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

SIZE MeasureBaseUnits(const std::string& face, int points)
{
    CFont font;
    font.CreatePointFont(points * 10, face.c_str());
    auto dc = nimbo::CreateImageDC(1, 1, RGB(255, 255, 255));
    dc->SelectObject(&font);
    TEXTMETRICA metrics{};
    dc->GetTextMetrics(&metrics);
    const SIZE letters = dc->GetTextExtent("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return SIZE{std::max<LONG>(1, (letters.cx / 26 + 1) / 2), std::max<LONG>(1, metrics.tmHeight)};
}

}  // namespace

void nimbo::AddDialogResource(HINSTANCE module, UINT id, DialogTemplate dialogTemplate)
{
    if (!module)
        return;
    std::lock_guard<std::recursive_mutex> guard(res::Lock());
    auto& slot = Table()[{module, id}];
    if (slot)
        Replaced().push_back(slot);
    slot = std::make_shared<DialogTemplate>(std::move(dialogTemplate));
}

const DialogTemplate* nimbo::FindDialogResource(HINSTANCE module, UINT id)
{
    std::lock_guard<std::recursive_mutex> guard(res::Lock());
    auto it = Table().find({res::Resolve(module), id});
    return it == Table().end() ? nullptr : it->second.get();
}

// Every item of every dialog asks: a font is measured once.
SIZE nimbo::DialogBaseUnits(const std::string& face, int points)
{
    const std::string name = Lower(face);
    if (points == 8 && (name == "ms sans serif" || name == "ms shell dlg" || name == "ms shell dlg 2" ||
                        name == "microsoft sans serif" || name == "tahoma"))
        return SIZE{6, 13};
    static std::mutex lock;
    static auto* measured = new std::map<std::pair<std::string, int>, SIZE>;
    std::lock_guard<std::mutex> guard(lock);
    auto it = measured->find({name, points});
    if (it == measured->end())
        it = measured->emplace(std::make_pair(name, points), MeasureBaseUnits(face, points)).first;
    return it->second;
}

RECT nimbo::DialogUnitsToPixels(const DialogTemplate& dialogTemplate, const RECT& units)
{
    const SIZE base = DialogBaseUnits(dialogTemplate.fontFace, dialogTemplate.fontPoints);
    return RECT{MulDiv(units.left, base.cx, 4), MulDiv(units.top, base.cy, 8), MulDiv(units.right, base.cx, 4),
                MulDiv(units.bottom, base.cy, 8)};
}

SIZE nimbo::DialogPixelSize(const DialogTemplate& dialogTemplate)
{
    const RECT r = DialogUnitsToPixels(dialogTemplate, RECT{0, 0, dialogTemplate.cx, dialogTemplate.cy});
    return SIZE{r.right, r.bottom};
}
