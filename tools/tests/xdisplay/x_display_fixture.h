// Runs the kit's programs under a real X server (Xvfb, no window manager)
// against a simulated station, and drives them with real input events.
// Everything is awaited by polling with generous bounds: the machine may
// be loaded, and nothing here measures time.
#pragma once

#include "tools/tests/xdisplay/child_process.h"
#include "tools/tests/xdisplay/x_server.h"
#include "tools/tests/xdisplay/xdo.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace xtest {

class XDisplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(XServer::Display().empty()) << "Xvfb did not start";
        char pattern[] = "/tmp/nimbo-xdisplay-XXXXXX";
        folder = mkdtemp(pattern);
        std::filesystem::create_directory(folder + "/devices");
        setenv("NIMBO_DEVICES", (folder + "/devices").c_str(), 1);
        setenv("NIMBO_REGISTRY", NIMBO_BUILD_REGISTRY, 1);
    }
    void TearDown() override
    {
        programs.clear();
        simulator.Stop();
        std::filesystem::remove_all(folder);
    }

    // Waits for `done` in short turns, up to `seconds`.
    static bool Eventually(const std::function<bool()>& done, int seconds = 30)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        while (!done()) {
            if (std::chrono::steady_clock::now() > end)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return true;
    }

    static std::string Read(const std::string& path)
    {
        std::ifstream file(path);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

    // plcsim as COM1, every request written to its log.
    void StartSimulator(std::vector<std::string> args = {})
    {
        args.insert(args.begin(), {"--com", "1", "--log", folder + "/sim.log"});
        ASSERT_TRUE(simulator.Start(std::string(NIMBO_BIN) + "/plcsim", args, folder + "/sim.out"));
        ASSERT_TRUE(Eventually([&] { return std::filesystem::exists(folder + "/devices/COM1"); }))
            << Read(folder + "/sim.out.err");
    }

    // The log's length now, so that a later check sees only what followed.
    std::size_t LogMark() { return Read(folder + "/sim.log").size(); }

    // Whether the simulator logs `text` after `mark`, waiting for it.
    bool Logged(const std::string& text, std::size_t mark = 0)
    {
        return Eventually([&] {
            const std::string log = Read(folder + "/sim.log");
            return log.size() > mark && log.find(text, mark) != std::string::npos;
        });
    }

    ChildProcess& Run(const std::string& program, const std::vector<std::string>& args)
    {
        programs.push_back(std::make_unique<ChildProcess>());
        EXPECT_TRUE(programs.back()->Start(std::string(NIMBO_BIN) + "/" + program, args,
                                           folder + "/" + program + "-" + std::to_string(programs.size()) + ".out"));
        return *programs.back();
    }

    // The window with that title once it is shown, and its place.
    Box AwaitWindow(const std::string& title, std::string* id = nullptr)
    {
        std::string window;
        std::optional<Box> box;
        Eventually([&] {
            window = FindWindow(title);
            return !window.empty() && (box = Geometry(window)) && box->width > 0;
        });
        EXPECT_TRUE(box) << "no window " << title;
        if (id)
            *id = window;
        return box.value_or(Box{});
    }

    static bool Gone(const std::string& title)
    {
        return Eventually([&] { return FindWindow(title).empty(); });
    }

    // What the screen shows in `box`, as the X server holds it.
    static QImage Grab(const Box& box)
    {
        return QGuiApplication::primaryScreen()
            ->grabWindow(0, box.x, box.y, box.width, box.height)
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    // Waits until the screen in `box` shows something else than `before`
    // and holds still, and answers what it shows then.
    static QImage GrabChanged(const Box& box, const QImage& before)
    {
        QImage now = Grab(box);
        const bool changed = Eventually([&] {
            const QImage last = std::exchange(now, Grab(box));
            return now != before && now == last;
        });
        EXPECT_TRUE(changed) << "the screen did not change, or did not settle";
        return now;
    }

    std::string folder;
    ChildProcess simulator;
    std::vector<std::unique_ptr<ChildProcess>> programs;
};

}  // namespace xtest
