// The button's own property page: binding, caption, alignment and style,
// with a preview of the style's two states that follows the typing.
#pragma once

#include "platform/proppage.h"
#include "platform/wingdi.h"

constexpr UINT IDD_BUTTON_PAGE = 200;
constexpr UINT IDS_BUTTON_PAGE_TYPENAME = 2;
constexpr UINT IDS_BUTTON_PAGE_CAPTION = 200;

enum ZemButtonPageField : UINT {
    IDC_BUTTON_BIT = 202,
    IDC_BUTTON_REG = 203,
    IDC_BUTTON_PLC = 204,
    IDC_BUTTON_CAPTION = 206,
    IDC_BUTTON_ALIGN = 207,
    IDC_BUTTON_PREVIEW = 208,
    IDC_BUTTON_STYLE = 209,
};

DialogTemplate ZemButtonPageTemplate();

class CZemButtonPropPage : public COlePropertyPage {
public:
    CZemButtonPropPage();
    ~CZemButtonPropPage() override;

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The preview frame in the page's client coordinates.
    RECT PreviewRect() const;

    std::int32_t bit = 0;
    std::string caption;
    std::int32_t align = 0;
    std::int32_t plc = 0;
    std::int32_t reg = 0;
    std::int32_t button = 0;
    // The style the preview shows, as last typed.
    UINT previewStyle = 0;

private:
    void DrawPreview(CDC* dc);
    CBitmap strip_;
};
