#include "platform/proppage.h"
#include "platform/scripting.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr UINT kPageDialog = 100, kPageCaption = 1;
constexpr UINT kLimit = 10, kLabel = 11, kMode = 12, kBlink = 13;

HINSTANCE Module()
{
    static HINSTANCE module = [] {
        HINSTANCE m = nimbo::RegisterResourceModule("dlg-pages-tests");
        DialogTemplate t;
        t.caption = "General";
        t.cx = 250;
        t.cy = 110;
        t.items = {
            {DialogItem::Edit, kLimit, "", 7, 7, 60, 12},
            {DialogItem::Edit, kLabel, "", 7, 23, 60, 12},
            {DialogItem::ComboBox, kMode, "Off\nManual\nAuto", 7, 39, 60, 50},
            {DialogItem::CheckBox, kBlink, "Blink", 7, 55, 60, 10},
        };
        nimbo::AddDialogResource(m, kPageDialog, t);
        nimbo::AddStringResource(m, kPageCaption, "General");
        return m;
    }();
    return module;
}

// Every put is written down as "object.Property=value".
class Gauge : public COleControl {
public:
    Gauge(std::string name, std::vector<std::string>* log, bool withLabel = true) : name_(std::move(name))
    {
        auto note = [this, log](const char* property, const Variant& v) {
            log->push_back(name_ + "." + property + "=" + v.AsString());
        };
        DispProperty(1, "Limit", VT_I4, [this] { return Variant::Long(limit); },
                     [this, note](const Variant& v) { limit = v.AsLong(), note("Limit", v); });
        if (withLabel)
            DispProperty(2, "Label", VT_BSTR, [this] { return Variant::String(label); },
                         [this, note](const Variant& v) { label = v.AsString(), note("Label", v); });
        DispProperty(3, "Mode", VT_I4, [this] { return Variant::Long(mode); },
                     [this, note](const Variant& v) { mode = v.AsLong(), note("Mode", v); });
        DispProperty(4, "Blink", VT_BOOL, [this] { return Variant::Bool(blink); },
                     [this, note](const Variant& v) { blink = v.AsBool(), note("Blink", v); });
        DispProperty(5, "Serial", VT_I4, [] { return Variant::Long(1234); }, nullptr);
    }
    std::int32_t limit = 40;
    std::string label = "Tank";
    std::int32_t mode = 2;
    bool blink = true;

private:
    std::string name_;
};

class GeneralPage : public COlePropertyPage {
public:
    GeneralPage() : COlePropertyPage(Module(), kPageDialog, kPageCaption) {}
    std::int32_t limit = 0;
    std::string label;
    int mode = 0;
    BOOL blink = FALSE;
    bool bindSerial = false;
    std::int32_t serial = 0;
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDP_Text(pDX, kLimit, limit, "Limit");
        DDX_Text(pDX, kLimit, limit);
        DDV_MinMaxLong(pDX, limit, 0, 100);
        DDP_Text(pDX, kLabel, label, "Label");
        DDX_Text(pDX, kLabel, label);
        DDV_MaxChars(pDX, label, 8);
        DDP_CBIndex(pDX, kMode, mode, "Mode");
        DDX_CBIndex(pDX, kMode, mode);
        DDP_Check(pDX, kBlink, blink, "Blink");
        DDX_Check(pDX, kBlink, blink);
        // The field must outlive this call: the page writes bound fields
        // back to their properties when it applies, later.
        if (bindSerial)
            DDP_Text(pDX, 0, serial, "Serial");
    }
};

class DlgPages : public ::testing::Test {
protected:
    void SetUp() override
    {
        page.SetObjects({&first, &second});
        ASSERT_TRUE(page.Create(0));
    }
    // Applies with standard error kept out of the test's output.
    bool Apply()
    {
        ::testing::internal::CaptureStderr();
        const bool applied = page.Apply();
        ::testing::internal::GetCapturedStderr();
        return applied;
    }

    std::vector<std::string> log;
    Gauge first{"a", &log};
    Gauge second{"b", &log};
    GeneralPage page;
};

TEST_F(DlgPages, CaptionComesFromTheModulesStrings)
{
    EXPECT_EQ(page.Caption(), "General");
}

TEST_F(DlgPages, FieldsAreLoadedFromTheFirstObject)
{
    EXPECT_EQ(page.GetDlgItemText(kLimit), "40");
    EXPECT_EQ(page.GetDlgItemText(kLabel), "Tank");
    EXPECT_EQ(page.Item<CComboBox>(kMode)->GetCurSel(), 2);
    EXPECT_EQ(page.IsDlgButtonChecked(kBlink), 1u);
    EXPECT_FALSE(page.IsDirty());
    EXPECT_TRUE(log.empty());
}

TEST_F(DlgPages, UserChangesMakeThePageDirty)
{
    page.SetDlgItemText(kLimit, "41");
    EXPECT_TRUE(page.IsDirty());
    EXPECT_TRUE(Apply());
    EXPECT_FALSE(page.IsDirty());
    page.Item<CComboBox>(kMode)->SetCurSel(0, true);
    EXPECT_TRUE(page.IsDirty());
    page.SetModifiedFlag(false);
    page.ClickDlgButton(kBlink);
    EXPECT_TRUE(page.IsDirty());
}

TEST_F(DlgPages, ApplyPutsEveryPropertyOnEveryObjectInExchangeOrder)
{
    page.SetDlgItemText(kLimit, "75");
    page.SetDlgItemText(kLabel, "Boiler");
    page.Item<CComboBox>(kMode)->SetCurSel(1, true);
    page.ClickDlgButton(kBlink);
    ASSERT_TRUE(Apply());
    EXPECT_EQ(log, (std::vector<std::string>{"a.Limit=75", "b.Limit=75", "a.Label=Boiler", "b.Label=Boiler",
                                             "a.Mode=1", "b.Mode=1", "a.Blink=false", "b.Blink=false"}));
    EXPECT_EQ(second.limit, 75);
    EXPECT_EQ(second.label, "Boiler");
    EXPECT_FALSE(second.blink);
}

TEST_F(DlgPages, NothingIsAppliedWhenAFieldFails)
{
    page.SetDlgItemText(kLimit, "60");  // good, and before the bad one
    page.SetDlgItemText(kLabel, "Far too long");
    const int before = nimbo::MessageBoxCount();
    EXPECT_FALSE(Apply());
    EXPECT_EQ(nimbo::MessageBoxCount(), before + 1);
    EXPECT_EQ(nimbo::LastMessageBoxText(), "Please enter no more than 8 characters.");
    EXPECT_EQ(page.LastFailedItem(), static_cast<int>(kLabel));
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(first.limit, 40);
    EXPECT_TRUE(page.IsDirty());
}

TEST_F(DlgPages, EachStandardMessageStopsTheApply)
{
    const std::pair<const char*, const char*> cases[] = {
        {"many", "Please enter an integer."},
        {"101", "Please enter an integer between 0 and 100."},
        {"-1", "Please enter an integer between 0 and 100."},
    };
    for (const auto& [typed, message] : cases) {
        page.SetDlgItemText(kLimit, typed);
        EXPECT_FALSE(Apply()) << typed;
        EXPECT_EQ(nimbo::LastMessageBoxText(), message);
        EXPECT_EQ(page.LastFailedItem(), static_cast<int>(kLimit));
    }
    EXPECT_TRUE(log.empty());
}

TEST_F(DlgPages, ObjectsWithoutThePropertyAreSkipped)
{
    Gauge plain{"c", &log, false};
    page.SetObjects({&first, &plain});
    page.SetDlgItemText(kLabel, "Silo");
    page.SetDlgItemText(kLimit, "41");
    ASSERT_TRUE(Apply());
    EXPECT_EQ(std::count(log.begin(), log.end(), "a.Label=Silo"), 1);
    EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const std::string& s) { return s.rfind("c.Label", 0) == 0; }),
              0);
    EXPECT_EQ(std::count(log.begin(), log.end(), "c.Limit=41"), 1);
}

// What the user left as the page showed it is not put again.
TEST_F(DlgPages, OnlyChangedPropertiesArePut)
{
    page.SetDlgItemText(kLabel, "Silo");
    ASSERT_TRUE(Apply());
    EXPECT_EQ(log, (std::vector<std::string>{"a.Label=Silo", "b.Label=Silo"}));
    log.clear();
    ASSERT_TRUE(Apply());
    EXPECT_TRUE(log.empty()) << "applied once, the value is the page's own again";
}

TEST_F(DlgPages, RefusedPutIsReportedAndStops)
{
    page.bindSerial = true;
    EXPECT_FALSE(Apply());
    EXPECT_NE(nimbo::LastMessageBoxText().find("Serial"), std::string::npos);
}

TEST(DlgPagesUnopened, PageNeverOpenedAppliesNothing)
{
    std::vector<std::string> log;
    Gauge gauge{"a", &log};
    GeneralPage page;
    page.SetObjects({&gauge});
    EXPECT_TRUE(page.Apply());
    EXPECT_TRUE(log.empty());
}

}  // namespace
