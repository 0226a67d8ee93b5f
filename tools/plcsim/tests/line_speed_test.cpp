#include "tools/plcsim/line_speed.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "tools/plcsim/tests/termios2_setter.h"

namespace plcsim {
namespace {

// A rate with no classic code must still come back as its number, or the
// line would pace it at the fallback speed.
TEST(LineSpeed, ArbitraryRateIsReadAsItsNumber)
{
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master) | unlockpt(master), 0);
    const int slave = open(ptsname(master), O_RDWR | O_NOCTTY);
    ASSERT_GE(slave, 0);
    ASSERT_TRUE(test::SetArbitrarySpeed(slave, 250000));
    EXPECT_EQ(ReadLineSpeed(slave), 250000);
    close(slave);
    close(master);
}

}  // namespace
}  // namespace plcsim
