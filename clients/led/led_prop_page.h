// The LED's own property page: the lamp page with the bit number and the
// 32 lamp styles (the page lets 32 through; the property shows it blank).
#pragma once

#include "clients/common/lamp_style_page.h"

constexpr UINT IDD_LED_PAGE = 200;
constexpr UINT IDS_LED_PAGE_TYPENAME = 2;
constexpr UINT IDS_LED_PAGE_CAPTION = 200;

DialogTemplate LedPageTemplate();

class CLedPropPage : public CLampStylePage {
public:
    CLedPropPage();
};
