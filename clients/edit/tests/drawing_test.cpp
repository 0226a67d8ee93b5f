#include "clients/common/client_artwork.h"
#include "clients/edit/edit_artwork.h"
#include "clients/edit/edit_value_text.h"
#include "clients/edit/tests/edit_fixture.h"

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kLight = 0xFFC0C0C0;
constexpr std::uint32_t kDark = 0xFF404040;
constexpr std::uint32_t kGreen = 0xFF00FF00;
constexpr std::uint32_t kBlack = 0xFF000000;

int Count(const nimbo::Pixels& p, const RECT& r, std::uint32_t colour)
{
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            n += p.At(x, y) == colour ? 1 : 0;
    return n;
}

int Area(const RECT& r) { return (r.right - r.left) * (r.bottom - r.top); }

class EditDrawingTest : public EditTest {
protected:
    void SetUp() override
    {
        EditTest::SetUp();
        Show();
        ctrl->SetPlc(1);
        ctrl->SetBit(kWholeRegister);
        ctrl->SetEnum(3);
        ctrl->SetForeColor(RGB(0, 255, 0));
        ctrl->SetBackColor(RGB(0, 0, 0));
        Feed(1, 0, 12345);
    }
    // The caption strip inside its frame.
    RECT Strip() const
    {
        const RECT& c = ctrl->controlRect;
        return RECT{4, ctrl->valueRect.bottom + 4, c.right - 4, c.bottom - 4};
    }
};

TEST_F(EditDrawingTest, NumberInTheControlColours)
{
    const nimbo::Pixels p = Draw();
    const RECT& v = ctrl->valueRect;
    const int green = Count(p, v, kGreen), black = Count(p, v, kBlack);
    EXPECT_GT(green, 50);
    EXPECT_GT(black, green);
    // Opaque cells, no antialiasing: nothing else in the number box.
    EXPECT_EQ(green + black, Area(v));
}

TEST_F(EditDrawingTest, TwoSunkenFrames)
{
    const nimbo::Pixels p = Draw();
    const int w = ctrl->controlRect.right, h = ctrl->controlRect.bottom;
    const int boxBottom = ctrl->valueRect.bottom + 4;
    EXPECT_EQ(p.At(0, 0), kWhite);
    EXPECT_EQ(p.At(w - 1, h / 2), kDark);
    EXPECT_EQ(p.At(w / 2, h - 1), kDark);
    EXPECT_EQ(p.At(1, 1), kLight);
    EXPECT_EQ(p.At(2, 2), kLight);
    EXPECT_EQ(p.At(3, 3), kDark);
    EXPECT_EQ(p.At(w - 4, h - 4), kWhite);
    // The number box's own frame closes below the number.
    EXPECT_EQ(p.At(w / 2, boxBottom - 1), kDark);
    EXPECT_EQ(p.At(w / 2, boxBottom - 4), kWhite);
}

TEST_F(EditDrawingTest, CaptionStripIsLightGreyWithTheCaption)
{
    nimbo::Pixels p = Draw();
    const RECT strip = Strip();
    EXPECT_EQ(strip.bottom - strip.top, 20);
    EXPECT_EQ(Count(p, strip, kLight), Area(strip));

    ctrl->SetText("Potenza");
    p = Draw();
    const int ink = Count(p, strip, kBlack);
    EXPECT_GT(ink, 20);
    // Transparent text: only ink and the strip's grey.
    EXPECT_EQ(ink + Count(p, strip, kLight), Area(strip));
    // Centred: as much ink left of the middle as right of it, near enough.
    RECT left = strip, right = strip;
    left.right = right.left = (strip.left + strip.right) / 2;
    const int l = Count(p, left, kBlack), r = Count(p, right, kBlack);
    EXPECT_LT(std::abs(l - r), ink / 4);
}

TEST_F(EditDrawingTest, UnitIsDrawnBesideTheNumber)
{
    ctrl->SetUni("kW");
    const int plain = Count(Draw(), ctrl->valueRect, kGreen);
    ctrl->SetUni("");
    const int none = Count(Draw(), ctrl->valueRect, kGreen);
    EXPECT_GT(plain, none);
    ctrl->SetUni("kW");
    ctrl->SetEnum(35);
    const nimbo::Pixels p = Draw();
    EXPECT_GT(Count(p, ctrl->valueRect, kGreen), 20);
    EXPECT_EQ(ctrl->valueRect.right - ctrl->valueRect.left, Measure("kW").cx);
}

TEST_F(EditDrawingTest, OfflineLook)
{
    SendMessageA(ctrl->m_hWnd, WM_PLC_OFFLINE, 0, 0);
    const nimbo::Pixels p = Draw();
    const nimbo::Pixels sign = OfflineSign();
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 28; ++x)
            ASSERT_EQ(p.At(x, y), sign.At(x, y)) << x << "," << y;
    RECT rest = ctrl->controlRect;
    rest.top = 24;
    EXPECT_EQ(Count(p, rest, kLight), Area(rest));
}

TEST_F(EditDrawingTest, DisabledLook)
{
    ctrl->SetEnabled(FALSE);
    const nimbo::Pixels p = Draw();
    const nimbo::Pixels sign = DisabledSign();
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 28; ++x)
            ASSERT_EQ(p.At(x, y), sign.At(x, y)) << x << "," << y;
    RECT rest = ctrl->controlRect;
    rest.left = 28;
    EXPECT_EQ(Count(p, rest, kLight), Area(rest));
    // Offline wins over disabled.
    SendMessageA(ctrl->m_hWnd, WM_PLC_OFFLINE, 0, 0);
    EXPECT_EQ(Draw().At(15, 3), OfflineSign().At(15, 3));
}

TEST_F(EditDrawingTest, WindowShowsTheNumber)
{
    const nimbo::Pixels p = nimbo::GrabWindowPixels(ctrl->m_hWnd);
    ASSERT_EQ(p.width, ctrl->controlRect.right);
    ASSERT_EQ(p.height, ctrl->controlRect.bottom);
    EXPECT_GT(Count(p, ctrl->valueRect, kGreen), 50);
    EXPECT_EQ(p.At(0, 0), kWhite);
}

TEST_F(EditDrawingTest, NewValueRedrawsTheDigits)
{
    const nimbo::Pixels before = Draw();
    Feed(1, 0, 11111);
    const nimbo::Pixels after = Draw();
    EXPECT_NE(Count(before, ctrl->valueRect, kGreen), Count(after, ctrl->valueRect, kGreen));
}

TEST(EditArtwork, Pictures)
{
    const nimbo::Pixels toolbox = EditToolboxPicture();
    EXPECT_EQ(toolbox.width, 16);
    EXPECT_EQ(toolbox.height, 15);
    for (UINT id : {IDB_CLIENT_DISABLED, IDB_CLIENT_OFFLINE}) {
        CBitmap b;
        ASSERT_TRUE(b.LoadBitmap(ClientModule(), id)) << id;
        BITMAP size{};
        b.GetBitmap(&size);
        EXPECT_EQ(size.bmWidth, 28);
        EXPECT_EQ(size.bmHeight, 24);
    }
    CBitmap icon;
    ASSERT_TRUE(icon.LoadBitmap(ClientModule(), 1));
    BITMAP size{};
    icon.GetBitmap(&size);
    EXPECT_EQ(size.bmWidth, 16);
    EXPECT_EQ(size.bmHeight, 15);
    EXPECT_EQ(nimbo::LoadResourceString(ClientModule(), 2), "Zem STATIC  Property Page");
    EXPECT_EQ(nimbo::LoadResourceString(ClientModule(), 200), "General");
}

}  // namespace
