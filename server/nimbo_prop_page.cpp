#include "server/nimbo_prop_page.h"

#include "platform/registry.h"
#include "server/nimbo_resources.h"
#include "server/remote_line.h"
#include "server/server_dialogs.h"

// The page's ranges are its own; the properties' setters have the last
// word on what is stored.
namespace {
constexpr std::int32_t kComMin = 1;
constexpr std::int32_t kComMax = 8;
constexpr std::int32_t kSpeedMin = 9600;
constexpr std::int32_t kSpeedMax = 115200;
constexpr std::int32_t kTickMin = 5;
constexpr std::int32_t kTickMax = 100000;
constexpr int kPasswordMax = 32;
}  // namespace

CNimboPropPage::CNimboPropPage()
    : COlePropertyPage(NimboDialogResources(), IDD_PROPPAGE_NIMBO, IDS_NIMBO_PPG_CAPTION)
{
    SetHelpInfo("Names to appear in the control", "NIMBO.HLP");
    nimbo::ObjectCreated();
}

CNimboPropPage::~CNimboPropPage()
{
    DestroyWindow();
    nimbo::ObjectDestroyed();
}

// Once the fields hold the properties, the PLC table list comes up over
// its frame, on the port object's own tables: what is edited there takes
// effect at once, whether the page is applied or cancelled.
BOOL CNimboPropPage::OnInitDialog()
{
    COlePropertyPage::OnInitDialog();
    ShowWindow(GetDlgItem(IDC_PAGE_COMSER), SW_HIDE);
    if (internalComSer != 0)
        comSer = reinterpret_cast<CComSer*>(static_cast<std::intptr_t>(internalComSer));
    const RECT place = TakeFramePlace(*this, IDC_LIST_FRAME);
    if (!comSer)
        return TRUE;
    rowList.CreateList(place, m_hWnd, IDC_LIST_FRAME);
    rowList.SetupColumns();
    rowList.SetTables(comSer->plcEnabled, comSer->plcStart, comSer->plcStop, CComSer::kPlcCount);
    rowList.FillRows();
    // On a remote line the table is the gateway's: shown, greyed, not edited.
    rowList.readOnly = OnRemoteLine(comSer);
    if (rowList.readOnly)
        EnableWindow(rowList.m_hWnd, FALSE);
    return TRUE;
}

void CNimboPropPage::DoDataExchange(CDataExchange* pDX)
{
    DDP_Text(pDX, IDC_PAGE_COM, com, "COM");
    DDX_Text(pDX, IDC_PAGE_COM, com);
    DDV_MinMaxLong(pDX, com, kComMin, kComMax);
    DDP_Text(pDX, IDC_PAGE_PASSWORD, password, "Password");
    DDX_Text(pDX, IDC_PAGE_PASSWORD, password);
    DDV_MaxChars(pDX, password, kPasswordMax);
    DDP_Text(pDX, IDC_PAGE_SPEED, speed, "Speed");
    DDX_Text(pDX, IDC_PAGE_SPEED, speed);
    DDV_MinMaxLong(pDX, speed, kSpeedMin, kSpeedMax);
    DDP_Text(pDX, IDC_PAGE_TICK, internalTimer, "InternalTimer");
    DDX_Text(pDX, IDC_PAGE_TICK, internalTimer);
    DDV_MinMaxLong(pDX, internalTimer, kTickMin, kTickMax);
    DDP_Check(pDX, IDC_PAGE_FASTSCAN, fastScan, "FastScan");
    DDX_Check(pDX, IDC_PAGE_FASTSCAN, fastScan);
    DDP_Text(pDX, IDC_PAGE_COMSER, internalComSer, "InternalComSer");
    DDX_Text(pDX, IDC_PAGE_COMSER, internalComSer);
}

CModemPropPage::CModemPropPage()
    : COlePropertyPage(NimboDialogResources(), IDD_PROPPAGE_MODEM, IDS_MODEM_PPG_CAPTION)
{
    nimbo::ObjectCreated();
}

CModemPropPage::~CModemPropPage()
{
    DestroyWindow();
    nimbo::ObjectDestroyed();
}

void CModemPropPage::DoDataExchange(CDataExchange* pDX)
{
    DDP_Text(pDX, IDC_MODEM_DISCONNECT, modemDisconnect, "ModemDisconnect");
    DDX_Text(pDX, IDC_MODEM_DISCONNECT, modemDisconnect);
    DDP_Text(pDX, IDC_MODEM_INIT, modemInit, "ModemInit");
    DDX_Text(pDX, IDC_MODEM_INIT, modemInit);
    DDP_Text(pDX, IDC_MODEM_NUMBER, modemNumber, "ModemNumber");
    DDX_Text(pDX, IDC_MODEM_NUMBER, modemNumber);
    DDP_Text(pDX, IDC_MODEM_TEST, modemTest, "ModemTest");
    DDX_Text(pDX, IDC_MODEM_TEST, modemTest);
    DDP_Check(pDX, IDC_MODEM_ENABLE, modem, "Modem");
    DDX_Check(pDX, IDC_MODEM_ENABLE, modem);
}
