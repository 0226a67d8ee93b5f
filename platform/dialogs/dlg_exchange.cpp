// Moving values between fields and members, and refusing bad ones with
// the standard messages before anything is taken further.
#include "platform/dialog.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace {

void Complain(CDataExchange* pDX, const std::string& text)
{
    MessageBoxA(pDX->m_pDlgWnd->m_hWnd, text.c_str(), pDX->m_pDlgWnd->FrameCaption().c_str(),
                MB_OK | MB_ICONEXCLAMATION);
}

// What the user sees as characters, not bytes of UTF-8.
std::size_t Characters(const std::string& text)
{
    std::size_t n = 0;
    for (unsigned char c : text)
        n += (c & 0xC0) != 0x80;
    return n;
}

}  // namespace

CDataExchange::CDataExchange(CDialog* dialog, BOOL saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog)
{
}

HWND CDataExchange::PrepareCtrl(int id)
{
    m_idLastControl = id;
    m_bEditLastControl = false;
    return m_pDlgWnd->GetDlgItem(id);
}

HWND CDataExchange::PrepareEditCtrl(int id)
{
    const HWND item = PrepareCtrl(id);
    m_bEditLastControl = true;
    return item;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_idLastControl)
        m_pDlgWnd->FocusItem(m_idLastControl);
    throw CUserException();
}

// A field the dialog does not have is left alone, and so is its member.
void DDX_Text(CDataExchange* pDX, int id, std::int32_t& value)
{
    if (!pDX->PrepareEditCtrl(id))
        return;
    if (!pDX->m_bSaveAndValidate) {
        pDX->m_pDlgWnd->SetDlgItemInt(id, static_cast<UINT>(value), TRUE);
        return;
    }
    BOOL translated = FALSE;
    const auto read = static_cast<std::int32_t>(pDX->m_pDlgWnd->GetDlgItemInt(id, &translated, TRUE));
    if (!translated) {
        Complain(pDX, "Please enter an integer.");
        pDX->Fail();
    }
    value = read;
}

// Wide enough for an address of this process.
void DDX_Text(CDataExchange* pDX, int id, std::int64_t& value)
{
    if (!pDX->PrepareEditCtrl(id))
        return;
    if (!pDX->m_bSaveAndValidate) {
        pDX->m_pDlgWnd->SetDlgItemText(id, std::to_string(value));
        return;
    }
    const std::string text = pDX->m_pDlgWnd->GetDlgItemText(id);
    std::size_t used = 0;
    long long read = 0;
    bool ok = false;
    try {
        read = std::stoll(text, &used, 10);
        ok = text.find_first_not_of(" \t", used) == std::string::npos;
    } catch (const std::exception&) {
        ok = false;
    }
    if (!ok) {
        Complain(pDX, "Please enter an integer.");
        pDX->Fail();
    }
    value = read;
}

void DDX_Text(CDataExchange* pDX, int id, std::string& value)
{
    if (!pDX->PrepareEditCtrl(id))
        return;
    if (pDX->m_bSaveAndValidate)
        value = pDX->m_pDlgWnd->GetDlgItemText(id);
    else
        pDX->m_pDlgWnd->SetDlgItemText(id, value);
}

void DDX_CBIndex(CDataExchange* pDX, int id, int& index)
{
    pDX->PrepareCtrl(id);
    auto* combo = pDX->m_pDlgWnd->Item<CComboBox>(id);
    if (!combo)
        return;
    if (pDX->m_bSaveAndValidate)
        index = combo->GetCurSel();
    else
        combo->SetCurSel(index);
}

void DDX_Check(CDataExchange* pDX, int id, BOOL& checked)
{
    if (!pDX->PrepareCtrl(id))
        return;
    if (pDX->m_bSaveAndValidate)
        checked = pDX->m_pDlgWnd->IsDlgButtonChecked(id) ? TRUE : FALSE;
    else
        pDX->m_pDlgWnd->CheckDlgButton(id, checked ? 1 : 0);
}

void DDV_MinMaxLong(CDataExchange* pDX, std::int32_t value, std::int32_t minimum, std::int32_t maximum)
{
    if (!pDX->m_bSaveAndValidate || (value >= minimum && value <= maximum))
        return;
    Complain(pDX, "Please enter an integer between " + std::to_string(minimum) + " and " + std::to_string(maximum) +
                      ".");
    pDX->Fail();
}

// No limit is put on the edit while it is filled: typing past it is what
// the message is for, and a limit would cut longer values short unseen.
void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int maxChars)
{
    if (!pDX->m_bSaveAndValidate || Characters(value) <= static_cast<std::size_t>(std::max(0, maxChars)))
        return;
    Complain(pDX, "Please enter no more than " + std::to_string(maxChars) + " characters.");
    pDX->Fail();
}
