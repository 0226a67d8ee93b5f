// Host programs run in-process against simulated stations on a
// pseudo-terminal. The server is built from this test's own copy of its
// code (placed as a local class), so that its client list can be seen.
#pragma once

#include "platform/controls.h"
#include "platform/form.h"
#include "server/nimbo_ctrl.h"
#include "tools/plcsim/pty_server.h"
#include "tools/plcsim/station_set.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>

class HostTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/nimbo-host-XXXXXX";
        folder = mkdtemp(pattern);
        setenv("NIMBO_DEVICES", folder.c_str(), 1);
        nimbo::Form::RegisterLocalClass("NIMBOLib.Nimbo", [] { return new CNimboCtrl; });
    }
    void TearDown() override
    {
        if (line)
            line->Stop();
        nimbo::Form::RegisterLocalClass("NIMBOLib.Nimbo", {});
        unsetenv("NIMBO_DEVICES");
        std::filesystem::remove_all(folder);
    }
    plcsim::Station& Serve(int com)
    {
        plcsim::Station& st = stations.Add(1);
        line = std::make_unique<plcsim::PtyServer>(stations, com, folder);
        line->Start();
        return st;
    }
    // Runs the event loop until the condition holds, for at most ms.
    static bool RunUntil(const std::function<bool()>& done, int ms = 4000)
    {
        for (int waited = 0; waited < ms; waited += 20) {
            if (done())
                return true;
            nimbo::RunEventLoop(20);
        }
        return done();
    }
    static std::int32_t Long(nimbo::Form& f, const std::string& name, DISPID id)
    {
        return f.Get(name, id).AsLong();
    }
    static CNimboCtrl* Server(nimbo::Form& f) { return static_cast<CNimboCtrl*>(f.Control("Nimbo1")); }
    static void Click(nimbo::Form& f, const std::string& name)
    {
        auto* button = dynamic_cast<CButton*>(FromHandle(f.ControlWindow(name)));
        ASSERT_NE(button, nullptr) << name;
        button->Click();
    }

    std::string folder;
    plcsim::StationSet stations;
    std::unique_ptr<plcsim::PtyServer> line;
};
