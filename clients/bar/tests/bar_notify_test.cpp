// The bar under the server's notifications: which ones it follows and what
// it repaints.
#include "clients/bar/tests/bar_fixture.h"
#include "platform/test_support.h"

namespace {
bool IsValueRect(const RECT& r) { return r.left == 0 && r.top == 0 && r.right == 84 && r.bottom == 168; }
}  // namespace

TEST_F(BarTest, DataForAnotherPlcChangesNothing)
{
    EXPECT_EQ(Data(2, 60), 0);
    EXPECT_EQ(ctrl.value, 0);
    EXPECT_EQ(ctrl.port, nullptr);
    EXPECT_TRUE(nimbo::TakeInvalidations(ctrl.m_hWnd).empty());
}

TEST_F(BarTest, UnchangedValueRepaintsNothing)
{
    Data(1, 60);
    nimbo::TakeInvalidations(ctrl.m_hWnd);
    EXPECT_EQ(Data(1, 60), 1);
    EXPECT_TRUE(nimbo::TakeInvalidations(ctrl.m_hWnd).empty());
}

TEST_F(BarTest, ChangedValueRepaintsTheBarAndReadoutOnly)
{
    Data(1, 61);
    auto rects = nimbo::TakeInvalidations(ctrl.m_hWnd);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_TRUE(IsValueRect(rects[0]));
    EXPECT_EQ(ctrl.value, 61);
}

TEST_F(BarTest, OfflineThenDataBringsTheNormalLookBack)
{
    Data(1, 50);
    Offline();
    Data(1, 50);
    EXPECT_EQ(ctrl.offline, 0);
    EXPECT_TRUE(BarShows(Draw(), 84));
}

TEST_F(BarTest, ValueSetByTheHostShowsUntilADifferentRegisterArrives)
{
    Data(1, 10);
    nimbo::TakeInvalidations(ctrl.m_hWnd);
    ctrl.SetModifiedFlag(FALSE);
    EXPECT_EQ(ctrl.PutProperty(DISPID_ZEMBAR_VALUE, {}, Variant::Long(70)), S_OK);
    EXPECT_TRUE(ctrl.IsModified());
    auto rects = nimbo::TakeInvalidations(ctrl.m_hWnd);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_TRUE(IsValueRect(rects[0]));
    EXPECT_TRUE(BarShows(Draw(), 117));
    Data(1, 70);
    EXPECT_TRUE(nimbo::TakeInvalidations(ctrl.m_hWnd).empty());
    Data(1, 10);
    EXPECT_EQ(ctrl.value, 10);
    Variant v;
    ctrl.GetProperty(DISPID_ZEMBAR_VALUE, {}, &v);
    EXPECT_EQ(v.AsLong(), 10);
}

TEST_F(BarTest, DeclaresTheReadyStateEventWithoutRaisingIt)
{
    int fired = 0;
    ctrl.SetEventSink([&fired](DISPID, const std::string&, const DispArgs&) { ++fired; });
    ASSERT_NE(ctrl.Dispatch().FindEvent(DISPID_READYSTATECHANGE), nullptr);
    Data(1, 1);
    Offline();
    EXPECT_EQ(fired, 0);
    Variant state;
    ASSERT_EQ(ctrl.GetProperty(DISPID_READYSTATE, {}, &state), S_OK);
    EXPECT_EQ(state.AsLong(), READYSTATE_COMPLETE);
}
