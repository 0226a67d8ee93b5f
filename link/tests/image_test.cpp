// The register image and the per-PLC tables.
#include "link/tests/link_fixture.h"

TEST_F(LinkTest, RegisterAccessorsTakePlcOneToThirtyOneOnly)
{
    OpenWith(1, 0, 15);
    line->written.clear();
    port->registers[10] = 77;
    for (int plc : {0, 32, -1}) {
        EXPECT_EQ(port->GetRegister(plc, 10), -1) << plc;
        port->SetRegister(plc, 10, 5);
    }
    EXPECT_EQ(port->registers[10], 77);
    EXPECT_TRUE(line->written.empty());
    EXPECT_EQ(port->GetRegister(31, 10), 77);
}

TEST_F(LinkTest, ImageIsFlatWhateverPlcFilledIt)
{
    OpenWith(7, 200, 215);
    line->Deliver(BlockReply(7, 200, 900));
    port->ReceiveStep();
    EXPECT_EQ(port->GetRegister(5, 203), 903);
}

TEST_F(LinkTest, SetRegisterStoresAtOnceAndWritesToThatPlcOnly)
{
    OpenWith(2, 0, 15);
    line->written.clear();
    port->SetRegister(1, 5, 0x12345678);
    EXPECT_EQ(port->registers[5], 0x12345678);
    EXPECT_EQ(line->written, (std::vector<BYTE>{0xFF, 0x01, 0x0B, 0x1D, 0x00, 0x05, 0x12, 0x34, 0x56, 0x78, 0x41}));
    EXPECT_EQ(port->currentPlc, 2) << "the scanned PLC is restored after the write";
    EXPECT_EQ(port->expectedLength, 11) << "the write's echo replaces the awaited read reply";
}

TEST_F(LinkTest, AccessOutsideTheImageIsDroppedWithAReason)
{
    OpenWith(1, 0, 15);
    line->written.clear();
    EXPECT_EQ(port->GetRegister(1, 256000), 0);
    EXPECT_EQ(port->lastDrop, LINK_DROP_REGISTER_OUTSIDE_IMAGE);
    port->lastDrop = LINK_DROP_NONE;
    EXPECT_EQ(port->GetRegister(1, -1), 0);
    EXPECT_EQ(port->lastDrop, LINK_DROP_REGISTER_OUTSIDE_IMAGE);

    port->SetRegister(1, 256000, 1);
    port->SetRegister(1, -5, 1);
    std::int32_t block[16] = {};
    port->lastDrop = LINK_DROP_NONE;
    port->SetRegisterBlock(1, 255990, block);
    EXPECT_EQ(port->lastDrop, LINK_DROP_BLOCK_OUTSIDE_IMAGE);
    EXPECT_TRUE(line->written.empty());

    port->SetRegisterBlock(1, 255984, block);  // the last block that fits
    EXPECT_EQ(line->written.size(), 0u) << "fits the image but not the line's 16-bit register numbers";
    EXPECT_EQ(port->lastDrop, LINK_DROP_REGISTER_NOT_ON_LINE);
}

TEST_F(LinkTest, WriteAboveSixteenBitsStaysInTheImageAndIsNotSentAsAnotherRegister)
{
    OpenWith(1, 0, 15);
    line->written.clear();
    port->SetRegister(1, 65536 + 5, 9);
    EXPECT_EQ(port->registers[65541], 9);
    EXPECT_TRUE(line->written.empty()) << "would have reached the station as register 5";
    EXPECT_EQ(port->lastDrop, LINK_DROP_REGISTER_NOT_ON_LINE);
}

TEST_F(LinkTest, FindEnabledPlcSearchesFromTheIndexAndLoadsTheRange)
{
    EXPECT_EQ(port->FindEnabledPlc(32), 0);
    port->plcEnabled[2] = 1;
    port->plcStart[2] = 500;
    port->plcStop[2] = 100;
    EXPECT_EQ(port->FindEnabledPlc(3), 0);
    EXPECT_EQ(port->FindEnabledPlc(0), 3);
    EXPECT_EQ(port->rangeFirst, 100);
    EXPECT_EQ(port->rangeLast, 500);
    EXPECT_EQ(port->nextRegister, 100);

    port->plcEnabled[5] = 2;  // only exactly 1 counts
    EXPECT_EQ(port->FindEnabledPlc(3), 0);
}

TEST_F(LinkTest, InitialStateAndDynamicCreation)
{
    EXPECT_EQ(port->currentPlc, 1);
    EXPECT_EQ(port->portNumber, 1);
    EXPECT_EQ(port->baudRate, 115200);
    EXPECT_EQ(port->timerInterval, 100);
    EXPECT_EQ(port->rangeLast, 900);
    EXPECT_EQ(port->portHandle, INVALID_HANDLE_VALUE);

    CObject* made = CRuntimeClass::CreateObject("CComSer");
    ASSERT_NE(made, nullptr);
    EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CComSer)));
    EXPECT_STREQ(made->GetRuntimeClass()->m_lpszClassName, "CComSer");
    delete made;
}
