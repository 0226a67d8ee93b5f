// The line is raw 8N1 at the rate asked for, whether termios has a constant
// for that rate or not.
#include "platform/serial/tests/serial_pty.h"
#include "platform/serial/tests/serial_pty_speed.h"

#include <gtest/gtest.h>

#include <termios.h>

namespace {

// 9600 has a classic constant; 14400 has none and once left the line cooked.
class RawLine : public ::testing::TestWithParam<DWORD> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pty.Ok());
        devices.Map(3, pty.Slave());
        port = OpenLikeThePortObject(3, GetParam());
        ASSERT_NE(port, INVALID_HANDLE_VALUE) << nimbo::LastSerialOpenFailure();
    }
    void TearDown() override
    {
        if (port != INVALID_HANDLE_VALUE)
            CloseHandle(port);
    }

    TempDevices devices;
    Pty pty;
    HANDLE port = INVALID_HANDLE_VALUE;
};

}  // namespace

TEST_P(RawLine, SettingsAreRawEightNoneOneAtTheExactRate)
{
    termios tio{};
    ASSERT_EQ(tcgetattr(pty.SlaveFd(), &tio), 0);
    EXPECT_EQ(tio.c_iflag & (IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF), 0u);
    EXPECT_EQ(tio.c_oflag & (OPOST | ONLCR), 0u);
    EXPECT_EQ(tio.c_lflag & (ECHO | ECHONL | ICANON | ISIG | IEXTEN), 0u);
    EXPECT_EQ(tio.c_cflag & CSIZE, tcflag_t(CS8));
    EXPECT_EQ(tio.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(tio.c_cflag & (CLOCAL | CREAD), tcflag_t(CLOCAL | CREAD));
    EXPECT_EQ(tio.c_cc[VMIN], 1) << "a non-blocking read of nothing must mean end-of-file";
    EXPECT_EQ(tio.c_cc[VTIME], 0);
    LineSpeeds speeds = ProbeLineSpeeds(pty.SlaveFd());
    EXPECT_EQ(speeds.out, GetParam());
    EXPECT_EQ(speeds.in, GetParam());
}

TEST_P(RawLine, BytesCrossUnchangedBothWays)
{
    const Bytes request{0x01, 0x0A, 0x0D, 0x03, 0x7F, 0xFF, 0x0A};
    DWORD written = 0;
    OVERLAPPED overlapped{};
    ASSERT_TRUE(WriteFile(port, request.data(), DWORD(request.size()), &written, &overlapped));
    EXPECT_EQ(pty.Receive(request.size()), request);

    const Bytes reply{0x0D, 0x0A, 0x03, 0x04, 0x11, 0x13, 0x7F, 0x1A};
    ASSERT_TRUE(pty.Send(reply));
    EXPECT_EQ(ReadFromHandle(port, DWORD(reply.size())), reply);
}

INSTANTIATE_TEST_SUITE_P(Rates, RawLine, ::testing::Values(9600u, 14400u));
