// Forms with automation controls: classes placed by name, properties from
// the file, sizes asked for, and run-time errors.
#include "platform/form.h"
#include "platform/olectl.h"
#include "platform/registry.h"
#include "platform/wingdi.h"
#include "platform/scripting.h"

#include <gtest/gtest.h>

using nimbo::Form;

namespace {

constexpr DISPID kPlc = 1;
constexpr DISPID kWindowAtLoad = 2;

class Gauge : public COleControl {
public:
    static inline int live = 0;
    bool refuseExtent = false;
    std::int32_t plc = 0;
    bool windowAtLoad = false;

    Gauge()
    {
        ++live;
        EnableStockProperties(STOCK_CAPTION);
        SetInitialSize(40, 30);
        DispProperty(kPlc, "Plc", VT_I4, [this] { return Variant::Long(plc); },
                     [this](const Variant& v) { plc = v.AsLong(); });
        DispProperty(kWindowAtLoad, "WindowAtLoad", VT_BOOL, [this] { return Variant::Bool(windowAtLoad); }, nullptr);
    }
    ~Gauge() override
    {
        DestroyWindow();
        --live;
    }
    void DoPropExchange(CPropExchange* px) override
    {
        COleControl::DoPropExchange(px);
        PX_Long(px, "Plc", plc, 0);
        if (px->IsLoading())
            windowAtLoad = m_hWnd != 0;
    }
    BOOL OnSetExtent(const SIZE&) override { return !refuseExtent; }
};

struct FormControl : ::testing::Test {
    void SetUp() override
    {
        Form::RegisterLocalClass("Test.Gauge", [] { return new Gauge; });
        Form::RegisterLocalClass("Test.Stubborn", [] {
            auto* g = new Gauge;
            g->refuseExtent = true;
            return g;
        });
    }
    void TearDown() override
    {
        Form::RegisterLocalClass("Test.Gauge", nullptr);
        Form::RegisterLocalClass("Test.Stubborn", nullptr);
        EXPECT_EQ(Gauge::live, 0) << "every control object is gone with its form";
    }

    std::unique_ptr<Form> Parse(const std::string& text)
    {
        std::string error;
        auto form = Form::Parse(text, "t.form", &error);
        EXPECT_NE(form, nullptr) << error;
        return form;
    }
    std::unique_ptr<Form> Open(const std::string& text)
    {
        auto form = Parse(text);
        std::string error;
        if (form) {
            EXPECT_TRUE(form->Create(&error)) << error;
        }
        return form;
    }
    // What Create says; the form must then hold nothing.
    std::string CreateError(const std::string& text)
    {
        auto form = Parse(text);
        std::string error;
        if (!form)
            return "no form";
        EXPECT_FALSE(form->Create(&error));
        EXPECT_FALSE(form->IsOpen());
        EXPECT_EQ(form->Window(), 0u);
        EXPECT_EQ(Gauge::live, 0);
        return error;
    }
};

const char kGauges[] = R"(Form F
  Begin G1 Test.Gauge
    Left = 150
    Top = 300
    Width = 1500
    Height = 600
    Caption = "r(300).0 PLC =1"
    Plc = 7
  End
  Begin G2 Test.Stubborn
    Width = 1500
    Height = 600
  End
  Begin Label1 Label
  End
End
)";

TEST_F(FormControl, PropertiesLoadBeforeTheWindowAndSizesAreRequests)
{
    auto form = Open(kGauges);
    ASSERT_TRUE(form);
    auto* g1 = dynamic_cast<Gauge*>(form->Control("G1"));
    auto* g2 = dynamic_cast<Gauge*>(form->Control("G2"));
    ASSERT_TRUE(g1 && g2);
    EXPECT_EQ(g1->plc, 7);
    EXPECT_FALSE(g1->windowAtLoad);
    EXPECT_EQ(form->Text("G1"), "r(300).0 PLC =1");
    char text[32] = {};
    GetWindowTextA(g1->m_hWnd, text, sizeof text);
    EXPECT_STREQ(text, "r(300).0 PLC =1") << "the window was made with the loaded caption";

    EXPECT_EQ(GetParent(g1->m_hWnd), form->Window());
    RECT r1{}, r2{}, client{};
    GetWindowRect(g1->m_hWnd, &r1);
    GetWindowRect(g2->m_hWnd, &r2);
    GetWindowRect(form->Window(), &client);
    EXPECT_EQ(r1.left - client.left, 10);
    EXPECT_EQ(r1.top - client.top, 20);
    EXPECT_EQ(r1.right - r1.left, 100);
    EXPECT_EQ(r1.bottom - r1.top, 40);
    EXPECT_EQ(r2.right - r2.left, 40) << "a control may keep its own size";
    EXPECT_EQ(r2.bottom - r2.top, 30);
}

TEST_F(FormControl, GetAndPutByDispatchIdentifier)
{
    auto form = Open(kGauges);
    ASSERT_TRUE(form);
    EXPECT_EQ(form->Get("G1", kPlc).AsLong(), 7);
    form->Put("g1", kPlc, {}, Variant::Long(12));
    EXPECT_EQ(form->Get("G1", kPlc).AsLong(), 12);
    EXPECT_EQ(form->Get("G1", DISPID_CAPTION).AsString(), "r(300).0 PLC =1");
    form->Close();
}

TEST_F(FormControl, FailuresAreRunTimeErrorsThatReturn)
{
    auto form = Open(kGauges);
    ASSERT_TRUE(form);
    std::vector<std::string> told;
    form->OnError([&](const std::string& name, const std::string& reason) { told.push_back(name + " | " + reason); });
    const int boxes = nimbo::MessageBoxCount();

    EXPECT_TRUE(form->Get("G1", 99).IsEmpty());
    EXPECT_EQ(form->LastError(), "G1: member not found (dispatch id 99)");
    EXPECT_EQ(nimbo::LastMessageBoxText(), "G1: member not found (dispatch id 99)");
    form->Put("G1", kWindowAtLoad, {}, Variant::Bool(true));
    EXPECT_EQ(form->LastError(), "G1: Set not supported (read-only property) (dispatch id 2)");
    EXPECT_TRUE(form->Get("Nope", kPlc).IsEmpty());
    EXPECT_EQ(form->LastError(), "Nope: no control of that name on form F");
    EXPECT_TRUE(form->Call("Label1", 1).IsEmpty());
    EXPECT_EQ(form->LastError(), "Label1: a Label has no automation");

    EXPECT_EQ(nimbo::MessageBoxCount(), boxes + 4);
    ASSERT_EQ(told.size(), 4u);
    EXPECT_EQ(told[0], "G1 | member not found (dispatch id 99)");
    EXPECT_TRUE(form->IsOpen()) << "an error ends nothing";
}

TEST_F(FormControl, UnusableValuesStopTheFormAtTheirLine)
{
    EXPECT_EQ(CreateError("Form F\n  Begin G1 Test.Gauge\n    Left = 0\n    Plc = \"seven\"\n  End\nEnd\n"),
              "t.form:4: G1.Plc: not a number");
}

TEST_F(FormControl, UnknownPropertiesOfAControlStopTheForm)
{
    EXPECT_EQ(CreateError("Form F\n  Begin G1 Test.Gauge\n    Plcc = 1\n  End\nEnd\n"),
              "t.form:3: Test.Gauge has no property 'Plcc'");
    EXPECT_EQ(CreateError("Form F\n  Begin G1 Test.Gauge\n  End\n  Begin G2 Test.Gauge\n    plc = 1\n  End\nEnd\n"),
              "t.form:5: Test.Gauge has no property 'plc' (did you mean Plc?)");
}

TEST_F(FormControl, IconsComeFromResourceModules)
{
    HINSTANCE module = nimbo::RegisterResourceModule("form-control-test");
    nimbo::AddIconResource(module, 1, [] {
        nimbo::Pixels p;
        p.width = p.height = 16;
        p.argb.assign(256, 0xFF00FF00u);
        return p;
    });
    auto form = Open("Form F\n  Icon = form-control-test:1\nEnd\n");
    ASSERT_TRUE(form && form->IsOpen());
    EXPECT_EQ(CreateError("Form F\n  Begin G1 Test.Gauge\n  End\n  Icon = form-control-test:9\nEnd\n"),
              "t.form:4: no icon 9 in resource module 'form-control-test'");
}

TEST_F(FormControl, LocalClassesCanBeForgotten)
{
    Form::RegisterLocalClass("Test.Gone", [] { return new Gauge; });
    Form::RegisterLocalClass("Test.Gone", nullptr);
    std::string error;
    EXPECT_EQ(Form::Parse("Form F\n  Begin G1 Test.Gone\n  End\nEnd\n", "t.form", &error), nullptr);
    EXPECT_EQ(error.rfind("t.form:2: unknown control class 'Test.Gone'", 0), 0u) << error;
}

// With a registration store that holds the LED control (the build's own,
// beside the test program), it is placed by its host class name.
TEST_F(FormControl, RegisteredClassFromTheStore)
{
    if (!nimbo::RegistrationStore::Open().Find("LEDLib.Led"))
        GTEST_SKIP() << "no LED control in " << nimbo::RegistrationStore::LookupPath();
    auto form = Open("Form F\n  Begin Led1 LEDLib.Led\n    Left = 300\n    Top = 150\n    Plc = 1\n  End\nEnd\n");
    ASSERT_TRUE(form);
    COleControl* led = form->Control("Led1");
    ASSERT_NE(led, nullptr);
    EXPECT_EQ(led->ProgId(), "LED.LedCtrl.1");
    const DispEntry* plc = led->Dispatch().Find("Plc");
    ASSERT_NE(plc, nullptr);
    EXPECT_EQ(form->Get("Led1", plc->id).AsLong(), 1);
    form->Close();
}

}  // namespace
