// Window timers: one Qt timer per (window, id), firing as WM_TIMER while an
// event loop runs.
#include "platform/window/win_table_qt.h"

#include "platform/test_support.h"

#include <algorithm>
#include <climits>

using namespace nimbo::win;

namespace {
// Win32 will not tick faster than this either.
constexpr UINT minimumPeriod = 10;
}

UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT milliseconds, void*)
{
    WindowRecord* record = Find(window);
    if (!record || !record->widget || record->destroying)
        return 0;
    QWidget* widget = record->widget;
    auto it = record->timers.find(id);
    if (it != record->timers.end()) {
        widget->killTimer(it->second);
        record->timers.erase(it);
    }
    const UINT period = std::clamp<UINT>(milliseconds, minimumPeriod, INT_MAX);
    const int qtId = widget->startTimer(static_cast<int>(period));
    if (qtId == 0)
        return 0;
    record->timers[id] = qtId;
    record->timerPeriods[id] = period;
    return id != 0 ? id : 1;
}

BOOL KillTimer(HWND window, UINT_PTR id)
{
    WindowRecord* record = Find(window);
    if (!record)
        return FALSE;
    auto it = record->timers.find(id);
    if (it == record->timers.end())
        return FALSE;
    if (record->widget)
        record->widget->killTimer(it->second);
    record->timers.erase(it);
    record->timerPeriods.erase(id);
    return TRUE;
}

UINT nimbo::TimerPeriod(HWND window, UINT_PTR id)
{
    const WindowRecord* record = Find(window);
    if (!record)
        return 0;
    const auto it = record->timerPeriods.find(id);
    return it == record->timerPeriods.end() ? 0 : it->second;
}
