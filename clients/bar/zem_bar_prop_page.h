// The bar's own property page: scale, caption, alignment and binding.
#pragma once

#include "platform/proppage.h"

constexpr UINT IDD_BAR_PAGE = 200;
constexpr UINT IDS_BAR_PAGE_TYPENAME = 2;
constexpr UINT IDS_BAR_PAGE_CAPTION = 200;

enum ZemBarPageField : UINT {
    IDC_BAR_REG = 203,
    IDC_BAR_PLC = 204,
    IDC_BAR_CAPTION = 206,
    IDC_BAR_ALIGN = 207,
    IDC_BAR_MIN = 208,
    IDC_BAR_MAX = 209,
};

DialogTemplate ZemBarPageTemplate();

class CZemBarPropPage : public COlePropertyPage {
public:
    CZemBarPropPage();
    ~CZemBarPropPage() override;

    void DoDataExchange(CDataExchange* pDX) override;

    std::string caption;
    std::int32_t align = 0;
    std::int32_t plc = 0;
    std::int32_t reg = 0;
    std::int32_t max = 0;
    std::int32_t min = 0;
};
