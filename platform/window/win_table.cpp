#include "platform/window/win_table_qt.h"

#include <memory>
#include <mutex>
#include <set>
#include <unordered_map>

namespace nimbo::win {
namespace {

struct Table {
    std::mutex lock;
    std::unordered_map<HWND, std::unique_ptr<WindowRecord>> windows;
    // Each parent's children, oldest first (handles only grow): closing a
    // window finds its children without a walk over every window there is.
    std::unordered_map<HWND, std::set<HWND>> children;
    // Handles are never given twice, so a stale handle can never reach a
    // newer window.
    std::uint64_t next = 0x10000;
};

// Never destroyed: windows of global objects may go away after every
// static of this library has.
Table& TheTable()
{
    static Table* table = new Table;
    return *table;
}

int dispatchDepth = 0;

}  // namespace

WindowRecord* Find(HWND window)
{
    Table& t = TheTable();
    std::lock_guard<std::mutex> guard(t.lock);
    auto it = t.windows.find(window);
    return it == t.windows.end() ? nullptr : it->second.get();
}

QWidget* WidgetOf(HWND window)
{
    WindowRecord* record = Find(window);
    return record ? record->widget.data() : nullptr;
}

bool Exists(HWND window)
{
    return Find(window) != nullptr;
}

CWnd* WindowOf(HWND window)
{
    WindowRecord* record = Find(window);
    return record ? record->wnd : nullptr;
}

WindowRecord* Add(CWnd* wnd, HWND parent)
{
    Table& t = TheTable();
    std::lock_guard<std::mutex> guard(t.lock);
    if (t.next > 0xFFFFFFFCu)
        return nullptr;
    auto record = std::make_unique<WindowRecord>();
    record->handle = static_cast<HWND>(t.next);
    record->parent = parent;
    record->wnd = wnd;
    t.next += 4;
    WindowRecord* result = record.get();
    t.windows.emplace(result->handle, std::move(record));
    if (parent)
        t.children[parent].insert(result->handle);
    return result;
}

void Remove(HWND window)
{
    std::unique_ptr<WindowRecord> gone;
    Table& t = TheTable();
    std::lock_guard<std::mutex> guard(t.lock);
    auto it = t.windows.find(window);
    if (it == t.windows.end())
        return;
    gone = std::move(it->second);
    t.windows.erase(it);
    if (auto siblings = t.children.find(gone->parent); siblings != t.children.end()) {
        siblings->second.erase(window);
        if (siblings->second.empty())
            t.children.erase(siblings);
    }
}

std::vector<HWND> ChildrenOf(HWND window)
{
    Table& t = TheTable();
    std::lock_guard<std::mutex> guard(t.lock);
    const auto it = t.children.find(window);
    return it == t.children.end() ? std::vector<HWND>() : std::vector<HWND>(it->second.begin(), it->second.end());
}

DispatchGuard::DispatchGuard() { ++dispatchDepth; }
DispatchGuard::~DispatchGuard() { --dispatchDepth; }
bool InsideWindowEvent() { return dispatchDepth > 0; }

}  // namespace nimbo::win
