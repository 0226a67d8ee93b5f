#include "tools/plcsim/movers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "tools/plcsim/live_scripts.h"

namespace plcsim {
namespace {

TEST(CounterMoving, AddsOneStepPerWholePeriodEvenWhenTicksAreLate)
{
    Station station(1);
    CounterMover counter(station, 10, 5, 1000);
    counter.Advance(0);
    counter.Advance(999);
    EXPECT_EQ(station.Get(10), 0);
    counter.Advance(1000);
    EXPECT_EQ(station.Get(10), 5);
    counter.Advance(3500);  // two periods passed between ticks
    EXPECT_EQ(station.Get(10), 15);
    counter.Advance(3600);
    EXPECT_EQ(station.Get(10), 15);
}

TEST(CounterMoving, CountsOnFromWhatTheMasterWrote)
{
    Station station(1);
    CounterMover counter(station, 10, 1, 100);
    counter.Advance(100);
    station.Set(10, 500);
    counter.Advance(200);
    EXPECT_EQ(station.Get(10), 501);
}

TEST(CounterMoving, WrapsLikeA32BitRegister)
{
    Station station(1);
    station.Set(0, INT32_MAX);
    CounterMover counter(station, 0, 1, 10);
    counter.Advance(10);
    EXPECT_EQ(station.Get(0), INT32_MIN);
}

TEST(BlinkMoving, TogglesOnlyItsBitEachPeriod)
{
    Station station(1);
    station.Set(20, 0x100);
    BlinkMover blink(station, 20, 2, 500);
    blink.Advance(0);
    EXPECT_EQ(station.Get(20), 0x100);
    blink.Advance(500);
    EXPECT_EQ(station.Get(20), 0x104);
    blink.Advance(999);
    EXPECT_EQ(station.Get(20), 0x104);
    blink.Advance(1000);
    EXPECT_EQ(station.Get(20), 0x100);
}

TEST(BlinkMoving, TopBitDoesNotCorruptTheRest)
{
    Station station(1);
    station.Set(0, 1);
    BlinkMover blink(station, 0, 31, 10);
    blink.Advance(10);
    EXPECT_EQ(station.Get(0), static_cast<std::int32_t>(0x80000001u));
}

TEST(BlinkMoving, NonsenseSettingsAreRefused)
{
    Station station(1);
    EXPECT_THROW(BlinkMover(station, 0, 32, 10), std::invalid_argument);
    EXPECT_THROW(BlinkMover(station, 0, 0, 0), std::invalid_argument);
    EXPECT_THROW(CounterMover(station, 0, 1, 0), std::invalid_argument);
}

class DemoScene : public ::testing::Test {
protected:
    void At(std::int64_t ms)
    {
        for (auto& mover : movers)
            mover->Advance(ms);
    }
    std::int32_t Reg(std::uint16_t reg) { return stations.Find(1)->Get(reg); }

    StationSet stations;
    MoverList movers;
};

TEST_F(DemoScene, LampBlinksEveryTwoSeconds)
{
    stations.Add(1);
    movers = MakeLiveScript("demo", stations);
    At(0);
    EXPECT_EQ(Reg(300) & 1, 0);
    At(2000);
    EXPECT_EQ(Reg(300) & 1, 1);
    At(3900);
    EXPECT_EQ(Reg(300) & 1, 1);
    At(4000);
    EXPECT_EQ(Reg(300) & 1, 0);
}

TEST_F(DemoScene, PercentCountsToAHundredAndWraps)
{
    stations.Add(1);
    movers = MakeLiveScript("demo", stations);
    At(200);
    EXPECT_EQ(Reg(301), 1);
    At(100 * 200);
    EXPECT_EQ(Reg(301), 100);
    At(101 * 200);
    EXPECT_EQ(Reg(301), 0);
}

TEST_F(DemoScene, WaveStaysWithinItsRangeAndReachesBothEnds)
{
    stations.Add(1);
    movers = MakeLiveScript("demo", stations);
    std::int32_t low = INT32_MAX;
    std::int32_t high = INT32_MIN;
    for (std::int64_t t = 0; t < 40000; t += 100) {
        At(t);
        low = std::min(low, Reg(302));
        high = std::max(high, Reg(302));
    }
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 1000);
}

TEST_F(DemoScene, SecondsCounterTicks)
{
    stations.Add(1);
    movers = MakeLiveScript("demo", stations);
    for (std::int64_t t = 0; t <= 5000; t += 100)
        At(t);
    EXPECT_EQ(Reg(303), 5);
}

TEST_F(DemoScene, NeedsStationOne)
{
    stations.Add(2);
    EXPECT_THROW(MakeLiveScript("demo", stations), std::invalid_argument);
    const auto names = LiveScriptNames();
    EXPECT_NE(std::find(names.begin(), names.end(), "demo"), names.end());
}

}  // namespace
}  // namespace plcsim
