// One Xvfb for the whole test program, on a display number it picks itself,
// and this program's own connection to it (Qt on xcb), which also grabs the
// screen's pixels. Xvfb ends with the last client, so it never outlives the
// tests, even when they crash.
#pragma once

#include "tools/tests/xdisplay/child_process.h"

#include <QGuiApplication>

#include <cstdlib>
#include <string>

namespace xtest {

class XServer {
public:
    // The display (":N"), started on first use; empty when Xvfb failed.
    static const std::string& Display()
    {
        static const std::string display = Launch();
        return display;
    }

private:
    static std::string Launch()
    {
        static ChildProcess xvfb;
        int ready[2];
        if (pipe(ready) != 0)
            return "";
        const std::string log = "/tmp/nimbo-xvfb-" + std::to_string(getpid()) + ".log";
        const bool started = xvfb.Start("/usr/bin/Xvfb",
                                        {"-displayfd", "3", "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                                         "-terminate", "-nocursor"},
                                        log, ready[1]);
        close(ready[1]);
        std::string number;
        char c;
        while (started && ::read(ready[0], &c, 1) == 1 && c != '\n')
            number += c;
        close(ready[0]);
        if (number.empty())
            return "";
        const std::string display = ":" + number;
        setenv("DISPLAY", display.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        static int argc = 1;
        static char name[] = "x_display_tests";
        static char* argv[] = {name, nullptr};
        // Kept for the program's life: it holds Xvfb up between tests.
        new QGuiApplication(argc, argv);
        return display;
    }
};

}  // namespace xtest
