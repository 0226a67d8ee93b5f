// The eight-LED control's own property page, with a preview of the chosen
// lamp style, lit above unlit.
#pragma once

#include "platform/proppage.h"

constexpr UINT IDD_LED8_PAGE = 200;

enum ZemLed8PageItem : int {
    IDC_LED8_BIT = 202,
    IDC_LED8_REG = 203,
    IDC_LED8_PLC = 204,
    IDC_LED8_CAPTION = 206,
    IDC_LED8_ALIGN = 207,
    IDC_LED8_PREVIEW = 208,
    IDC_LED8_STYLE = 209,
};

DialogTemplate ZemLed8PageTemplate();

class CZemLed8PropPage : public COlePropertyPage {
public:
    CZemLed8PropPage();
    ~CZemLed8PropPage() override;

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange(CDataExchange* pDX) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Where the preview goes, in the page's client coordinates: the marker
    // item's rectangle.
    RECT PreviewRect() const;

    std::int32_t bit = 0;
    std::string caption;
    std::int32_t align = 0;
    std::int32_t plc = 0;
    std::int32_t reg = 0;
    std::int32_t led = 0;
    // What the style field says as the user types, before any validation.
    UINT previewStyle = 0;

private:
    void FollowStyleField();
    void PaintPreview(CDC* dc);

    CBitmap lampStrip_;
};
