// The server's property pages: their own ranges, the setters' last word,
// and the PLC table edited in place whatever becomes of the sheet.
#include "platform/menu.h"
#include "platform/propsheet.h"
#include "platform/scripting.h"
#include "server/nimbo_prop_page.h"
#include "server/server_dialogs.h"
#include "server/tests/server_fixture.h"

#include <string>

namespace {

class PagesTest : public ServerTest {
protected:
    void SetUp() override
    {
        ServerTest::SetUp();
        nimbo::RegisterPageFactory("NIMBO.NimboPropPage.1", [] { return new CNimboPropPage; });
        nimbo::RegisterPageFactory("nimbo.CModemPropPage", [] { return new CModemPropPage; });
    }
    void TearDown() override
    {
        nimbo::SetDialogDriver({});
        nimbo::SetMenuDriver({});
        nimbo::RegisterPageFactory("NIMBO.NimboPropPage.1", nullptr);
        nimbo::RegisterPageFactory("nimbo.CModemPropPage", nullptr);
        ServerTest::TearDown();
    }
    // Opens the sheet and hands it to act, which closes it.
    void WithSheet(const std::function<void(nimbo::CPropertySheet&)>& act)
    {
        nimbo::SetDialogDriver([&](CDialog& dialog) {
            if (auto* sheet = dynamic_cast<nimbo::CPropertySheet*>(&dialog))
                act(*sheet);
            if (IsWindow(dialog.m_hWnd) && !nimbo::ModalLoopEnding(dialog.m_hWnd))
                dialog.EndDialog(IDCANCEL);
        });
        server->DoVerb(OLEIVERB_PROPERTIES, 0);
    }
    static CNimboPropPage& General(nimbo::CPropertySheet& sheet)
    {
        return dynamic_cast<CNimboPropPage&>(*sheet.GetPage(0));
    }
};

TEST_F(PagesTest, TheSheetShowsTheGeneralAndModemPagesAlone)
{
    WithSheet([](nimbo::CPropertySheet& sheet) {
        ASSERT_EQ(sheet.PageTitles().size(), 2u) << "the server has no colour to set";
        EXPECT_EQ(General(sheet).DocString(), "Names to appear in the control");
        EXPECT_EQ(General(sheet).HelpFile(), "NIMBO.HLP");
        EXPECT_EQ(sheet.PageTitles()[0], "General");
        EXPECT_EQ(sheet.PageTitles()[1], "Modem");
    });
}

struct FieldCase {
    UINT field;
    std::string typed;
    bool passes;
    DISPID property;
    std::int32_t stored;  // what the property holds after the apply
};
void PrintTo(const FieldCase& c, std::ostream* os) { *os << "field " << c.field << " \"" << c.typed << '"'; }

class PageFieldTest : public PagesTest, public ::testing::WithParamInterface<FieldCase> {};

// The page refuses by its ranges; what it lets through still meets the setter.
TEST_P(PageFieldTest, ThePageValidatesAndTheSetterHasTheLastWord)
{
    const FieldCase& c = GetParam();
    const int boxes = nimbo::MessageBoxCount();
    bool applied = false;
    WithSheet([&](nimbo::CPropertySheet& sheet) {
        General(sheet).SetDlgItemText(static_cast<int>(c.field), c.typed);
        applied = sheet.Apply();
    });
    EXPECT_EQ(applied, c.passes);
    EXPECT_EQ(nimbo::MessageBoxCount(), boxes + (c.passes ? 0 : 1));
    EXPECT_EQ(Get(c.property).AsLong(), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, PageFieldTest,
    ::testing::Values(FieldCase{IDC_PAGE_COM, "9", false, DISPID_NIMBO_COM, 1},
                      FieldCase{IDC_PAGE_COM, "8", true, DISPID_NIMBO_COM, 8},
                      FieldCase{IDC_PAGE_SPEED, "10000", true, DISPID_NIMBO_SPEED, 115200},
                      FieldCase{IDC_PAGE_SPEED, "57600", true, DISPID_NIMBO_SPEED, 57600},
                      FieldCase{IDC_PAGE_TICK, "5", true, DISPID_NIMBO_INTERNALTIMER, 100},
                      FieldCase{IDC_PAGE_TICK, "100001", false, DISPID_NIMBO_INTERNALTIMER, 100}));

// Apply puts what the user changed, nothing else: with no edit no setter
// runs (the timer's would turn a dialing tick into the scan period).
TEST_F(PagesTest, ApplyingWithNoEditPutsNothing)
{
    Put(DISPID_NIMBO_INTERNALTIMER, Variant::Long(40));
    server->SetModifiedFlag(FALSE);
    WithSheet([&](nimbo::CPropertySheet& sheet) {
        sheet.SetActivePage(1);
        EXPECT_TRUE(sheet.Apply());
        EXPECT_FALSE(server->IsModified());
        General(sheet).SetDlgItemText(IDC_PAGE_TICK, "50");
        EXPECT_TRUE(sheet.Apply());
        EXPECT_TRUE(server->IsModified()) << "what changed is put";
    });
    EXPECT_EQ(Get(DISPID_NIMBO_INTERNALTIMER).AsLong(), 50);
}

// A general page that finds no port object's address shows no table.
TEST_F(PagesTest, WithoutThePortObjectsAddressThePageShowsNoTable)
{
    nimbo::CPropertySheet sheet("Alone", {});
    sheet.AddPage(std::make_unique<CNimboPropPage>());
    bool shown = false;
    nimbo::SetDialogDriver([&](CDialog& dialog) {
        CNimboPropPage& page = General(sheet);
        shown = IsWindow(page.m_hWnd) != FALSE;
        EXPECT_EQ(page.comSer, nullptr);
        EXPECT_FALSE(IsWindow(page.rowList.m_hWnd));
        dialog.EndDialog(IDCANCEL);
    });
    sheet.DoModal(0);
    EXPECT_TRUE(shown);
}

TEST_F(PagesTest, APasswordOfThirtyThreeCharactersIsRefusedByThePageOnly)
{
    const std::string longer(33, 'x');
    WithSheet([&](nimbo::CPropertySheet& sheet) {
        General(sheet).SetDlgItemText(IDC_PAGE_PASSWORD, longer);
        EXPECT_FALSE(sheet.Apply());
        General(sheet).SetDlgItemText(IDC_PAGE_PASSWORD, longer.substr(1));
        EXPECT_TRUE(sheet.Apply());
    });
    EXPECT_EQ(Get(DISPID_NIMBO_PASSWORD).AsString(), longer.substr(1));
    Put(DISPID_NIMBO_PASSWORD, Variant::String(longer));
    EXPECT_EQ(Get(DISPID_NIMBO_PASSWORD).AsString(), longer);
}

TEST_F(PagesTest, TheTableListEditsInPlaceWhateverBecomesOfTheSheet)
{
    WithSheet([&](nimbo::CPropertySheet& sheet) {
        CNimboPropPage& page = General(sheet);
        EXPECT_EQ(page.comSer, &server->comSer) << "the hidden field carries the whole address";
        CRowCtrl& list = page.rowList;
        ASSERT_EQ(list.GetItemCount(), CComSer::kPlcCount);
        nimbo::SetMenuDriver([](const std::vector<nimbo::MenuEntry>&) { return ID_ROW_DEFAULT; });
        RECT cell{};
        ASSERT_TRUE(list.GetSubItemRect(2, 1, &cell));
        SendMessageA(list.m_hWnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(cell.left + 2, cell.top + 2));
        nimbo::RunEventLoop(0);
        sheet.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(server->comSer.plcEnabled[2], 1);
    EXPECT_EQ(server->comSer.plcStop[2], 900);
}

TEST_F(PagesTest, TheModemPageCarriesTheStrings)
{
    WithSheet([&](nimbo::CPropertySheet& sheet) {
        auto& modem = dynamic_cast<CModemPropPage&>(*sheet.GetPage(1));
        sheet.SetActivePage(1);
        EXPECT_EQ(modem.GetDlgItemText(IDC_MODEM_DISCONNECT), "AT++");
        modem.SetDlgItemText(IDC_MODEM_NUMBER, "ATDT12");
        modem.ClickDlgButton(IDC_MODEM_ENABLE);
        EXPECT_TRUE(sheet.Apply());
    });
    EXPECT_EQ(Get(DISPID_NIMBO_MODEMNUMBER).AsString(), "ATDT12");
    EXPECT_TRUE(Get(DISPID_NIMBO_MODEM).AsBool());
}

TEST_F(PagesTest, TheGeneralPageCarriesFastScan)
{
    WithSheet([&](nimbo::CPropertySheet& sheet) {
        General(sheet).ClickDlgButton(IDC_PAGE_FASTSCAN);
        EXPECT_TRUE(sheet.Apply());
    });
    EXPECT_TRUE(Get(DISPID_NIMBO_FASTSCAN).AsBool());
}

}  // namespace
