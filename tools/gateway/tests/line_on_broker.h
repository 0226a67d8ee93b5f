// A line published on a real broker, for the tests: mosquitto on a free
// port, plcsim as COM1 (every request in its log) and, when asked,
// nimbo-gateway publishing PLC 1's registers 300 to 303 as nimbo/COM1.
#pragma once

#include "tools/gateway/tests/broker_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace brokertest {

class LineOnBroker : public ::testing::Test {
protected:
    // The station's values, as plcsim options.
    explicit LineOnBroker(std::vector<std::string> station) : station_(std::move(station)) {}

    void SetUp() override
    {
        char pattern[] = "/tmp/nimbo-broker-XXXXXX";
        folder = mkdtemp(pattern);
        std::filesystem::create_directory(folder + "/devices");
        setenv("NIMBO_DEVICES", (folder + "/devices").c_str(), 1);
        setenv("NIMBO_REGISTRY", NIMBO_BUILD_REGISTRY, 1);
        ASSERT_TRUE(broker.Start(folder)) << Read(folder + "/mosquitto.out.err");
        std::vector<std::string> args{"--com", "1", "--log", folder + "/sim.log"};
        args.insert(args.end(), station_.begin(), station_.end());
        ASSERT_TRUE(simulator.Start(std::string(NIMBO_BIN) + "/plcsim", args, folder + "/sim.out"));
        ASSERT_TRUE(Eventually([&] { return std::filesystem::exists(folder + "/devices/COM1"); }));
    }
    void TearDown() override
    {
        gateway.Stop();
        simulator.Stop();
        broker.Stop();
        std::filesystem::remove_all(folder);
    }

    static std::string Read(const std::string& path)
    {
        std::ifstream file(path);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }
    std::string GatewayLog() const { return Read(folder + "/gateway.out.err"); }
    std::string SimLog() const { return Read(folder + "/sim.log"); }
    // How often the station's log holds `text`.
    std::size_t Logged(const std::string& text) const
    {
        const std::string log = SimLog();
        std::size_t n = 0;
        for (std::size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1))
            ++n;
        return n;
    }

    void StartGateway(std::vector<std::string> more = {})
    {
        std::vector<std::string> args{"--com", "1", "--speed", "115200", "--timer", "20", "--plc", "1:300-303",
                                      "--broker", broker.Url()};
        args.insert(args.end(), more.begin(), more.end());
        ASSERT_TRUE(gateway.Start(std::string(NIMBO_BIN) + "/nimbo-gateway", args, folder + "/gateway.out"));
        ASSERT_TRUE(Eventually([&] { return GatewayLog().find("connected to") != std::string::npos; }))
            << GatewayLog();
    }

    std::string folder;
    Broker broker;
    xtest::ChildProcess simulator;
    xtest::ChildProcess gateway;

private:
    std::vector<std::string> station_;
};

}  // namespace brokertest
