// A window for tests: writes down every message it gets, and lets a test
// answer some of them.
#pragma once

#include "platform/winuser.h"

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

namespace nimbo::test {

struct Message {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class Recorder : public CWnd {
public:
    ~Recorder() override { DestroyWindow(); }

    // Return a value to answer the message, nullopt to leave it to DefWindowProc.
    std::function<std::optional<LRESULT>(UINT, WPARAM, LPARAM)> handler;
    std::vector<Message> log;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        log.push_back({message, wParam, lParam});
        if (handler)
            if (std::optional<LRESULT> answer = handler(message, wParam, lParam))
                return *answer;
        return DefWindowProc(message, wParam, lParam);
    }

    // The messages logged that are among those asked about, in order.
    std::vector<UINT> Only(std::initializer_list<UINT> wanted) const
    {
        std::vector<UINT> out;
        for (const Message& m : log)
            if (std::find(wanted.begin(), wanted.end(), m.message) != wanted.end())
                out.push_back(m.message);
        return out;
    }
    int Count(UINT message) const
    {
        return static_cast<int>(std::count_if(log.begin(), log.end(), [&](const Message& m) { return m.message == message; }));
    }
};

// Runs the event loop in short turns until done() holds, or gives up after
// a while: tests wait for things to happen, not for a time to pass.
inline bool RunUntil(const std::function<bool()>& done, int turns = 300)
{
    for (int i = 0; i < turns && !done(); ++i)
        nimbo::RunEventLoop(10);
    return done();
}

inline RECT Rect(int left, int top, int width, int height)
{
    return RECT{left, top, left + width, top + height};
}

}  // namespace nimbo::test
