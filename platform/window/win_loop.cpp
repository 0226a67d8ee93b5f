// Event loops: timed ones for tests and tools, open-ended ones for hosts,
// and modal ones for dialogs. All nest, and timers fire in every one.
#include "platform/window/qt_application_qt.h"
#include "platform/window/win_table_qt.h"

#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <utility>
#include <vector>

using namespace nimbo::win;

namespace {
// Open-ended loops running now, innermost last.
std::vector<QEventLoop*> openLoops;
bool quitPending = false;
}  // namespace

void nimbo::RunEventLoop(int milliseconds)
{
    qt::EnsureApplication();
    QEventLoop loop;
    if (milliseconds >= 0) {
        QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, [&loop] { loop.quit(); });
        loop.exec();
        return;
    }
    // Asked to quit before it ran, as WM_QUIT waits in a queue.
    if (std::exchange(quitPending, false))
        return;
    openLoops.push_back(&loop);
    loop.exec();
    openLoops.erase(std::remove(openLoops.begin(), openLoops.end(), &loop), openLoops.end());
}

void nimbo::QuitEventLoop(int code)
{
    if (openLoops.empty()) {
        quitPending = true;
        return;
    }
    QEventLoop* innermost = openLoops.back();
    openLoops.pop_back();
    innermost->exit(code);
}

int nimbo::RunModalLoop(HWND window)
{
    qt::EnsureApplication();
    WindowRecord* record = Find(window);
    if (!record)
        return -1;
    if (record->modalEnded) {
        record->modalEnded = false;
        return record->modalResult;
    }
    QEventLoop loop;
    QEventLoop* outer = std::exchange(record->modalLoop, &loop);
    const int result = loop.exec();
    // The window may be gone; then DestroyWindow has answered -1 already.
    if ((record = Find(window))) {
        record->modalLoop = outer;
        record->modalEnded = false;
    }
    return result;
}

void nimbo::EndModalLoop(HWND window, int result)
{
    WindowRecord* record = Find(window);
    if (!record)
        return;
    record->modalEnded = true;
    record->modalResult = result;
    if (record->modalLoop)
        record->modalLoop->exit(result);
}

bool nimbo::ModalLoopEnding(HWND window)
{
    WindowRecord* record = Find(window);
    return record && record->modalEnded;
}
