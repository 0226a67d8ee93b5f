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

// Station 1 of a generator set, registers 300..347: plant constants, an
// energy counter that grows with the power, the month's energy and peak per
// tariff band (the band changes every 15 s), a fuel level that drains with
// the power and is refilled, alarm bits that come and go, and last month's
// figures. Powers and energies are in tenths.
class GeneratorSet : public Mover {
public:
    explicit GeneratorSet(Station& st) : st_(st)
    {
        st_.Set(300, 200);   // current transformer constant
        st_.Set(301, 1000);  // pulses per kWh
        const std::int32_t lastMonth[8] = {123456, 98765, 54321, 12345, 4321, 3987, 2876, 1234};
        for (int i = 0; i < 8; ++i)
            st_.Set(340 + i, lastMonth[i]);
        st_.Set(311, 1234560);
        st_.Set(326, 800);
    }

    void Advance(std::int64_t now) override
    {
        const double phase = 2 * std::numbers::pi * static_cast<double>(now % 30000) / 30000.0;
        const auto power = static_cast<std::int32_t>(std::lround(4500.0 + 2500.0 * std::sin(phase)));
        st_.Set(328, power);
        st_.Set(329, power - 150 + static_cast<std::int32_t>((now / 700) % 300));
        const std::int64_t elapsed = now - last_;
        last_ = now;
        // Sped up for the demonstration: a second of running counts an hour.
        energy_ += static_cast<double>(power) * static_cast<double>(elapsed) / 1000.0;
        const auto whole = static_cast<std::int32_t>(energy_);
        energy_ -= whole;
        const int band = static_cast<int>((now / 15000) % 4);
        st_.Update(311, [&](std::int32_t v) { return v + whole; });
        st_.Update(330 + band, [&](std::int32_t v) { return v + whole; });
        st_.Update(334 + band, [&](std::int32_t v) { return v < power ? power : v; });
        fuel_ -= static_cast<double>(power) * static_cast<double>(elapsed) / 200000.0;
        if (fuel_ < 100)
            fuel_ = 1000;
        st_.Set(326, static_cast<std::int32_t>(fuel_));
        const std::int64_t slot = now / 3000;
        st_.Set(327, static_cast<std::int32_t>((slot * 37 + (slot >> 2) * 11) & 0x2D) | (fuel_ < 250 ? 0x80 : 0));
    }

private:
    Station& st_;
    std::int64_t last_ = 0;
    double energy_ = 0;
    double fuel_ = 800;
};

MoverList Dorvo(StationSet& stations)
{
    MoverList movers;
    movers.push_back(std::make_unique<GeneratorSet>(Need(stations, 1, "dorvo")));
    return movers;
}

struct Scene {
    const char* name;
    MoverList (*make)(StationSet&);
};

constexpr Scene kScenes[] = {
    {"demo", Demo},
    {"dorvo", Dorvo},
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
