// Reaching the line through an AT modem: the test, init and dial strings
// one after the other, each on the modem's answer, then the scan.
#include "server/nimbo_ctrl.h"

namespace {

constexpr UINT kDialPeriod = 1000;
constexpr std::size_t kLogKept = 254;  // of the log, before what arrived is put on top
constexpr int kTestSent = 1;
constexpr int kInitSent = 2;
constexpr int kNumberSent = 3;

bool Contains(const std::string& text, const char* word) { return text.find(word) != std::string::npos; }

}  // namespace

void CNimboCtrl::StartDialing()
{
    const std::string test = modemTest + "\r\n";
    comSer.SendText(test.c_str());
    if (m_hWnd)
        SetTimer(m_hWnd, kScanTimer, kDialPeriod, nullptr);
    modemDialog.Open(m_hWnd, test);
    modemStage = kTestSent;
}

// Only what arrived since the last tick is searched, so an answer split
// across two ticks goes unheard; the modem says it again or the operator
// stops the link.
void CNimboCtrl::DialTick()
{
    const char* received = comSer.ReadText();
    const std::string r = received ? received : "";
    std::string t = modemDialog.Text().substr(0, kLogKept);

    auto send = [this, &t](const std::string& command) {
        const std::string line = command + "\r\n";
        comSer.SendText(line.c_str());
        t += line;
    };
    if (modemStage == kTestSent && Contains(r, "OK")) {
        modemStage = kInitSent;
        send(modemInit);
    } else if (modemStage == kInitSent && Contains(r, "OK")) {
        modemStage = kNumberSent;
        send(modemNumber);
    } else if (modemStage == kNumberSent && Contains(r, "CONNECT ")) {
        KillTimer(m_hWnd, kScanTimer);
        comSer.PollNext();
        scanning = 1;
        SetTimer(m_hWnd, kScanTimer, static_cast<UINT>(comSer.timerInterval), nullptr);
    }
    modemDialog.SetText(r + t);
}
