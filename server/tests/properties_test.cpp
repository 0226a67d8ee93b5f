// The server's automation interface: what each property accepts, ignores
// and refuses.
#include "server/tests/server_fixture.h"
#include "platform/scripting.h"

using plcsim::RequestKind;

TEST_F(ServerTest, SpeedAcceptsOnlyTheListedRates)
{
    Put(DISPID_NIMBO_SPEED, Variant::Long(4800));
    EXPECT_EQ(Get(DISPID_NIMBO_SPEED).AsLong(), 115200);
    for (int ok : {9600, 19200, 38400, 57600, 115200}) {
        Put(DISPID_NIMBO_SPEED, Variant::Long(ok));
        EXPECT_EQ(Get(DISPID_NIMBO_SPEED).AsLong(), ok);
    }
    Put(DISPID_NIMBO_COM, Variant::Long(-4));
    EXPECT_EQ(Get(DISPID_NIMBO_COM).AsLong(), -4) << "stored as given";
}

TEST_F(ServerTest, InternalTimerBoundsAreSixTo99999)
{
    for (int rejected : {5, 100000, 0, -1}) {
        Put(DISPID_NIMBO_INTERNALTIMER, Variant::Long(rejected));
        EXPECT_EQ(Get(DISPID_NIMBO_INTERNALTIMER).AsLong(), 100) << rejected;
    }
    Put(DISPID_NIMBO_INTERNALTIMER, Variant::Long(6));
    EXPECT_EQ(Get(DISPID_NIMBO_INTERNALTIMER).AsLong(), 6);
    Put(DISPID_NIMBO_INTERNALTIMER, Variant::Long(99999));
    EXPECT_EQ(Get(DISPID_NIMBO_INTERNALTIMER).AsLong(), 99999);
}

TEST_F(ServerTest, StandardErrorsForUnsupportedAccess)
{
    Variant v;
    EXPECT_EQ(server->GetProperty(DISPID_NIMBO_ADDCLIENT, {}, &v), CTL_E_GETNOTSUPPORTED);
    EXPECT_EQ(server->GetProperty(DISPID_NIMBO_REMOVECLIENT, {}, &v), CTL_E_GETNOTSUPPORTED);
    EXPECT_EQ(server->PutProperty(DISPID_READYSTATE, {}, Variant::Long(4)), CTL_E_SETNOTSUPPORTED);
    EXPECT_EQ(Get(DISPID_READYSTATE).AsLong(), READYSTATE_LOADING);
    EXPECT_EQ(server->GetProperty(999, {}, &v), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(server->GetProperty(DISPID_NIMBO_REG, {Variant::Long(1)}, &v), DISP_E_BADPARAMCOUNT);
}

TEST_F(ServerTest, ParameterisedAccessorsTakePlcOneToThirtyOne)
{
    server->comSer.registers[10] = 77;
    EXPECT_EQ(Get(DISPID_NIMBO_REG, {Variant::Long(31), Variant::Long(10)}).AsLong(), 77);
    for (int plc : {0, 32}) {
        EXPECT_EQ(Get(DISPID_NIMBO_REG, {Variant::Long(plc), Variant::Long(10)}).AsLong(), -1);
        EXPECT_FALSE(Get(DISPID_NIMBO_PLCENABLED, {Variant::Long(plc)}).AsBool());
        EXPECT_EQ(Get(DISPID_NIMBO_PLCSTART, {Variant::Long(plc)}).AsLong(), -1);
        EXPECT_EQ(Get(DISPID_NIMBO_PLCSTOP, {Variant::Long(plc)}).AsLong(), -1);
        Put(DISPID_NIMBO_PLCENABLED, Variant::Bool(true), {Variant::Long(plc)});
        Put(DISPID_NIMBO_PLCSTART, Variant::Long(9), {Variant::Long(plc)});
    }
    EXPECT_EQ(server->comSer.plcEnabled[31], 0);
    EXPECT_EQ(server->comSer.plcStart[31], 0);

    Put(DISPID_NIMBO_PLCENABLED, Variant::Bool(true), {Variant::Long(31)});
    EXPECT_EQ(server->comSer.plcEnabled[30], 1);
    Put(DISPID_NIMBO_PLCENABLED1 + 31, Variant::Long(1));
    EXPECT_EQ(server->comSer.plcEnabled[31], 1) << "PLC 32 is reached through its numbered property";
    EXPECT_EQ(Get(DISPID_NIMBO_PLCENABLED1 + 31).AsLong(), 1);
    Put(DISPID_NIMBO_PLCSTOP1 + 31, Variant::Long(-7));
    EXPECT_EQ(server->comSer.plcStop[31], -7);
}

TEST_F(ServerTest, RegAndBitWritesGoToTheStation)
{
    stations.Add(1);
    Enable(1, 0, 15);
    Put(DISPID_NIMBO_GO, Variant::Bool(true));

    Put(DISPID_NIMBO_REG, Variant::Long(5), {Variant::Long(32), Variant::Long(10)});
    EXPECT_TRUE(Received(RequestKind::WriteRegister).empty());

    Put(DISPID_NIMBO_REG, Variant::Long(0x50), {Variant::Long(1), Variant::Long(10)});
    ASSERT_EQ(Received(RequestKind::WriteRegister).size(), 1u);
    EXPECT_EQ(stations.Find(1)->Get(10), 0x50);

    Put(DISPID_NIMBO_BIT, Variant::Bool(true), {Variant::Long(1), Variant::Long(10), Variant::Long(4)});
    EXPECT_EQ(Received(RequestKind::WriteRegister).size(), 1u) << "bit 4 was already set: no write";
    Put(DISPID_NIMBO_BIT, Variant::Bool(false), {Variant::Long(1), Variant::Long(10), Variant::Long(4)});
    EXPECT_EQ(stations.Find(1)->Get(10), 0x40);
    Put(DISPID_NIMBO_BIT, Variant::Bool(true), {Variant::Long(1), Variant::Long(10), Variant::Long(40)});
    EXPECT_EQ(static_cast<std::uint32_t>(stations.Find(1)->Get(10)), 0x80000040u) << "bit 40 counts as 31";
    Put(DISPID_NIMBO_BIT, Variant::Bool(true), {Variant::Long(1), Variant::Long(10), Variant::Long(-3)});
    EXPECT_EQ(static_cast<std::uint32_t>(stations.Find(1)->Get(10)), 0x80000041u) << "negative counts as 0";
    EXPECT_EQ(Received(RequestKind::WriteRegister).size(), 4u);
}

TEST_F(ServerTest, BitReadsThroughRegWithTheSameMaskRule)
{
    EXPECT_TRUE(Get(DISPID_NIMBO_BIT, {Variant::Long(0), Variant::Long(10), Variant::Long(3)}).AsBool())
        << "PLC 0 reads the register as -1";
    server->comSer.registers[10] = static_cast<std::int32_t>(0x80000000u);
    EXPECT_TRUE(Get(DISPID_NIMBO_BIT, {Variant::Long(1), Variant::Long(10), Variant::Long(40)}).AsBool());
    EXPECT_FALSE(Get(DISPID_NIMBO_BIT, {Variant::Long(1), Variant::Long(10), Variant::Long(30)}).AsBool());
}

TEST_F(ServerTest, ModifiedFlagFollowsTheSetters)
{
    server->SetModifiedFlag(FALSE);
    Put(DISPID_NIMBO_PLCENABLED1, Variant::Long(1));
    EXPECT_FALSE(server->IsModified()) << "the numbered families do not mark the control";
    Put(DISPID_NIMBO_SPEED, Variant::Long(4800));
    EXPECT_TRUE(server->IsModified()) << "even an ignored speed marks it";
    server->SetModifiedFlag(FALSE);
    Put(DISPID_NIMBO_REG, Variant::Long(1), {Variant::Long(40), Variant::Long(1)});
    EXPECT_TRUE(server->IsModified());
}

TEST_F(ServerTest, InternalComSerHandsOutTheWholeAddress)
{
    Variant v = Get(DISPID_NIMBO_INTERNALCOMSER);
    EXPECT_EQ(v.Type(), VT_I8);
    EXPECT_EQ(reinterpret_cast<CComSer*>(static_cast<std::intptr_t>(v.AsInt64())), &server->comSer);
    EXPECT_EQ(Put(DISPID_NIMBO_INTERNALCOMSER, Variant::Long(5)), S_OK);
    EXPECT_EQ(Get(DISPID_NIMBO_INTERNALCOMSER).AsInt64(), v.AsInt64());
}

TEST_F(ServerTest, ControlKeepsItsSizeAndListsItsPages)
{
    EXPECT_FALSE(server->RequestExtent(100, 50));
    int cx = 0, cy = 0;
    server->GetControlSize(&cx, &cy);
    EXPECT_EQ(cx, 32);
    EXPECT_EQ(cy, 32);
    EXPECT_EQ(server->PropertyPages(), (std::vector<std::string>{"NIMBO.NimboPropPage.1", "nimbo.CModemPropPage"}));
}

TEST_F(ServerTest, AboutBoxIsAModalDialog)
{
    std::string caption;
    nimbo::SetDialogDriver([&](CDialog& dialog) {
        caption = dialog.Template() ? dialog.Template()->caption : "";
        dialog.EndDialog(IDOK);
    });
    Variant none;
    EXPECT_EQ(server->CallMethod(DISPID_ABOUTBOX, {}, &none), S_OK);
    nimbo::SetDialogDriver({});
    EXPECT_EQ(caption, "About Nimbo Control");
}
