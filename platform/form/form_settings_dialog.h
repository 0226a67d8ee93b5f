// The form's own settings in design mode: its caption and client size, in
// twips as the form file gives them. For the form sources only.
#pragma once

#include "platform/dialog.h"

#include <cstdint>
#include <string>

namespace nimbo::form {

class FormSettingsDialog : public CDialog {
public:
    enum { kCaption = 101, kWidth, kHeight };
    std::string caption;
    std::int32_t width = 0;
    std::int32_t height = 0;

    FormSettingsDialog();
    void DoDataExchange(CDataExchange* pDX) override;
};

}  // namespace nimbo::form
