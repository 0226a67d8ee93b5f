// How the server's notifications reach the lamps.
#include "clients/led8/tests/led8_fixture.h"

#include "clients/common/client_artwork.h"

using led8test::Crop;

TEST_F(Led8Test, DataForItsPlcShowsTheRegisterAndRepaintsOnlyTheLampRow)
{
    Bind(3, 120);
    EXPECT_EQ(Feed(3, 120, 0x81), 1);
    EXPECT_EQ(ctrl->value, 0x81);
    EXPECT_TRUE(ctrl->IsModified());
    EXPECT_EQ(Invalidated(), (std::vector<RECT>{RECT{0, 24, 224, 48}}));
    EXPECT_EQ(LitLamps(0), 0x81u);
}

TEST_F(Led8Test, ByteOneOfARegisterThroughTheServer)
{
    Bind(1, 7);
    ctrl->SetBit(1);
    Feed(1, 7, 0x8100);
    EXPECT_EQ(LitLamps(0), 0x81u);
    ctrl->SetBit(0);
    EXPECT_EQ(LitLamps(0), 0u);
}

TEST_F(Led8Test, DataForAnotherPlcChangesNothing)
{
    Bind(3, 120);
    EXPECT_EQ(Feed(4, 120, 0x81), 0);
    EXPECT_EQ(ctrl->value, 0);
    EXPECT_EQ(ctrl->port, nullptr);
    EXPECT_FALSE(ctrl->IsModified());
    EXPECT_TRUE(Invalidated().empty());
}

TEST_F(Led8Test, UnchangedValueRepaintsNothing)
{
    Bind(2, 10);
    Feed(2, 10, 0x42);
    Invalidated();
    ctrl->SetModifiedFlag(FALSE);
    ctrl->writePending = 1;
    EXPECT_EQ(Feed(2, 10, 0x42), 1);
    EXPECT_TRUE(Invalidated().empty());
    EXPECT_FALSE(ctrl->IsModified());
    EXPECT_EQ(ctrl->writePending, 0);
}

TEST_F(Led8Test, ChangeInAByteNotShownStillRepaintsTheLampRow)
{
    Bind(2, 10);
    Feed(2, 10, 0x01);
    Invalidated();
    Feed(2, 10, 0x0101);
    EXPECT_EQ(Invalidated(), (std::vector<RECT>{RECT{0, 24, 224, 48}}));
}

TEST_F(Led8Test, OfflineThenDataBringsTheNormalLookBack)
{
    Bind(5, 0);
    Feed(5, 0, 0x81);
    Invalidated();
    EXPECT_EQ(SendMessageA(ctrl->m_hWnd, WM_PLC_OFFLINE, 0, 0), 1);
    EXPECT_EQ(ctrl->offline, 1);
    EXPECT_EQ(ctrl->GetReadyState(), READYSTATE_COMPLETE);
    EXPECT_EQ(Invalidated(), (std::vector<RECT>{RECT{0, 0, 224, 48}}));
    EXPECT_EQ(Crop(Render(), 0, 0, 28, 24).argb, OfflineSign().argb);

    Feed(7, 0, 0x81);
    EXPECT_EQ(ctrl->offline, 1) << "another PLC's data leaves it offline";
    Feed(5, 0, 0x81);
    EXPECT_EQ(ctrl->offline, 0);
    EXPECT_EQ(ctrl->GetReadyState(), READYSTATE_LOADING);
    EXPECT_EQ(Invalidated(), (std::vector<RECT>{RECT{0, 0, 224, 48}}));
    EXPECT_EQ(LitLamps(0), 0x81u);
}

TEST_F(Led8Test, NullPortIsTakenButNothingRead)
{
    Bind(1, 0);
    EXPECT_EQ(SendMessageA(ctrl->m_hWnd, WM_PLC_DATA, 1, 0), 1);
    EXPECT_EQ(ctrl->value, 0);
    EXPECT_TRUE(Invalidated().empty());
}

TEST_F(Led8Test, PersistedRegisterOutsideTheImageReadsZero)
{
    Bind(1, 0);
    Feed(1, 0, 0x81);
    for (int reg : {-1, CComSer::kRegisterCount, 1 << 30}) {
        ctrl->Reg = reg;  // as persisted data arrives, unchecked
        SendMessageA(ctrl->m_hWnd, WM_PLC_DATA, 1, reinterpret_cast<LPARAM>(port.get()));
        EXPECT_EQ(ctrl->value, 0) << "register " << reg;
    }
}

TEST_F(Led8Test, IdentityRecordIsPublishedAndRefreshed)
{
    EXPECT_EQ(GetWindowLongA(ctrl->m_hWnd, GWL_USERDATA), reinterpret_cast<LONG_PTR>(&ctrl->info));
    EXPECT_EQ(ctrl->info.signature, CLIENT_SIGNATURE);
    EXPECT_STREQ(ctrl->info.typeName, "Zem Led 8 ");
    Bind(1, 0);
    ctrl->SetText("Allarmi");
    Feed(1, 0, 1);
    EXPECT_STREQ(ctrl->info.windowText, "Allarmi");
}
