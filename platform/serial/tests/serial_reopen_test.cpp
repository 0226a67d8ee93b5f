// A line whose device goes away keeps its handle: the port answers nothing
// meanwhile, and opens the same name again, once a second at most, until
// the device is back with the settings it had.
#include "platform/clock.h"
#include "platform/serial/tests/serial_pty.h"
#include "platform/serial/tests/serial_pty_speed.h"

#include <gtest/gtest.h>

#include <memory>
#include <termios.h>

namespace {

class LineLoss : public ::testing::Test {
protected:
    void SetUp() override
    {
        nimbo::SetTickSource(&clock);
        // The real opener, counted: every open of the name, first or again.
        nimbo::SetSerialOpener([this](const std::string& name, DWORD* error, std::string* reason) {
            ++opens;
            return nimbo::OpenPosixSerial(name, error, reason);
        });
        ASSERT_TRUE(first.Ok());
        devices.Map(4, first.Slave());
        port = OpenLikeThePortObject(4, 14400);
        ASSERT_NE(port, INVALID_HANDLE_VALUE) << nimbo::LastSerialOpenFailure();
        opens = 0;
    }
    void TearDown() override
    {
        if (port != INVALID_HANDLE_VALUE)
            CloseHandle(port);
        nimbo::SetSerialOpener({});
        nimbo::SetTickSource(nullptr);
    }

    // As an adapter pulled out: its far end closes and its name dangles.
    void Unplug()
    {
        devices.Map(4, devices.Folder() + "/unplugged");
        first.CloseMaster();
    }

    nimbo::VirtualClock clock;
    TempDevices devices;
    Pty first;
    HANDLE port = INVALID_HANDLE_VALUE;
    int opens = 0;
};

void Poll(HANDLE port)
{
    DWORD errors = 0;
    COMSTAT status{};
    ClearCommError(port, &errors, &status);
}

void Read(HANDLE port)
{
    unsigned char reply[16];
    DWORD got = 0;
    OVERLAPPED overlapped{};
    ReadFile(port, reply, sizeof reply, &got, &overlapped);
}

void Write(HANDLE port)
{
    const unsigned char request[] = {0x01, 0x02, 0x03};
    DWORD written = 0;
    OVERLAPPED overlapped{};
    WriteFile(port, request, sizeof request, &written, &overlapped);
}

// Whichever call meets the dead line first: a hang-up, end-of-file, EIO.
struct Call {
    const char* name;
    void (*run)(HANDLE);
};

void PrintTo(const Call& call, std::ostream* out) { *out << call.name; }

class LossNoticedBy : public LineLoss, public ::testing::WithParamInterface<Call> {};

}  // namespace

TEST_P(LossNoticedBy, EachCallThatMeetsIt)
{
    Unplug();
    GetParam().run(port);
    clock.Advance(1000);
    GetParam().run(port);
    EXPECT_GE(opens, 1) << "the dead line was not taken for lost";
}

INSTANTIATE_TEST_SUITE_P(Calls, LossNoticedBy,
                         ::testing::Values(Call{"ClearCommError", Poll}, Call{"ReadFile", Read},
                                           Call{"WriteFile", Write}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LineLoss, ComesBackUnderItsNameWithItsSettings)
{
    Pty second;  // made while the first lives, so it has another name
    ASSERT_TRUE(second.Ok());
    Unplug();

    // Three seconds of scan ticks on a line that is gone: silence, no error.
    for (int tick = 0; tick < 30; ++tick) {
        clock.Advance(100);
        Write(port);
        DWORD errors = 0;
        COMSTAT status{};
        EXPECT_TRUE(ClearCommError(port, &errors, &status));
        EXPECT_EQ(status.cbInQue, 0u);
        unsigned char reply[16];
        DWORD got = 0;
        EXPECT_TRUE(ReadFile(port, reply, sizeof reply, &got, nullptr));
        EXPECT_EQ(got, 0u);
    }
    EXPECT_LE(opens, 3) << "one try a second at most";

    devices.Map(4, second.Slave());
    clock.Advance(1000);
    Poll(port);

    termios tio{};
    ASSERT_EQ(tcgetattr(second.SlaveFd(), &tio), 0);
    EXPECT_EQ(tio.c_lflag & ICANON, 0u) << "the new device was not set up";
    EXPECT_EQ(ProbeLineSpeeds(second.SlaveFd()).out, 14400u);

    const Bytes request{0x01, 0x0A, 0x02};
    DWORD written = 0;
    EXPECT_TRUE(WriteFile(port, request.data(), DWORD(request.size()), &written, nullptr));
    EXPECT_EQ(second.Receive(request.size()), request);
    const Bytes reply{0x0D, 0x0A};
    ASSERT_TRUE(second.Send(reply));
    EXPECT_EQ(ReadFromHandle(port, DWORD(reply.size())), reply);
}

// The descriptor an event loop watches follows the device: none while the
// line is gone, the new device's once it is back.
TEST_F(LineLoss, TheDescriptorFollowsTheDevice)
{
    Pty second;
    ASSERT_TRUE(second.Ok());
    EXPECT_GE(nimbo::SerialDescriptor(port), 0);
    EXPECT_EQ(nimbo::SerialDescriptor(reinterpret_cast<HANDLE>(0x7)), -1);
    Unplug();
    Poll(port);
    EXPECT_EQ(nimbo::SerialDescriptor(port), -1);
    devices.Map(4, second.Slave());
    clock.Advance(1000);
    Poll(port);
    EXPECT_GE(nimbo::SerialDescriptor(port), 0);
}
