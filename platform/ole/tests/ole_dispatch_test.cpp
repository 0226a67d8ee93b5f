// Dispatch tables, and a control's automation, persistence and extent.
#include "platform/olectl.h"

#include <gtest/gtest.h>

namespace {

class SampleControl : public COleControl {
public:
    SampleControl()
    {
        EnableStockProperties(STOCK_CAPTION | STOCK_ENABLED);
        DispProperty(1, "Level", VT_I4, [this] { return Variant::Long(level); },
                     [this](const Variant& v) { level = v.AsLong(); });
        DispProperty(2, "Handle", VT_I4, [] { return Variant::Long(7); }, nullptr);
        DispParamProperty(
            3, "Cell", VT_I4, {"Row", "Column"}, {VT_I4, VT_I4},
            [](const DispArgs& a) { return Variant::Long(a[0].AsLong() * 10 + a[1].AsLong()); },
            [this](const DispArgs& a, const Variant& v) { lastCell = a[0].AsLong() * 100 + v.AsLong(); });
        DispMethod(4, "Ping", [this] { ++pings; });
        DispEvent(1, "Changed", {"Value"}, {VT_I4});
        SetInitialSize(40, 20);
    }
    void DoPropExchange(CPropExchange* px) override
    {
        COleControl::DoPropExchange(px);
        PX_Long(px, "Level", level, 5);
    }
    BOOL OnSetExtent(const SIZE& size) override { return size.cx <= 100; }
    void Fire(int v) { FireEvent(1, {Variant::Long(v)}); }

    std::int32_t level = 0;
    int lastCell = 0;
    int pings = 0;
};

}  // namespace

TEST(Dispatch, GetPutCallAndTheStandardErrors)
{
    SampleControl c;
    Variant v;
    EXPECT_EQ(c.PutProperty(1, {}, Variant::String("12")), S_OK);
    EXPECT_EQ(c.level, 12);
    EXPECT_EQ(c.PutProperty(1, {}, Variant::String("twelve")), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(c.PutProperty(2, {}, Variant::Long(1)), CTL_E_SETNOTSUPPORTED);
    EXPECT_EQ(c.GetProperty(3, {Variant::Long(2), Variant::Long(3)}, &v), S_OK);
    EXPECT_EQ(v.AsLong(), 23);
    EXPECT_EQ(c.PutProperty(3, {Variant::Long(4), Variant::Long(0)}, Variant::Long(9)), S_OK);
    EXPECT_EQ(c.lastCell, 409) << "arguments come before the value";
    EXPECT_EQ(c.GetProperty(3, {Variant::Long(2)}, &v), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(c.CallMethod(4, {}, &v), S_OK);
    EXPECT_EQ(c.pings, 1);
    EXPECT_EQ(c.CallMethod(1, {}, &v), DISP_E_MEMBERNOTFOUND) << "a property is not a method";
    EXPECT_EQ(c.GetProperty(DISPID_READYSTATE, {}, &v), S_OK);
    EXPECT_EQ(c.Dispatch().Find("level")->id, 1) << "names are matched without case";
}

TEST(Dispatch, EventsReachTheSinkWithTheirNames)
{
    SampleControl c;
    std::vector<std::string> seen;
    c.Fire(1);  // no sink yet: nothing happens
    c.SetEventSink([&](DISPID id, const std::string& name, const DispArgs& args) {
        seen.push_back(std::to_string(id) + " " + name + " " + args.at(0).AsString());
    });
    c.Fire(42);
    EXPECT_EQ(seen, (std::vector<std::string>{"1 Changed 42"}));
}

TEST(ControlPersistence, StockAndOwnPropertiesSaveAndLoad)
{
    SampleControl c;
    c.ResetProperties();
    EXPECT_EQ(c.level, 5);
    c.PutProperty(DISPID_CAPTION, {}, Variant::String("Pompa 1"));
    c.PutProperty(DISPID_ENABLED, {}, Variant::Bool(false));
    c.PutProperty(1, {}, Variant::Long(8));
    EXPECT_TRUE(c.IsModified());
    PropertyBag bag;
    c.SaveProperties(&bag);
    EXPECT_FALSE(c.IsModified());

    SampleControl d;
    d.ResetProperties();
    EXPECT_TRUE(d.LoadProperties(bag).empty());
    EXPECT_EQ(d.InternalGetText(), "Pompa 1");
    EXPECT_EQ(d.GetEnabled(), FALSE);
    EXPECT_EQ(d.level, 8);
}

TEST(ControlExtent, TheControlMayRefuse)
{
    SampleControl c;
    int cx = 0, cy = 0;
    EXPECT_FALSE(c.RequestExtent(200, 10));
    c.GetControlSize(&cx, &cy);
    EXPECT_EQ(cx, 40);
    EXPECT_TRUE(c.RequestExtent(60, 30));
    c.GetControlSize(&cx, &cy);
    EXPECT_EQ(cx, 60);
    EXPECT_EQ(cy, 30);
    EXPECT_TRUE(c.SetControlSize(300, 30)) << "the control's own request is granted";

    PropertyBag bag;
    bag.Write("_ExtentX", Variant::Long(500));
    bag.Write("_ExtentY", Variant::Long(5));
    c.LoadProperties(bag);
    c.GetControlSize(&cx, &cy);
    EXPECT_EQ(cx, 300) << "a stored extent is offered like any request";
}

TEST(Colors, SystemColoursAreResolved)
{
    EXPECT_EQ(COleControl::TranslateColor(0x0000FF00u), 0x0000FF00u);
    EXPECT_EQ(COleControl::TranslateColor(0x80000000u | 15), 0x00C0C0C0u);
    EXPECT_EQ(COleControl::TranslateColor(0x0200FF00u), 0x0000FF00u) << "palette bits dropped";
}
