#include "tools/plcsim/random_faults.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

#include "tools/plcsim/station_set.h"
#include "tools/plcsim/tests/request_frames.h"

namespace plcsim {
namespace {

using test::Bytes;

std::vector<std::optional<RandomFault>> Picks(RandomFaultRate rate, int exchanges)
{
    RandomFaultPicker picker(rate);
    std::vector<std::optional<RandomFault>> picks;
    for (int i = 0; i < exchanges; ++i)
        picks.push_back(picker.Next());
    return picks;
}

TEST(RandomFaultPicking, TheSeedReplaysTheRun)
{
    EXPECT_EQ(Picks({5, 42}, 1000), Picks({5, 42}, 1000));
    EXPECT_NE(Picks({5, 42}, 1000), Picks({5, 43}, 1000));
}

TEST(RandomFaultPicking, AboutOneInNAndEveryKind)
{
    std::array<int, kRandomFaultKinds> kinds{};
    int faulted = 0;
    for (const auto& pick : Picks({10, 7}, 12000)) {
        if (pick) {
            ++faulted;
            ++kinds[static_cast<int>(*pick)];
        }
    }
    EXPECT_GT(faulted, 1000);
    EXPECT_LT(faulted, 1400);
    for (int kind = 0; kind < kRandomFaultKinds; ++kind)
        EXPECT_GT(kinds[kind], 100) << "kind " << kind;
}

// Every exchange faulted, each fault checked against a station that has it
// for good: the random one must act the same, bytes, delay and storing.
TEST(RandomFaultsOnTheLine, ActAsTheStationFaultTheyNameAndAreLogged)
{
    StationSet set;
    set.Add(1).Set(300, 4242);
    set.SetRandomFaults({1, 99});
    std::set<std::string> seen;
    for (std::uint16_t i = 0; i < 60; ++i) {
        const Bytes request = i % 2 ? test::ReadBlockRequest(1, 300) : test::WriteRequest(1, i, i + 1);
        const auto replies = set.Feed(request.data(), request.size());
        const std::string injected = set.Log().Entries().back().injected;
        seen.insert(injected);

        Faults faults;
        ASSERT_TRUE(ApplyFaultWord(injected, faults)) << "exchange " << i << ": '" << injected << "'";
        StationSet reference;
        reference.Add(1, faults).Set(300, 4242);
        const auto expected = reference.Feed(request.data(), request.size());
        ASSERT_EQ(replies.size(), expected.size()) << injected;
        if (!replies.empty()) {
            EXPECT_EQ(replies[0].bytes, expected[0].bytes) << injected;
            EXPECT_EQ(replies[0].delay_ms, expected[0].delay_ms) << injected;
        }
        EXPECT_EQ(set.Find(1)->Get(i), reference.Find(1)->Get(i)) << injected;
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(kRandomFaultKinds));
}

}  // namespace
}  // namespace plcsim
