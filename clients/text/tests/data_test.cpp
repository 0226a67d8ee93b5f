// How the server's notifications reach the text.
#include "clients/text/tests/text_fixture.h"

#include "clients/common/client_artwork.h"

using texttest::Crop;

TEST_F(TextTest, ChangeOfTheBitRepaintsTheWholePanel)
{
    ctrl->SetCaptionOn("Ferma");
    ctrl->SetCaptionOff("In marcia");
    Bind(2, 40, 3);
    EXPECT_EQ(Feed(2, 40, 8), 1);
    EXPECT_TRUE(ctrl->IsModified());
    EXPECT_EQ(Invalidated(), (std::vector<RECT>{RECT{0, 0, 168, 24}}));
    EXPECT_EQ(Render().argb, Showing("In marcia").argb);
    Feed(2, 40, 0);
    EXPECT_EQ(Render().argb, Showing("Ferma").argb);
}

TEST_F(TextTest, ChangeInAnotherBitStillRepaintsTheWholePanel)
{
    Bind(2, 40, 3);
    Feed(2, 40, 8);
    Invalidated();
    Feed(2, 40, 9);
    EXPECT_EQ(ctrl->value, 9);
    EXPECT_EQ(Invalidated(), (std::vector<RECT>{RECT{0, 0, 168, 24}}));
}

TEST_F(TextTest, UnchangedValueRepaintsNothing)
{
    Bind(2, 40, 3);
    Feed(2, 40, 8);
    Invalidated();
    ctrl->SetModifiedFlag(FALSE);
    Feed(2, 40, 8);
    EXPECT_TRUE(Invalidated().empty());
    EXPECT_FALSE(ctrl->IsModified());
}

TEST_F(TextTest, DataForAnotherPlcChangesNothing)
{
    Bind(2, 40, 3);
    EXPECT_EQ(Feed(3, 40, 8), 0);
    EXPECT_EQ(ctrl->value, 0);
    EXPECT_FALSE(ctrl->IsModified());
    EXPECT_TRUE(Invalidated().empty());
}

TEST_F(TextTest, OfflineUntilItsOwnPlcAnswers)
{
    ctrl->SetCaptionOn("Ferma");
    Bind(2, 40, 0);
    SendMessageA(ctrl->m_hWnd, WM_PLC_OFFLINE, 0, 0);
    EXPECT_EQ(Crop(Render(), 0, 0, 28, 24).argb, OfflineSign().argb);
    Feed(3, 40, 0);
    EXPECT_EQ(ctrl->offline, 1);
    Invalidated();
    Feed(2, 40, 0);
    EXPECT_EQ(ctrl->offline, 0);
    EXPECT_EQ(Invalidated(), (std::vector<RECT>{RECT{0, 0, 168, 24}})) << "back even with the value unchanged";
    EXPECT_EQ(Render().argb, Showing("Ferma").argb);
}

TEST_F(TextTest, PersistedRegisterOutsideTheImageReadsZero)
{
    Bind(1, 0, 0);
    Feed(1, 0, 1);
    for (int reg : {-5, CComSer::kRegisterCount, 1 << 30}) {
        ctrl->Reg = reg;
        SendMessageA(ctrl->m_hWnd, WM_PLC_DATA, 1, reinterpret_cast<LPARAM>(port.get()));
        EXPECT_EQ(ctrl->value, 0) << "register " << reg;
    }
}

TEST_F(TextTest, IdentityRecordNamesTheControl)
{
    EXPECT_EQ(GetWindowLongA(ctrl->m_hWnd, GWL_USERDATA), reinterpret_cast<LONG_PTR>(&ctrl->info));
    EXPECT_EQ(ctrl->info.signature, CLIENT_SIGNATURE);
    EXPECT_STREQ(ctrl->info.typeName, "Zem Simple Text");
}
