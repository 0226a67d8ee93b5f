// Values, property bags and property exchange.
#include "platform/propbag.h"
#include "platform/propexchange.h"

#include <gtest/gtest.h>

TEST(Variants, CoercionsAsAutomationMakesThem)
{
    bool ok = false;
    EXPECT_EQ(Variant::String("0x10").AsLong(&ok), 16);
    EXPECT_TRUE(ok);
    EXPECT_EQ(Variant::String("4294967295").AsLong(&ok), -1) << "unsigned text wraps to the same bits";
    EXPECT_TRUE(ok);
    Variant::String("12abc").AsLong(&ok);
    EXPECT_FALSE(ok);
    Variant::String("99999999999").AsLong(&ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(Variant::Bool(true).AsLong(), 1) << "true arrives as 1";
    EXPECT_TRUE(Variant::String("TRUE").AsBool(&ok));
    Variant::String("maybe").AsBool(&ok);
    EXPECT_FALSE(ok);
    Variant::Int64(1LL << 40).AsLong(&ok);
    EXPECT_FALSE(ok) << "an address does not fit a long";
    EXPECT_EQ(Variant::Int64(1LL << 40).AsString(), "1099511627776");
    Variant out;
    EXPECT_FALSE(Variant::String("x").ChangeType(VT_I4, &out));
    EXPECT_TRUE(Variant::Long(0).ChangeType(VT_BOOL, &out));
    EXPECT_FALSE(out.AsBool());
}

TEST(PropertyBags, TextFormRoundTripsEveryKind)
{
    PropertyBag bag;
    bag.Write("Speed", Variant::Long(-19200));
    bag.Write("Modem", Variant::Bool(true));
    bag.Write("Caption", Variant::String("say \"ciao\"\\\nnext"));
    bag.Write("Speed", Variant::Long(9600));  // replaced in place
    std::string text = bag.ToText();
    EXPECT_EQ(text.substr(0, 13), "Speed = 9600\n");
    PropertyBag back;
    std::string error;
    ASSERT_TRUE(back.FromText(text, &error)) << error;
    ASSERT_EQ(back.Values().size(), 3u);
    EXPECT_EQ(back.Read("Caption")->AsString(), "say \"ciao\"\\\nnext");
    EXPECT_TRUE(back.Read("Modem")->AsBool());
    EXPECT_EQ(back.Read("Nothing"), nullptr);
}

TEST(PropertyBags, BadLinesSayWhereAndWhy)
{
    struct Case {
        const char* text;
        const char* error;
    } cases[] = {
        {"A = 1\nB 2\n", "line 2: expected Key = value"},
        {"A = 1\n\n# note\nB = \"open\n", "line 4: unterminated string"},
        {"Bad Key = 1\n", "line 1: bad property name 'Bad Key'"},
        {"A = twelve\n", "line 1: not a number, true/false or a quoted string: twelve"},
        {"A = \"x\" y\n", "line 1: text after the closing quote"},
        {"A =\n", "line 1: missing value"},
    };
    for (const Case& c : cases) {
        PropertyBag bag;
        std::string error;
        EXPECT_FALSE(bag.FromText(c.text, &error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
    }
}

TEST(PropertyExchange, DefaultsForAbsentKeysAndProblemsForUnusableOnes)
{
    PropertyBag bag;
    bag.Write("Count", Variant::String("lots"));
    bag.Write("Flag", Variant::Long(1));
    bag.Write("Name", Variant::Long(5));
    CPropExchange load(&bag, CPropExchange::Mode::Load);
    std::int32_t count = 9, missing = 9;
    BOOL flag = FALSE;
    std::string name;
    PX_Long(&load, "Count", count, 3);
    PX_Long(&load, "Missing", missing, 4);
    PX_Bool(&load, "Flag", flag, FALSE);
    PX_String(&load, "Name", name, "x");
    EXPECT_EQ(count, 3);
    EXPECT_EQ(missing, 4);
    EXPECT_EQ(flag, TRUE);
    EXPECT_EQ(name, "5");
    ASSERT_EQ(load.Problems().size(), 1u);
    EXPECT_EQ(load.Problems()[0], "Count: not a number");

    CPropExchange reset(&bag, CPropExchange::Mode::Reset);
    PX_Bool(&reset, "Flag", flag, FALSE);
    EXPECT_EQ(flag, FALSE) << "a reset takes every default";
}
