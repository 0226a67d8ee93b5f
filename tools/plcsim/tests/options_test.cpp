#include "tools/plcsim/options.h"

#include <gtest/gtest.h>

#include "tools/plcsim/simulation_setup.h"

namespace plcsim {
namespace {

Options Parse(std::vector<std::string> args)
{
    return ParseCommandLine(args);
}

TEST(CommandLine, StationOneByDefault)
{
    const Options options = Parse({"--com", "3"});
    EXPECT_EQ(options.com, 3);
    ASSERT_EQ(options.stations.size(), 1u);
    EXPECT_EQ(options.stations[0].number, 1);
    EXPECT_EQ(options.stations[0].faults, Faults{});
}

TEST(CommandLine, StationsWithFaults)
{
    const Options options = Parse({"--com", "4", "--station", "1", "--station", "2,silent", "--station",
                                   "3,delay=150,nozero,garbage,badsum,wrongstation,truncated,endpass=3,writezero"});
    ASSERT_EQ(options.stations.size(), 3u);
    EXPECT_TRUE(options.stations[1].faults.silent);
    const Faults& third = options.stations[2].faults;
    EXPECT_EQ(third, (Faults{false, true, true, true, 150, true, true, true, 3}));
}

TEST(CommandLine, PresetValuesInDecimalHexAndNegative)
{
    const Options options = Parse({"--com=1", "--set", "1:300=5", "--set=1:0x10=0xFFFFFFFF", "--set", "1:7=-12"});
    ASSERT_EQ(options.presets.size(), 3u);
    EXPECT_EQ(options.presets[0].reg, 300);
    EXPECT_EQ(options.presets[0].value, 5);
    EXPECT_EQ(options.presets[1].reg, 16);
    EXPECT_EQ(options.presets[1].value, -1);
    EXPECT_EQ(options.presets[2].value, -12);
    // A leading zero is not octal.
    EXPECT_EQ(Parse({"--com", "1", "--set", "1:010=010"}).presets[0].value, 10);
}

TEST(CommandLine, MoversAndTheRest)
{
    const Options options = Parse({"--com", "2", "--counter", "1:310:5:250", "--blink", "1:311:3:500",
                                   "--live", "demo", "--log", "/tmp/x.log", "--duration", "5",
                                   "--devices", "/tmp/dev"});
    ASSERT_EQ(options.counters.size(), 1u);
    EXPECT_EQ(options.counters[0].reg, 310);
    EXPECT_EQ(options.counters[0].step, 5);
    EXPECT_EQ(options.counters[0].period_ms, 250);
    ASSERT_EQ(options.blinks.size(), 1u);
    EXPECT_EQ(options.blinks[0].bit, 3);
    EXPECT_EQ(options.blinks[0].period_ms, 500);
    EXPECT_EQ(options.live, "demo");
    EXPECT_EQ(options.log_file, "/tmp/x.log");
    EXPECT_EQ(options.duration_s, 5);
    EXPECT_EQ(options.devices_dir, "/tmp/dev");
}

TEST(CommandLine, ModemWithSpeedAndFaults)
{
    EXPECT_FALSE(Parse({"--com", "1"}).modem);
    const Options options = Parse({"--com", "1", "--modem", "2400,nocarrier,split=300"});
    ASSERT_TRUE(options.modem);
    EXPECT_EQ(options.modem->speed, 2400);
    EXPECT_EQ(options.modem->faults, (ModemFaults{.no_carrier = true, .split_ms = 300}));
}

TEST(CommandLine, LineTimingAndRandomFaults)
{
    const Options plain = Parse({"--com", "1"});
    EXPECT_TRUE(plain.timing.paced);
    EXPECT_EQ(plain.random_one_in, 0);
    const Options options = Parse({"--com", "1", "--baud", "19200", "--turnaround=5", "--random-faults", "20,seed=7"});
    EXPECT_EQ(options.timing.baud, 19200);
    EXPECT_EQ(options.timing.turnaround_ms, 5);
    EXPECT_EQ(options.random_one_in, 20);
    EXPECT_EQ(options.random_seed, 7u);
    EXPECT_FALSE(Parse({"--com", "1", "--random-faults", "20"}).random_seed);
    // A flag: the next word is not its value.
    const Options unpaced = Parse({"--no-pacing", "--com", "1"});
    EXPECT_FALSE(unpaced.timing.paced);
    EXPECT_EQ(unpaced.com, 1);
}

TEST(CommandLine, MistakesAreRefused)
{
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"--station", "1"},
        {"--com"},
        {"--com", "x"},
        {"--com", "1", "--station", "0"},
        {"--com", "1", "--station", "256"},
        {"--com", "1", "--station", "1,fast"},
        {"--com", "1", "--station", "1", "--station", "1"},
        {"--com", "1", "--set", "2:1=1"},
        {"--com", "1", "--set", "1:65536=1"},
        {"--com", "1", "--set", "1:1=0x100000000"},
        {"--com", "1", "--set", "1=1:1"},
        {"--com", "1", "--counter", "1:1:1"},
        {"--com", "1", "--counter", "1:1:1:0"},
        {"--com", "1", "--blink", "1:1:32:100"},
        {"--com", "1", "--bogus", "1"},
        {"--com", "1", "stray"},
        {"--com", "1", "--modem"},
        {"--com", "1", "--modem", "fast"},
        {"--com", "1", "--modem", "9600,busy"},
        {"--com", "1", "--modem", "9600,bareconnect,nocarrier"},
        {"--com", "1", "--modem", "9600", "--modem", "9600"},
        {"--com", "1", "--baud", "49"},
        {"--com", "1", "--turnaround", "-1"},
        {"--com", "1", "--no-pacing=yes"},
        {"--com", "1", "--no-pacing", "--baud", "9600"},
        {"--com", "1", "--turnaround", "5", "--no-pacing"},
        {"--com", "1", "--random-faults", "0"},
        {"--com", "1", "--random-faults", "10,seed=x"},
        {"--com", "1", "--random-faults", "10,sead=1"},
    };
    for (const auto& args : wrong) {
        std::string joined;
        for (const auto& arg : args)
            joined += arg + " ";
        EXPECT_THROW(ParseCommandLine(args), std::invalid_argument) << joined;
    }
}

TEST(CommandLine, HelpNeedsNothingElse)
{
    EXPECT_TRUE(Parse({"--help"}).help);
}

TEST(SimulationSetup, PresetsLandInTheirStations)
{
    const Options options = Parse({"--com", "1", "--station", "1", "--station", "2,badsum", "--set", "2:300=-7"});
    StationSet stations;
    AddStations(options, stations);
    EXPECT_EQ(stations.Numbers(), (std::vector<int>{1, 2}));
    EXPECT_EQ(stations.Find(2)->Get(300), -7);
    EXPECT_EQ(stations.Find(1)->Get(300), 0);
    EXPECT_TRUE(stations.Find(2)->GetFaults().bad_checksum);
}

TEST(SimulationSetup, UnknownLiveScriptIsRefused)
{
    const Options options = Parse({"--com", "1", "--live", "fireworks"});
    StationSet stations;
    AddStations(options, stations);
    EXPECT_THROW(MakeMovers(options, stations), std::invalid_argument);
}

}  // namespace
}  // namespace plcsim
