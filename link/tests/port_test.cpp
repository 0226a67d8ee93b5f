// Opening, closing and the line settings, on memory lines.
#include "link/tests/link_fixture.h"

#include <cstring>

TEST_F(LinkTest, OpenUsesThePortNumberAndTheLinkSettings)
{
    port->portNumber = 1;
    port->baudRate = 19200;
    OpenWith(1, 0, 15);
    EXPECT_TRUE(line->isOpen);
    EXPECT_EQ(line->lastSettings.BaudRate, 19200u);
    EXPECT_EQ(line->lastSettings.ByteSize, 8);
    EXPECT_EQ(line->lastSettings.Parity, NOPARITY);
    EXPECT_EQ(line->lastSettings.StopBits, ONESTOPBIT);
    EXPECT_EQ(line->lastSettings.fBinary, 1u);
    EXPECT_EQ(line->lastSettings.fOutxCtsFlow, 0u);
    EXPECT_EQ(line->lastSettings.fDtrControl, 0u) << "a direct line holds DTR and RTS off";
    EXPECT_EQ(line->lastSettings.fRtsControl, 0u);
    EXPECT_GE(line->purges, 1) << "purged on open";
}

TEST_F(LinkTest, ModemHandshakeTurnsOnFlowControlAndHoldsTheLinesOn)
{
    port->plcEnabled[0] = 1;
    ASSERT_EQ(port->Open(4096, 4096, 1), 1);
    EXPECT_EQ(line->lastSettings.fOutxCtsFlow, 1u);
    EXPECT_EQ(line->lastSettings.fOutxDsrFlow, 1u);
    EXPECT_EQ(line->lastSettings.fDtrControl, 1u);
    EXPECT_EQ(line->lastSettings.fRtsControl, 1u);
}

TEST_F(LinkTest, SpeedOutsideTheListKeepsWhatTheSettingsTextGave)
{
    port->baudRate = 300;
    OpenWith(1, 0, 15);
    EXPECT_EQ(line->lastSettings.BaudRate, 300u);
}

TEST_F(LinkTest, OpenWithNoPlcEnabledAnswersZeroWithThePortOpen)
{
    EXPECT_EQ(port->Open(4096, 4096, 0), 0);
    EXPECT_TRUE(line->isOpen);
    EXPECT_EQ(port->currentPlc, 0);
}

TEST_F(LinkTest, ReopenKeepsTheOldPortWhenTheNewOneFails)
{
    OpenWith(1, 0, 15);
    port->portNumber = 9;  // nothing behind COM9
    EXPECT_EQ(port->Open(4096, 4096, 0), 0);
    EXPECT_TRUE(line->isOpen);
    EXPECT_NE(port->portHandle, INVALID_HANDLE_VALUE);

    port->portNumber = 2;
    EXPECT_EQ(port->Open(4096, 4096, 0), 1);
    EXPECT_FALSE(line->isOpen) << "the old port is closed once the new one is obtained";
    EXPECT_TRUE(other->isOpen);
}

TEST_F(LinkTest, CloseTwiceAndOperationsOnAClosedPort)
{
    OpenWith(1, 0, 15);
    int purges = line->purges;
    port->Close();
    EXPECT_FALSE(line->isOpen);
    EXPECT_EQ(line->purges, purges + 1) << "purged on close";
    port->Close();
    EXPECT_EQ(port->portHandle, INVALID_HANDLE_VALUE);

    line->written.clear();
    port->SendText("AT\r");
    port->WriteFrame();
    EXPECT_TRUE(line->written.empty());
    EXPECT_EQ(port->ReadAppend(), 0);
    EXPECT_EQ(port->ReadText(), nullptr);
}

TEST_F(LinkTest, SecondOpenerOfOneLineIsRefused)
{
    OpenWith(1, 0, 15);
    CComSer second;
    second.plcEnabled[0] = 1;
    EXPECT_EQ(second.Open(4096, 4096, 0), 0);
    EXPECT_EQ(second.portHandle, INVALID_HANDLE_VALUE);
    EXPECT_EQ(port->ProbePort(1), 0) << "busy while open";
    EXPECT_EQ(port->ProbePort(2), 1);
    EXPECT_FALSE(other->isOpen) << "a probe closes again at once";
    EXPECT_EQ(port->ProbePort(7), 0);
}

TEST_F(LinkTest, TextsGoOutWithoutTerminatorAndComeBackZeroFilled)
{
    OpenWith(1, 0, 15);
    line->written.clear();
    port->SendText("ATDT123");
    EXPECT_EQ(std::string(line->written.begin(), line->written.end()), "ATDT123");

    EXPECT_EQ(port->ReadText(), nullptr);
    std::memset(port->rxBuffer, 0x55, sizeof port->rxBuffer);
    line->Deliver({'O', 'K', '\r', '\n'});
    char* text = port->ReadText();
    ASSERT_EQ(text, reinterpret_cast<char*>(port->rxBuffer));
    EXPECT_STREQ(text, "OK\r\n");
    for (int i = 4; i < 256; ++i)
        ASSERT_EQ(port->rxBuffer[i], 0) << i;
}

TEST_F(LinkTest, LongTextIsReadInPiecesAndAlwaysTerminated)
{
    OpenWith(1, 0, 15);
    line->Deliver(std::vector<BYTE>(300, 'x'));
    char* text = port->ReadText();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::strlen(text), 255u);
    text = port->ReadText();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::strlen(text), 45u) << "the rest stayed in the driver for the next call";
}
