// Which caption the panel shows, and where.
#include "clients/text/tests/text_fixture.h"

#include "clients/common/client_artwork.h"

using texttest::Crop;
using texttest::InkColumns;
using texttest::kGrey;
using texttest::Uniform;

TEST_F(TextTest, NewControlIsTheBarePanel)
{
    int cx = 0, cy = 0;
    ctrl->GetControlSize(&cx, &cy);
    EXPECT_EQ(cx, 168);
    EXPECT_EQ(cy, 24);
    nimbo::Pixels drawn = Render();
    EXPECT_EQ(drawn.argb, ctrl->panel.GetPixels().argb) << "both captions empty: no text, no error";
    EXPECT_EQ(drawn.width, ctrl->panel.GetPixels().width);
}

TEST_F(TextTest, CaptionsRunAgainstTheBit)
{
    ctrl->PutProperty(DISPID_TEXT_CAPTIONON, {}, Variant::String("A"));
    ctrl->PutProperty(DISPID_TEXT_CAPTIONOFF, {}, Variant::String("BBBBBB"));
    ctrl->SetBit(3);
    ASSERT_NE(Showing("A").argb, Showing("BBBBBB").argb);
    ctrl->value = 8;
    EXPECT_EQ(Render().argb, Showing("BBBBBB").argb) << "bit set shows CaptionOff";
    ctrl->value = 0;
    EXPECT_EQ(Render().argb, Showing("A").argb);
    ctrl->value = 7;
    EXPECT_EQ(Render().argb, Showing("A").argb);
    ctrl->value = -1;
    EXPECT_EQ(Render().argb, Showing("BBBBBB").argb);
}

TEST_F(TextTest, DrawingFollowsAStoredBitAtOnce)
{
    ctrl->SetCaptionOn("off");
    ctrl->SetCaptionOff("ON");
    ctrl->value = 0x20;
    ctrl->Bit = 5;  // as persisted, mask not yet recomputed
    EXPECT_EQ(Render().argb, Showing("ON").argb);
}

TEST_F(TextTest, StoredBitPastTheRegisterShowsNoBitSet)
{
    ctrl->SetCaptionOn("clear");
    ctrl->SetCaptionOff("set");
    ctrl->value = -1;
    for (int bit : {32, 40, 1000}) {
        ctrl->Bit = bit;
        EXPECT_EQ(Render().argb, Showing("clear").argb) << "bit " << bit;
        EXPECT_EQ(ctrl->mask, 0u);
    }
}

TEST_F(TextTest, AlignPlacesTheTextRightLeftOrCentred)
{
    ctrl->SetCaptionOn("MMMM");
    ctrl->SetAlign(TEXT_ALIGN_RIGHT);
    auto [rl, rr] = InkColumns(Render());
    ASSERT_LE(rl, rr);
    EXPECT_LE(rr, 161);
    EXPECT_GE(rr, 157) << "flush right, 6 pixels from the edge";

    ctrl->SetAlign(TEXT_ALIGN_LEFT);
    auto [ll, lr] = InkColumns(Render());
    EXPECT_GE(ll, 6);
    EXPECT_LE(ll, 10);
    EXPECT_EQ(lr - ll, rr - rl);

    ctrl->SetAlign(TEXT_ALIGN_CENTRE);
    auto [cl, cr] = InkColumns(Render());
    EXPECT_NEAR((cl + cr + 1) / 2.0, 84.0, 2.0);
    EXPECT_EQ(cr - cl, rr - rl);
}

TEST_F(TextTest, TextIsInForeColorOnTheBarePanel)
{
    ctrl->SetCaptionOn("Marcia");
    nimbo::Pixels drawn = Render();
    nimbo::Pixels bare = ctrl->panel.GetPixels();
    int ink = 0;
    for (std::size_t i = 0; i < drawn.argb.size(); ++i)
        if (drawn.argb[i] != bare.argb[i]) {
            EXPECT_EQ(drawn.argb[i], texttest::kInk);
            ++ink;
        }
    EXPECT_GT(ink, 10);
    EXPECT_EQ(Crop(drawn, 0, 0, 168, 6).argb, Crop(bare, 0, 0, 168, 6).argb) << "nothing drawn over the border";
}

TEST_F(TextTest, StoredAlignOutsideTheThreeShowsTheBarePanel)
{
    ctrl->SetCaptionOn("Marcia");
    ctrl->Align = 3;
    EXPECT_EQ(Render().argb, ctrl->panel.GetPixels().argb);
    ctrl->Align = -1;
    EXPECT_EQ(Render().argb, ctrl->panel.GetPixels().argb);
}

TEST_F(TextTest, OfflineLookIsGreyWithTheOfflineSign)
{
    ctrl->SetCaptionOn("Marcia");
    SendMessageA(ctrl->m_hWnd, WM_PLC_OFFLINE, 0, 0);
    nimbo::Pixels drawn = Render();
    EXPECT_EQ(Crop(drawn, 0, 0, 28, 24).argb, OfflineSign().argb);
    EXPECT_TRUE(Uniform(Crop(drawn, 28, 0, 140, 24), kGrey));
}

TEST_F(TextTest, DisabledLookIsABlankRaisedPanel)
{
    ctrl->SetCaptionOn("Marcia");
    ctrl->SetEnabled(FALSE);
    nimbo::Pixels drawn = Render();
    EXPECT_EQ(drawn.argb, BevelledSquare(168, 24).argb);
    EXPECT_EQ(drawn.argb, ctrl->disabledBitmap.GetPixels().argb);
}

TEST_F(TextTest, LibraryHasItsOwnPictureNumbers)
{
    CBitmap b;
    EXPECT_FALSE(b.LoadBitmap(ClientModule(), 208));
    EXPECT_FALSE(b.LoadBitmap(ClientModule(), 209));
    ASSERT_TRUE(b.LoadBitmap(ClientModule(), IDB_TEXT_PANEL));
    BITMAP size{};
    b.GetBitmap(&size);
    EXPECT_EQ(size.bmWidth, 168);
    EXPECT_EQ(size.bmHeight, 24);
    ASSERT_TRUE(b.LoadBitmap(ClientModule(), IDB_TEXT_OFFLINE));
    EXPECT_EQ(b.GetPixels().argb, OfflineSign().argb);
    ASSERT_TRUE(b.LoadBitmap(ClientModule(), 1));
    b.GetBitmap(&size);
    EXPECT_EQ(size.bmWidth, 16);
    EXPECT_EQ(size.bmHeight, 15);
    EXPECT_NE(LoadIconA(ClientModule(), IDI_TEXT_PAGE), nullptr);
}

TEST_F(TextTest, WindowPaintsTheSameAsTheDrawing)
{
    ctrl->SetCaptionOn("In marcia");
    UpdateWindow(ctrl->m_hWnd);
    nimbo::Pixels shown = nimbo::GrabWindowPixels(ctrl->m_hWnd);
    ASSERT_EQ(shown.width, 168);
    ASSERT_EQ(shown.height, 24);
    EXPECT_EQ(shown.argb, Render().argb);
}
