// The two-caption text control's own property page. Its labels follow the
// bit, not the property names: "Titolo Stato ON" edits CaptionOff, the text
// shown while the bit is 1.
#pragma once

#include "platform/proppage.h"

constexpr UINT IDD_TEXT_PAGE = 200;

enum ZemTextPageItem : int {
    IDC_TEXT_BIT = 202,
    IDC_TEXT_REG = 203,
    IDC_TEXT_PLC = 204,
    IDC_TEXT_STATE_ON = 206,
    IDC_TEXT_ALIGN = 207,
    IDC_TEXT_STATE_OFF = 208,
};

DialogTemplate ZemTextPageTemplate();

class CZemTextPropPage : public COlePropertyPage {
public:
    CZemTextPropPage();
    ~CZemTextPropPage() override;

    void DoDataExchange(CDataExchange* pDX) override;

    std::int32_t plc = 0;
    std::int32_t align = 0;
    std::int32_t bit = 0;
    std::int32_t reg = 0;
    std::string captionOn;
    std::string captionOff;
};
