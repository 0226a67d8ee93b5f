// The diagnostic window: the password, the PLC table edited in place, the
// live PLC state and the registered clients.
#include "platform/menu.h"
#include "platform/scripting.h"
#include "platform/test_support.h"
#include "server/server_dialogs.h"
#include "server/tests/server_fixture.h"

#include <functional>
#include <string>

namespace {

class ReportTest : public ServerTest {
protected:
    void TearDown() override
    {
        nimbo::SetDialogDriver({});
        nimbo::SetMenuDriver({});
        ServerTest::TearDown();
    }

    // Double-clicks the server; a password request is answered with typed,
    // the report window (if it opens) is handed to act, then closed.
    void OpenReport(const std::string& typed, const std::function<void(CReportDialog&)>& act, bool cancel = false)
    {
        nimbo::SetDialogDriver([&](CDialog& dialog) {
            if (auto* request = dynamic_cast<CPasswordDialog*>(&dialog)) {
                timerDuringRequest = KillTimer(server->m_hWnd, kScanTimer) != FALSE;
                request->SetDlgItemText(IDC_PASSWORD_TEXT, typed);
                cancel ? request->OnCancel() : request->OnOK();
            } else if (auto* report = dynamic_cast<CReportDialog*>(&dialog)) {
                reportOpened = true;
                act(*report);
                report->EndDialog(IDOK);
            }
        });
        SendMessageA(server->m_hWnd, WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
    }
    void OpenReport(const std::function<void(CReportDialog&)>& act) { OpenReport("", act); }

    static void Click(CListCtrl& list, int row, int column, bool right = false)
    {
        RECT cell{};
        ASSERT_TRUE(list.GetSubItemRect(row, column, &cell));
        const LPARAM at = MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
        SendMessageA(list.m_hWnd, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON, at);
        nimbo::RunEventLoop(0);
    }
    // A right click that chooses text from the popup menu; answers the menu's items.
    std::vector<std::string> ChooseFromMenu(CListCtrl& list, int row, int column, const std::string& text)
    {
        std::vector<std::string> items;
        nimbo::SetMenuDriver([&](const std::vector<nimbo::MenuEntry>& entries) {
            UINT chosen = 0;
            for (const auto& e : entries) {
                items.push_back(e.separator ? "-" : e.text);
                if (!e.separator && e.text == text)
                    chosen = e.id;
            }
            return chosen;
        });
        Click(list, row, column, true);
        nimbo::RunEventLoop(0);
        return items;
    }

    bool timerDuringRequest = false;
    bool reportOpened = false;
};

struct PasswordCase {
    const char* typed;
    bool opens;
    bool cancel = false;  // the request is cancelled, not answered
};
void PrintTo(const PasswordCase& c, std::ostream* os) { *os << '"' << c.typed << '"'; }

class PasswordTest : public ReportTest, public ::testing::WithParamInterface<PasswordCase> {};

TEST_P(PasswordTest, TheScanWaitsDuringTheRequestAndRunsAgainAfterIt)
{
    stations.Add(1);
    Enable(1, 0, 15);
    Put(DISPID_NIMBO_PASSWORD, Variant::String("segreto"));
    Put(DISPID_NIMBO_INTERNALTIMER, Variant::Long(40));
    Put(DISPID_NIMBO_GO, Variant::Bool(true));
    OpenReport(GetParam().typed, [](CReportDialog&) {}, GetParam().cancel);
    EXPECT_FALSE(timerDuringRequest);
    EXPECT_EQ(reportOpened, GetParam().opens);
    EXPECT_EQ(nimbo::TimerPeriod(server->m_hWnd, kScanTimer), 40u) << "the scan runs again at its own period";
}

INSTANTIATE_TEST_SUITE_P(Typed, PasswordTest,
                         ::testing::Values(PasswordCase{"segreto", true}, PasswordCase{"segret", false},
                                           PasswordCase{"", false}, PasswordCase{"segreto ", false},
                                           PasswordCase{"segreto", false, true}));

TEST_F(ReportTest, ACellTakesTheLeadingIntegerAndShowsTheTextAsTyped)
{
    OpenReport([&](CReportDialog& report) {
        CRowCtrl& list = report.setupList;
        Click(list, 2, 2);
        ASSERT_TRUE(list.EditorOpen());
        EXPECT_EQ(list.cellEdit.GetText(), "0");
        list.cellEdit.SetText("12abc");
        nimbo::PressKey(list.cellEdit.m_hWnd, VK_RETURN);
        nimbo::RunEventLoop(0);
        EXPECT_FALSE(list.EditorOpen());
        EXPECT_EQ(server->comSer.plcStart[2], 12);
        EXPECT_EQ(list.GetItemText(2, 2), "12abc");
        EXPECT_TRUE(report.Exists()) << "Enter in the editor does not close the window";
    });
    EXPECT_FALSE(server->IsModified());
}

TEST_F(ReportTest, OnARemoteLineTheTableIsShownNotEditedAndTheTitleSaysWhy)
{
    server->comSer.remoteWrite = [](int, int, std::int32_t) {};
    server->comSer.plcStart[2] = 40;
    OpenReport([&](CReportDialog& report) {
        CRowCtrl& list = report.setupList;
        std::vector<std::string> menu;
        nimbo::SetMenuDriver([&](const std::vector<nimbo::MenuEntry>&) {
            menu.push_back("opened");
            return 0u;
        });
        Click(list, 2, 2);
        Click(list, 2, 2, true);
        EXPECT_FALSE(list.EditorOpen());
        EXPECT_TRUE(menu.empty());
        EXPECT_EQ(list.GetItemText(2, 2), "40");
        char title[160] = {};
        GetWindowTextA(report.m_hWnd, title, sizeof title);
        EXPECT_NE(std::string(title).find("linea remota"), std::string::npos) << title;
    });
    server->comSer.remoteWrite = nullptr;
}

TEST_F(ReportTest, LosingTheFocusClosesTheEditorWithoutStoring)
{
    OpenReport([&](CReportDialog& report) {
        CRowCtrl& list = report.setupList;
        Click(list, 0, 3);
        ASSERT_TRUE(list.EditorOpen());
        list.cellEdit.SetText("77");
        SendMessageA(list.cellEdit.m_hWnd, WM_KILLFOCUS, 0, 0);
        nimbo::RunEventLoop(0);
        EXPECT_FALSE(list.EditorOpen());
        EXPECT_EQ(server->comSer.plcStop[0], 0);
    });
}

TEST_F(ReportTest, TheFirstColumnSelectsOnlyByTheRightButton)
{
    server->comSer.plcEnabled[4] = 1;
    server->comSer.plcStop[4] = 99;
    OpenReport([&](CReportDialog& report) {
        CRowCtrl& list = report.setupList;
        Click(list, 1, 1);
        ASSERT_EQ(list.selectedRow, 1);
        EXPECT_EQ(ChooseFromMenu(list, 1, 1, "Annulla").front(), "Chiudi") << "the editor is open";
        list.CloseEditor();
        Click(list, 4, 0);
        EXPECT_FALSE(list.EditorOpen());
        EXPECT_EQ(list.selectedRow, 1);
        EXPECT_EQ(ChooseFromMenu(list, 4, 0, "Reset"),
                  (std::vector<std::string>{"Default", "-", "Reset", "-", "Reset All", "-", "Annulla"}));
        EXPECT_EQ(list.selectedRow, 4);
        EXPECT_EQ(server->comSer.plcEnabled[4], 0);
        EXPECT_EQ(server->comSer.plcStop[4], 0);
        EXPECT_EQ(list.GetItemText(4, 3), "0");
    });
}

// A right click on another row makes that row current, but "Chiudi" stores
// the typed text where the editor was opened.
TEST_F(ReportTest, ChiudiStoresIntoTheCellTheEditorWasOpenedOn)
{
    OpenReport([&](CReportDialog& report) {
        CRowCtrl& list = report.setupList;
        Click(list, 2, 2);
        ASSERT_TRUE(list.EditorOpen());
        list.cellEdit.SetText("300");
        ChooseFromMenu(list, 5, 0, "Chiudi");
        EXPECT_EQ(list.selectedRow, 5);
        EXPECT_EQ(server->comSer.plcStart[2], 300);
        EXPECT_EQ(list.GetItemText(2, 2), "300");
        EXPECT_EQ(server->comSer.plcEnabled[5] | server->comSer.plcStart[5], 0) << "row 5 untouched";
    });
}

// A click right of the last column edits AddrStop; "Reset" before any row
// was selected touches no row.
TEST_F(ReportTest, AClickPastTheLastColumnEditsAddrStopAndResetNeedsARow)
{
    server->comSer.plcEnabled[0] = 1;
    server->comSer.plcStop[3] = 77;
    OpenReport([&](CReportDialog& report) {
        CRowCtrl& list = report.setupList;
        SendMessageA(list.m_hWnd, WM_COMMAND, ID_ROW_RESET, 0);
        EXPECT_EQ(server->comSer.plcEnabled[0], 1) << "no row selected yet";
        RECT cell{};
        ASSERT_TRUE(list.GetSubItemRect(3, 3, &cell));
        SendMessageA(list.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(cell.right + 4, (cell.top + cell.bottom) / 2));
        nimbo::RunEventLoop(0);
        ASSERT_TRUE(list.EditorOpen());
        EXPECT_EQ(list.editorColumn, 2);
        EXPECT_EQ(list.cellEdit.GetText(), "77");
    });
}

TEST_F(ReportTest, DefaultAndResetAllWriteTheTablesAtOnce)
{
    server->comSer.plcStart[0] = 300;
    OpenReport([&](CReportDialog& report) {
        CRowCtrl& list = report.setupList;
        ChooseFromMenu(list, 4, 2, "Default");
        EXPECT_EQ(server->comSer.plcEnabled[4], 1);
        EXPECT_EQ(server->comSer.plcStart[4], 0);
        EXPECT_EQ(server->comSer.plcStop[4], 900);
        EXPECT_EQ(list.GetItemText(4, 3), "900");
        ChooseFromMenu(list, 0, 0, "Reset All");
        for (int plc = 0; plc < CComSer::kPlcCount; ++plc)
            EXPECT_EQ(server->comSer.plcEnabled[plc] | server->comSer.plcStart[plc] | server->comSer.plcStop[plc], 0);
    });
    EXPECT_FALSE(server->IsModified());
}

TEST_F(ReportTest, TheStatusViewShowsPolledPlcsAndFollowsTheScanOnlyWhileShown)
{
    CComSer& port = server->comSer;
    port.plcEnabled[0] = 1;
    port.plcStatus[0] = 1;
    port.plcScanTime[0] = 42;
    port.plcLastSeen[0] = 10 * 65536 + 20 * 256 + 30;
    port.plcEnabled[1] = 2;
    port.plcStatus[1] = 1;
    OpenReport([&](CReportDialog& report) {
        report.ClickDlgButton(IDC_VIEW_STATUS);
        CRowCtrl1& list = report.statusList;
        EXPECT_TRUE(IsWindowVisible(list.m_hWnd));
        EXPECT_FALSE(IsWindowVisible(report.setupList.m_hWnd));
        EXPECT_EQ(list.GetItemText(0, 1), "Ok");
        EXPECT_EQ(list.GetItemText(0, 2), "42 ms");
        EXPECT_EQ(list.GetItemText(0, 3), "10:20:30");
        EXPECT_EQ(list.GetItemText(1, 1), "") << "only an entry of exactly 1 is polled";
        EXPECT_EQ(list.GetItemImage(1), 0) << "a non-zero entry shows the PLC's picture";
        EXPECT_EQ(list.GetItemImage(2), 1);

        port.plcStatus[0] = 0;
        report.PostRefresh(0);
        nimbo::RunEventLoop(0);
        EXPECT_EQ(list.GetItemText(0, 1), "Dead");

        report.ClickDlgButton(IDC_VIEW_SETUP);
        port.plcStatus[0] = 2;
        report.PostRefresh(0);
        report.PostRefresh(-1);
        report.PostRefresh(32);
        nimbo::RunEventLoop(0);
        EXPECT_EQ(list.GetItemText(0, 1), "Dead") << "refreshed only while shown";
    });
}

TEST_F(ReportTest, TheClientViewKeepsTheRowOfAClientThatIsGone)
{
    RecordingClient live(1);
    auto gone = std::make_unique<RecordingClient>(1);
    RecordingClient bare(1, false);
    live.info.windowText = "Lampada";
    live.info.windowRect = RECT{10, 20, 60, 44};
    const HWND goneHandle = gone->m_hWnd;
    for (HWND window : {live.m_hWnd, goneHandle, bare.m_hWnd})
        Put(DISPID_NIMBO_ADDCLIENT, Variant::Long(static_cast<std::int32_t>(window)));
    gone.reset();
    OpenReport([&](CReportDialog& report) {
        report.ClickDlgButton(IDC_VIEW_CLIENT);
        CRowCtrl2& list = report.clientList;
        ASSERT_EQ(list.GetItemCount(), 3);
        EXPECT_EQ(list.GetItemText(0, 0), "Test client");
        EXPECT_EQ(list.GetItemText(0, 2), "Lampada");
        EXPECT_EQ(list.GetItemText(0, 3), "Pos(10,20)-W,H(50,24)");
        char handle[16];
        std::snprintf(handle, sizeof handle, "%08X", static_cast<unsigned>(goneHandle));
        EXPECT_EQ(list.GetItemText(1, 1), handle);
        for (int row : {1, 2})
            EXPECT_EQ(list.GetItemText(row, 0) + list.GetItemText(row, 2) + list.GetItemText(row, 3), "");
    });
    ASSERT_EQ(server->clientRecords.size(), 3u);
    EXPECT_EQ(server->clientRecords[1], nullptr);
}

}  // namespace
