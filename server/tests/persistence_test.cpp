// Saving and loading the server's settings.
#include "server/tests/server_fixture.h"

TEST_F(ServerTest, SavedKeysComeInTheirOrderWithDefaults)
{
    PropertyBag bag;
    server->SaveProperties(&bag);
    std::vector<std::string> keys;
    for (const auto& kv : bag.Values())
        keys.push_back(kv.first);
    std::vector<std::string> expected{"_Version", "_ExtentX", "_ExtentY", "Speed", "COM", "InternalTimer",
                                      "Password", "ModemInit", "ModemTest", "ModemDisconnect", "ModemNumber",
                                      "Modem", "PlcEnabled1", "PlcStart1", "PlcStop1", "PlcEnabled2"};
    ASSERT_GE(keys.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(keys.begin(), keys.begin() + 16), expected);
    EXPECT_EQ(keys[12 + 95], "PlcStop32");
    EXPECT_EQ(std::vector<std::string>(keys.begin() + 12 + 96, keys.end()),
              (std::vector<std::string>{"FastScan", "ReplyTimeout", "Remote"}));
    EXPECT_FALSE(bag.Read("FastScan")->AsBool());
    EXPECT_EQ(bag.Read("ReplyTimeout")->AsLong(), 30);
    EXPECT_EQ(bag.Read("Remote")->AsString(), "");
    EXPECT_EQ(bag.Read("_Version")->AsLong(), 0x10000);
    EXPECT_EQ(bag.Read("ModemInit")->AsString(), "AT&W1");
    EXPECT_EQ(bag.Read("ModemTest")->AsString(), "AT");
    EXPECT_EQ(bag.Read("ModemDisconnect")->AsString(), "AT++");
}

TEST_F(ServerTest, SaveThenLoadGivesTheSameState)
{
    Put(DISPID_NIMBO_SPEED, Variant::Long(19200));
    Put(DISPID_NIMBO_COM, Variant::Long(3));
    Put(DISPID_NIMBO_INTERNALTIMER, Variant::Long(250));
    Put(DISPID_NIMBO_PASSWORD, Variant::String("segreto \"1\""));
    Put(DISPID_NIMBO_MODEM, Variant::Bool(true));
    Put(DISPID_NIMBO_MODEMNUMBER, Variant::String("0451234"));
    Put(DISPID_NIMBO_FASTSCAN, Variant::Bool(true));
    Put(DISPID_NIMBO_REPLYTIMEOUT, Variant::Long(45));
    Enable(7, 100, 163);
    PropertyBag bag;
    server->SaveProperties(&bag);

    PropertyBag reread;
    std::string error;
    ASSERT_TRUE(reread.FromText(bag.ToText(), &error)) << error;
    CNimboCtrl copy;
    copy.ResetProperties();
    EXPECT_TRUE(copy.LoadProperties(reread).empty());
    EXPECT_EQ(copy.comSer.baudRate, 19200);
    EXPECT_EQ(copy.comSer.portNumber, 3);
    EXPECT_EQ(copy.comSer.timerInterval, 250);
    EXPECT_EQ(copy.password, "segreto \"1\"");
    EXPECT_EQ(copy.modemEnabled, TRUE);
    EXPECT_EQ(copy.modemNumber, "0451234");
    EXPECT_EQ(copy.comSer.plcEnabled[6], 1);
    EXPECT_EQ(copy.comSer.plcStart[6], 100);
    EXPECT_EQ(copy.comSer.plcStop[6], 163);
    EXPECT_EQ(copy.fastScan, TRUE);
    EXPECT_EQ(copy.comSer.replyTimeout, 45);
}

TEST_F(ServerTest, StoredFormWithoutModemKeysLoadsTheirDefaults)
{
    PropertyBag bag;
    std::string error;
    ASSERT_TRUE(bag.FromText("Speed = 4800\nCOM = 2\nPlcEnabled3 = 1\n", &error));
    server->modemTest = "changed";
    server->LoadProperties(bag);
    EXPECT_EQ(server->modemTest, "AT");
    EXPECT_EQ(server->modemInit, "AT&W1");
    EXPECT_EQ(server->modemDisconnect, "AT++");
    EXPECT_EQ(server->modemNumber, "");
    EXPECT_EQ(server->comSer.baudRate, 4800) << "loaded values skip the setters' checks";
    EXPECT_EQ(server->comSer.plcEnabled[2], 1);
    EXPECT_EQ(server->comSer.timerInterval, 100);
    EXPECT_EQ(server->fastScan, FALSE);
    EXPECT_EQ(server->comSer.replyTimeout, 30);
}

TEST_F(ServerTest, UnusableStoredValuesTakeTheDefaultAndAreReported)
{
    PropertyBag bag;
    bag.Write("Speed", Variant::String("fast"));
    bag.Write("Modem", Variant::String("maybe"));
    auto problems = server->LoadProperties(bag);
    EXPECT_EQ(problems.size(), 2u);
    EXPECT_EQ(server->comSer.baudRate, 115200);
    EXPECT_EQ(server->modemEnabled, FALSE);
}
