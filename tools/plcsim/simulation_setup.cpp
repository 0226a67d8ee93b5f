#include "tools/plcsim/simulation_setup.h"

#include <stdexcept>

#include "tools/plcsim/live_scripts.h"

namespace plcsim {

namespace {

Station& Existing(StationSet& stations, int number)
{
    Station* station = stations.Find(number);
    if (!station)
        throw std::invalid_argument("station " + std::to_string(number) + " is not simulated");
    return *station;
}

}  // namespace

void AddStations(const Options& options, StationSet& stations)
{
    for (const StationOption& station : options.stations)
        stations.Add(static_cast<std::uint8_t>(station.number), station.faults);
    for (const PresetOption& preset : options.presets)
        Existing(stations, preset.station).Set(static_cast<std::uint16_t>(preset.reg), preset.value);
}

MoverList MakeMovers(const Options& options, StationSet& stations)
{
    MoverList movers;
    if (!options.live.empty())
        movers = MakeLiveScript(options.live, stations);
    for (const CounterOption& c : options.counters) {
        movers.push_back(std::make_unique<CounterMover>(Existing(stations, c.station),
                                                        static_cast<std::uint16_t>(c.reg), c.step, c.period_ms));
    }
    for (const BlinkOption& b : options.blinks) {
        movers.push_back(std::make_unique<BlinkMover>(Existing(stations, b.station),
                                                      static_cast<std::uint16_t>(b.reg), b.bit, b.period_ms));
    }
    return movers;
}

}  // namespace plcsim
