// The form's caption and size as a small dialog; the sizes are checked
// against what a form file may hold.
#include "platform/form/form_settings_dialog.h"

#include "platform/form/form_design.h"

namespace nimbo::form {
namespace {

DialogTemplate SettingsTemplate()
{
    DialogTemplate t;
    t.caption = "Form";
    t.cx = 186;
    t.cy = 86;
    t.items = {
        {DialogItem::Static, IDC_STATIC, "Caption:", 7, 9, 50, 8},
        {DialogItem::Edit, FormSettingsDialog::kCaption, "", 60, 7, 119, 14},
        {DialogItem::Static, IDC_STATIC, "Width (twips):", 7, 28, 50, 8},
        {DialogItem::Edit, FormSettingsDialog::kWidth, "", 60, 26, 50, 14},
        {DialogItem::Static, IDC_STATIC, "Height (twips):", 7, 47, 50, 8},
        {DialogItem::Edit, FormSettingsDialog::kHeight, "", 60, 45, 50, 14},
        {DialogItem::DefPushButton, IDOK, "OK", 75, 65, 50, 14},
        {DialogItem::Button, IDCANCEL, "Cancel", 129, 65, 50, 14},
    };
    return t;
}

}  // namespace

FormSettingsDialog::FormSettingsDialog() : CDialog(SettingsTemplate()) {}

void FormSettingsDialog::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, kCaption, caption);
    DDX_Text(pDX, kWidth, width);
    DDV_MinMaxLong(pDX, width, 1, kMaxTwips);
    DDX_Text(pDX, kHeight, height);
    DDV_MinMaxLong(pDX, height, 1, kMaxTwips);
}

}  // namespace nimbo::form
