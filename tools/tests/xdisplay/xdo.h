// Real input through XTest, and windows found by their titles, with
// xdotool; what a person at the X display does.
#pragma once

#include "tools/tests/xdisplay/child_process.h"

#include <chrono>
#include <cstdio>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace xtest {

struct Box {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int Right() const { return x + width; }
    int Bottom() const { return y + height; }
};

inline std::string Xdo(const std::vector<std::string>& args)
{
    return Capture("xdotool", args);
}

// The first shown window whose title matches the regular expression.
inline std::string FindWindow(const std::string& title)
{
    const std::string found = Xdo({"search", "--onlyvisible", "--name", title});
    return found.substr(0, found.find('\n'));
}

inline std::optional<Box> Geometry(const std::string& window)
{
    std::istringstream lines(Xdo({"getwindowgeometry", "--shell", window}));
    Box box;
    int seen = 0;
    for (std::string line; std::getline(lines, line);) {
        int value = 0;
        if (std::sscanf(line.c_str(), "X=%d", &value) == 1)
            box.x = value, ++seen;
        else if (std::sscanf(line.c_str(), "Y=%d", &value) == 1)
            box.y = value, ++seen;
        else if (std::sscanf(line.c_str(), "WIDTH=%d", &value) == 1)
            box.width = value, ++seen;
        else if (std::sscanf(line.c_str(), "HEIGHT=%d", &value) == 1)
            box.height = value, ++seen;
    }
    return seen == 4 ? std::optional<Box>(box) : std::nullopt;
}

// Moves the pointer and waits until the server has it there (xdotool's own
// wait never ends when the pointer is there already).
inline void MoveTo(int x, int y)
{
    const std::string at = "X=" + std::to_string(x) + "\nY=" + std::to_string(y) + "\n";
    Xdo({"mousemove", std::to_string(x), std::to_string(y)});
    for (int turn = 0; turn < 200 && Xdo({"getmouselocation", "--shell"}).rfind(at, 0) != 0; ++turn)
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
}

// Button 1 is the left, 3 the right; `count` 2 is a double click.
inline void ClickAt(int x, int y, int button = 1, int count = 1)
{
    MoveTo(x, y);
    Xdo({"click", "--repeat", std::to_string(count), "--delay", "60", std::to_string(button)});
}

inline void DragFromTo(int x, int y, int toX, int toY)
{
    MoveTo(x, y);
    Xdo({"mousedown", "1"});
    // In steps, as a hand moves: a drag starts only after some travel.
    for (int step = 1; step <= 4; ++step)
        MoveTo(x + (toX - x) * step / 4, y + (toY - y) * step / 4);
    Xdo({"mouseup", "1"});
}

// Keys as xdotool names them: "Tab", "Return", "Escape", "ctrl+s", "F5".
inline void Press(const std::string& keys)
{
    Xdo({"key", "--delay", "40", keys});
}

// Keys for one window: with no window manager nobody gives the focus back
// to a window when one over it closes, so it is given here.
inline void PressIn(const std::string& window, const std::string& keys)
{
    Xdo({"windowfocus", "--sync", window});
    Press(keys);
}

inline void Type(const std::string& text)
{
    Xdo({"type", "--delay", "40", text});
}

}  // namespace xtest
