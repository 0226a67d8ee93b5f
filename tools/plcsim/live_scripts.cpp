#include "tools/plcsim/live_scripts.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

namespace plcsim {

namespace {

Station& Need(StationSet& stations, int number, std::string_view scene)
{
    Station* station = stations.Find(number);
    if (!station) {
        throw std::invalid_argument("live script " + std::string(scene) + " drives station " +
                                    std::to_string(number) + ", which is not simulated");
    }
    return *station;
}

// Station 1, registers 300..303: a blinking lamp, a percentage, an analogue
// value and a seconds counter - one of each thing a panel usually shows.
MoverList Demo(StationSet& stations)
{
    Station& st = Need(stations, 1, "demo");
    MoverList movers;
    movers.push_back(std::make_unique<CurveMover>(st, 300, [](std::int64_t t) {
        const std::int64_t lamp = (t / 2000) % 2;
        const std::int64_t pattern = (t / 8000) % 128;
        return static_cast<std::int32_t>(pattern << 1 | lamp);
    }));
    movers.push_back(std::make_unique<CurveMover>(st, 301, [](std::int64_t t) {
        return static_cast<std::int32_t>((t / 200) % 101);
    }));
    movers.push_back(std::make_unique<CurveMover>(st, 302, [](std::int64_t t) {
        const double phase = 2 * std::numbers::pi * static_cast<double>(t % 20000) / 20000.0;
        return static_cast<std::int32_t>(std::lround(500.0 + 500.0 * std::sin(phase)));
    }));
    movers.push_back(std::make_unique<CounterMover>(st, 303, 1, 1000));
    return movers;
}

struct Scene {
    const char* name;
    MoverList (*make)(StationSet&);
};

constexpr Scene kScenes[] = {
    {"demo", Demo},
};

}  // namespace

std::vector<std::string> LiveScriptNames()
{
    std::vector<std::string> names;
    for (const Scene& scene : kScenes)
        names.emplace_back(scene.name);
    return names;
}

MoverList MakeLiveScript(std::string_view name, StationSet& stations)
{
    for (const Scene& scene : kScenes) {
        if (name == scene.name)
            return scene.make(stations);
    }
    throw std::invalid_argument("no live script named " + std::string(name));
}

}  // namespace plcsim
