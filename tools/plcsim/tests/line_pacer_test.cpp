#include "tools/plcsim/line_pacer.h"

#include <gtest/gtest.h>

namespace plcsim {
namespace {

using namespace std::chrono_literals;

// A master that counts quiet ticks must see a long reply trickle in, not
// land whole at the end of its wire time.
TEST(LinePacing, BytesLeaveOneByteTimeApart)
{
    LinePacer line(2ms);
    const auto end = LinePacer::Clock::now();
    line.Queue(end, {0, std::vector<std::uint8_t>(72)}, 9600);
    const auto start = end + 2ms;
    EXPECT_TRUE(line.Due(start).empty());
    // 36 bytes of 10 bits at 9600 bit/s take exactly 37.5 ms.
    EXPECT_EQ(line.Due(start + 37'500us - 1ns).size(), 35u);
    EXPECT_EQ(line.Due(start + 37'500us).size(), 36u);
    line.Sent(36);
    EXPECT_EQ(line.NextDue(), start + 37'500us + 1'041'667ns);
    EXPECT_EQ(line.Due(start + 75ms).size(), 36u);
    line.Sent(36);
    EXPECT_TRUE(line.Idle());
}

}  // namespace
}  // namespace plcsim
