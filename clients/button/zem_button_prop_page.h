// The button's own property page: the lamp page with the button's wider
// cells, its twelve styles named Button, and a grey preview for a style the
// strip lacks.
#pragma once

#include "clients/common/lamp_style_page.h"

constexpr UINT IDD_BUTTON_PAGE = 200;
constexpr UINT IDS_BUTTON_PAGE_TYPENAME = 2;
constexpr UINT IDS_BUTTON_PAGE_CAPTION = 200;

enum ZemButtonPageField : UINT {
    IDC_BUTTON_BIT = IDC_LAMP_BIT,
    IDC_BUTTON_REG = IDC_LAMP_REG,
    IDC_BUTTON_PLC = IDC_LAMP_PLC,
    IDC_BUTTON_CAPTION = IDC_LAMP_CAPTION,
    IDC_BUTTON_ALIGN = IDC_LAMP_ALIGN,
    IDC_BUTTON_PREVIEW = IDC_LAMP_PREVIEW,
    IDC_BUTTON_STYLE = IDC_LAMP_STYLE,
};

DialogTemplate ZemButtonPageTemplate();

class CZemButtonPropPage : public CLampStylePage {
public:
    CZemButtonPropPage();
};
