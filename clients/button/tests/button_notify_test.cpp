// The button under the server's notifications: which ones it follows and
// what it repaints.
#include "clients/button/tests/button_fixture.h"
#include "platform/test_support.h"

TEST_F(ButtonTest, DataForAnotherPlcChangesNothing)
{
    Bind(0, 3);
    nimbo::TakeInvalidations(ctrl.m_hWnd);
    EXPECT_EQ(Data(2, 77), 0);
    EXPECT_EQ(ctrl.value, 0);
    EXPECT_EQ(ctrl.port, nullptr);
    EXPECT_TRUE(nimbo::TakeInvalidations(ctrl.m_hWnd).empty());
}

TEST_F(ButtonTest, UnchangedValueRepaintsNothing)
{
    Bind(0);
    Data(1, 9);
    nimbo::TakeInvalidations(ctrl.m_hWnd);
    ctrl.SetModifiedFlag(FALSE);
    EXPECT_EQ(Data(1, 9), 1);
    EXPECT_TRUE(nimbo::TakeInvalidations(ctrl.m_hWnd).empty());
    EXPECT_FALSE(ctrl.IsModified());
}

TEST_F(ButtonTest, ChangedValueRepaintsOnlyThePicture)
{
    Bind(0);
    ctrl.SetModifiedFlag(FALSE);
    nimbo::TakeInvalidations(ctrl.m_hWnd);
    Data(1, 1);
    auto rects = nimbo::TakeInvalidations(ctrl.m_hWnd);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].left, 0);
    EXPECT_EQ(rects[0].top, 0);
    EXPECT_EQ(rects[0].right, 40);
    EXPECT_EQ(rects[0].bottom, 24);
    EXPECT_TRUE(ctrl.IsModified());
    EXPECT_EQ(ctrl.value, 1);
}

TEST_F(ButtonTest, OfflineGoesForEveryPlcAndRepaintsTheWholeControl)
{
    Bind(0, 7);
    nimbo::TakeInvalidations(ctrl.m_hWnd);
    Offline();
    EXPECT_EQ(ctrl.offline, 1);
    auto rects = nimbo::TakeInvalidations(ctrl.m_hWnd);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].right, 168);
    Data(3, 0);
    EXPECT_EQ(ctrl.offline, 1) << "only data for its own PLC brings it back";
    Data(7, 0);
    EXPECT_EQ(ctrl.offline, 0);
}

TEST_F(ButtonTest, ValueIsTheBitNotTheRegister)
{
    Bind(3);
    Data(1, 0x7F);
    Variant v;
    ASSERT_EQ(ctrl.GetProperty(DISPID_ZEMBUTTON_VALUE, {}, &v), S_OK);
    EXPECT_EQ(v.AsLong(), 1);
    Data(1, 0x77);
    ASSERT_EQ(ctrl.GetProperty(DISPID_ZEMBUTTON_VALUE, {}, &v), S_OK);
    EXPECT_EQ(v.AsLong(), 0);
    EXPECT_EQ(ctrl.PutProperty(DISPID_ZEMBUTTON_VALUE, {}, Variant::Long(1)), CTL_E_SETNOTSUPPORTED);
}

TEST_F(ButtonTest, WindowPublishesTheIdentityRecord)
{
    EXPECT_EQ(GetWindowLongA(ctrl.m_hWnd, GWL_USERDATA), reinterpret_cast<LONG_PTR>(&ctrl.info));
    EXPECT_EQ(ctrl.info.signature, CLIENT_SIGNATURE);
    EXPECT_STREQ(static_cast<const char*>(ctrl.info.typeName), "Zem Simple Button ");
}

TEST_F(ButtonTest, DeclaresTheReadyStateEventWithoutRaisingIt)
{
    int fired = 0;
    ctrl.SetEventSink([&fired](DISPID, const std::string&, const DispArgs&) { ++fired; });
    ASSERT_NE(ctrl.Dispatch().FindEvent(DISPID_READYSTATECHANGE), nullptr);
    Bind(0);
    Data(1, 1);
    Offline();
    EXPECT_EQ(fired, 0);
    EXPECT_EQ(ctrl.GetReadyState(), READYSTATE_COMPLETE);
    Data(1, 1);
    EXPECT_EQ(ctrl.GetReadyState(), READYSTATE_LOADING);
}
