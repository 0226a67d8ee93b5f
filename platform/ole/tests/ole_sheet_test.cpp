#include "platform/propsheet.h"
#include "platform/scripting.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kLimit = 10;

DialogTemplate LimitsTemplate()
{
    DialogTemplate t;
    t.caption = "Limits";
    t.cx = 250;
    t.cy = 110;
    t.items = {{DialogItem::Static, IDC_STATIC, "Limit:", 7, 9, 30, 8}, {DialogItem::Edit, kLimit, "", 40, 7, 60, 12}};
    return t;
}

class LimitsPage : public COlePropertyPage {
public:
    LimitsPage() : COlePropertyPage(LimitsTemplate(), "Limits") {}
    std::int32_t limit = 0;
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDP_Text(pDX, kLimit, limit, "Limit");
        DDX_Text(pDX, kLimit, limit);
        DDV_MinMaxLong(pDX, limit, 0, 100);
    }
};

class Meter : public COleControl {
public:
    explicit Meter(unsigned stock = STOCK_BACKCOLOR | STOCK_FORECOLOR, std::vector<std::string> pages = {"Test.LimitsPage"})
    {
        EnableStockProperties(stock);
        DispProperty(1, "Limit", VT_I4, [this] { return Variant::Long(limit); },
                     [this](const Variant& v) { limit = v.AsLong(); });
        for (const std::string& page : pages)
            AddPropertyPage(page);
        SetProgId("TEST.MeterCtrl.1");
    }
    std::int32_t limit = 20;
};

class DlgSheet : public ::testing::Test {
protected:
    void SetUp() override
    {
        nimbo::RegisterPageFactory("Test.LimitsPage", [] { return new LimitsPage; });
    }
    void TearDown() override
    {
        nimbo::SetDialogDriver(nullptr);
        nimbo::RegisterPageFactory("Test.LimitsPage", nullptr);
    }
    // Runs the sheet with the driver given the sheet; standard error kept
    // out of the test's output.
    INT_PTR Show(COleControl& control, std::function<void(nimbo::CPropertySheet&)> drive)
    {
        nimbo::SetDialogDriver([drive](CDialog& d) {
            auto* sheet = dynamic_cast<nimbo::CPropertySheet*>(&d);
            ASSERT_NE(sheet, nullptr);
            drive(*sheet);
        });
        ::testing::internal::CaptureStderr();
        const INT_PTR result = nimbo::ShowPropertySheet(&control, 0);
        errors = ::testing::internal::GetCapturedStderr();
        return result;
    }
    std::string errors;
};

TEST_F(DlgSheet, OwnPagesComeFirstThenTheColourPage)
{
    Meter meter;
    std::vector<std::string> titles;
    std::string caption;
    bool colourPage = false;
    const INT_PTR result = Show(meter, [&](nimbo::CPropertySheet& sheet) {
        titles = sheet.PageTitles();
        caption = sheet.FrameCaption();
        colourPage = dynamic_cast<nimbo::CStockColorPage*>(sheet.GetPage(1)) != nullptr;
        sheet.ClickDlgButton(IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(titles, (std::vector<std::string>{"Limits", "Colors"}));
    EXPECT_EQ(caption, "MeterCtrl Properties");
    EXPECT_TRUE(colourPage);
}

TEST_F(DlgSheet, ColourPageListedByTheControlComesOnceWhereListed)
{
    Meter meter(STOCK_BACKCOLOR, {nimbo::kStockColorPageClsid, "Test.LimitsPage", "Test.Missing"});
    std::vector<std::string> titles;
    Show(meter, [&](nimbo::CPropertySheet& sheet) {
        titles = sheet.PageTitles();
        sheet.ClickDlgButton(IDCANCEL);
    });
    EXPECT_EQ(titles, (std::vector<std::string>{"Colors", "Limits"}));
    EXPECT_NE(errors.find("Test.Missing"), std::string::npos);
}

TEST_F(DlgSheet, ColourPageChangesBackColor)
{
    Meter meter;
    std::vector<std::string> properties;
    COLORREF preview = CLR_INVALID;
    const INT_PTR result = Show(meter, [&](nimbo::CPropertySheet& sheet) {
        ASSERT_TRUE(sheet.SetActivePage(1));
        auto* page = dynamic_cast<nimbo::CStockColorPage*>(sheet.GetPage(1));
        ASSERT_NE(page, nullptr);
        properties = page->PropertyNames();
        EXPECT_TRUE(page->SelectProperty("BackColor"));
        EXPECT_TRUE(page->SelectColor(RGB(255, 0, 0)));
        preview = page->PreviewColor();
        EXPECT_TRUE(page->IsDirty());
        sheet.ClickDlgButton(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(properties, (std::vector<std::string>{"BackColor", "ForeColor"}));
    EXPECT_EQ(preview, RGB(255, 0, 0));
    EXPECT_EQ(meter.GetBackColor(), RGB(255, 0, 0));
    EXPECT_EQ(meter.GetForeColor(), 0x80000000u | COLOR_BTNTEXT);
}

TEST_F(DlgSheet, ColourPageShowsEachPropertysOwnColour)
{
    Meter meter;
    meter.SetForeColor(RGB(0, 0, 128));
    Show(meter, [&](nimbo::CPropertySheet& sheet) {
        auto* page = dynamic_cast<nimbo::CStockColorPage*>(sheet.GetPage(1));
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->SelectedProperty(), "BackColor");
        EXPECT_EQ(page->PreviewColor(), GetSysColor(COLOR_BTNFACE));  // the system colour resolved
        page->SelectProperty("ForeColor");
        EXPECT_EQ(page->PreviewColor(), RGB(0, 0, 128));
        EXPECT_FALSE(page->IsDirty());  // looking is not changing
        EXPECT_TRUE(page->SelectColor(0x80000000u | COLOR_WINDOW));
        EXPECT_EQ(page->EditedColor("ForeColor"), 0x80000000u | COLOR_WINDOW);
        EXPECT_EQ(page->EditedColor("BackColor"), 0x80000000u | COLOR_BTNFACE);
        sheet.ClickDlgButton(IDOK);
    });
    EXPECT_EQ(meter.GetForeColor(), 0x80000000u | COLOR_WINDOW);
}

TEST_F(DlgSheet, ColourPageOffersOnlyTheColoursTheControlHas)
{
    Meter meter(STOCK_FORECOLOR);
    std::vector<std::string> properties;
    Show(meter, [&](nimbo::CPropertySheet& sheet) {
        properties = dynamic_cast<nimbo::CStockColorPage*>(sheet.GetPage(1))->PropertyNames();
        sheet.ClickDlgButton(IDCANCEL);
    });
    EXPECT_EQ(properties, (std::vector<std::string>{"ForeColor"}));
    EXPECT_EQ(nimbo::CStockColorPage::Colors().size(), 16u + 25u);
}

TEST_F(DlgSheet, OkStaysOpenWhileAPageRefuses)
{
    Meter meter;
    bool open = false;
    int activeAfterFailure = -1;
    const INT_PTR result = Show(meter, [&](nimbo::CPropertySheet& sheet) {
        COlePropertyPage* limits = sheet.GetPage(0);
        limits->SetDlgItemText(kLimit, "500");
        sheet.SetActivePage(1);
        sheet.ClickDlgButton(IDOK);
        open = IsWindow(sheet.m_hWnd) != 0;
        activeAfterFailure = sheet.GetActiveIndex();
        EXPECT_EQ(nimbo::LastMessageBoxText(), "Please enter an integer between 0 and 100.");
        limits->SetDlgItemText(kLimit, "55");
        sheet.ClickDlgButton(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(open);
    EXPECT_EQ(activeAfterFailure, 0);
    EXPECT_EQ(meter.limit, 55);
}

TEST_F(DlgSheet, ApplyAppliesAndStaysOpen)
{
    Meter meter;
    bool enabledBefore = true, enabledAfterEdit = false, enabledAfterApply = true;
    int limitAfterApply = 0;
    const INT_PTR result = Show(meter, [&](nimbo::CPropertySheet& sheet) {
        const HWND apply = sheet.GetDlgItem(ID_APPLY_NOW);
        enabledBefore = IsWindowEnabled(apply);
        sheet.GetPage(0)->SetDlgItemText(kLimit, "66");
        enabledAfterEdit = IsWindowEnabled(apply);
        sheet.ClickDlgButton(ID_APPLY_NOW);
        limitAfterApply = meter.limit;
        enabledAfterApply = IsWindowEnabled(apply);
        sheet.ClickDlgButton(IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_FALSE(enabledBefore);
    EXPECT_TRUE(enabledAfterEdit);
    EXPECT_EQ(limitAfterApply, 66);
    EXPECT_FALSE(enabledAfterApply);
    EXPECT_EQ(meter.limit, 66);
}

TEST_F(DlgSheet, PropertiesVerbOpensTheSheet)
{
    Meter meter;
    bool sawSheet = false;
    nimbo::SetDialogDriver([&](CDialog& d) {
        sawSheet = dynamic_cast<nimbo::CPropertySheet*>(&d) != nullptr;
        d.ClickDlgButton(IDCANCEL);
    });
    EXPECT_EQ(meter.DoVerb(OLEIVERB_PROPERTIES, 0), S_OK);
    EXPECT_TRUE(sawSheet);
}

TEST_F(DlgSheet, ControlWithoutPagesHasNoSheet)
{
    Meter meter(0, {});
    nimbo::SetDialogDriver([](CDialog& d) { d.EndDialog(IDOK); });
    EXPECT_EQ(nimbo::ShowPropertySheet(&meter, 0), -1);
    EXPECT_EQ(meter.DoVerb(OLEIVERB_PROPERTIES, 0), E_FAIL);
}

TEST_F(DlgSheet, FactoriesComeBeforeTheStore)
{
    std::string error;
    EXPECT_NE(dynamic_cast<LimitsPage*>(nimbo::CreatePropertyPage("test.limitspage", &error).get()), nullptr);
    EXPECT_NE(dynamic_cast<nimbo::CStockColorPage*>(
                  nimbo::CreatePropertyPage("{0be35201-8f91-11ce-9de3-00aa004bb851}", &error).get()),
              nullptr);
    EXPECT_EQ(nimbo::CreatePropertyPage("Test.Unknown", &error), nullptr);
    EXPECT_FALSE(error.empty());
}

}  // namespace
