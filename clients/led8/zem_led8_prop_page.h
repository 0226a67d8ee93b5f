// The eight-LED control's own property page: the lamp page with a byte
// number in place of the bit number.
#pragma once

#include "clients/common/lamp_style_page.h"

constexpr UINT IDD_LED8_PAGE = 200;

constexpr int IDC_LED8_BIT = IDC_LAMP_BIT;
constexpr int IDC_LED8_REG = IDC_LAMP_REG;
constexpr int IDC_LED8_PLC = IDC_LAMP_PLC;
constexpr int IDC_LED8_CAPTION = IDC_LAMP_CAPTION;
constexpr int IDC_LED8_ALIGN = IDC_LAMP_ALIGN;
constexpr int IDC_LED8_PREVIEW = IDC_LAMP_PREVIEW;
constexpr int IDC_LED8_STYLE = IDC_LAMP_STYLE;

DialogTemplate ZemLed8PageTemplate();

class CZemLed8PropPage : public CLampStylePage {
public:
    CZemLed8PropPage();
};
