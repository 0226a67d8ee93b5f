// The property page the lamp controls and the button share: the common
// binding fields, the caption, the style and a preview of that style, lit
// above unlit, that follows the style field as the user types.
#pragma once

#include "platform/proppage.h"

enum LampPageItem : int {
    IDC_LAMP_BIT = 202,
    IDC_LAMP_REG = 203,
    IDC_LAMP_PLC = 204,
    IDC_LAMP_CAPTION = 206,
    IDC_LAMP_ALIGN = 207,
    IDC_LAMP_PREVIEW = 208,
    IDC_LAMP_STYLE = 209,
};

constexpr int kLampCellWidth = 28;
constexpr int kLampCellHeight = 24;
constexpr int kLampStripStyles = 32;

// What differs between the pages. The defaults are the lamps'; the button's
// page has its own strip of wider cells and names the style Button.
struct LampPageShape {
    const char* bitLabel;  // the label of field 202
    int bitMax;            // field 202 accepts 0 to this
    int styleMax;          // field 209 accepts 0 to this
    UINT stripId;          // the strip the preview copies from
    const char* styleProperty = "Led";
    int cellWidth = kLampCellWidth;
    int cellHeight = kLampCellHeight;  // of one state; the preview shows two
    int stripStyles = kLampStripStyles;
    // A style the strip lacks: a grey cell, or else nothing drawn at all.
    bool greyWithoutCell = false;
    // The template's frame caption and the kind and width of the marker.
    const char* frameCaption = "Generale";
    DialogItem::Kind markerKind = DialogItem::GroupBox;
    int markerWidth = 30;
};

DialogTemplate LampStylePageTemplate(const LampPageShape& shape);

class CLampStylePage : public COlePropertyPage {
public:
    CLampStylePage(UINT dialogId, UINT captionId, const LampPageShape& shape);
    ~CLampStylePage() override;

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
    std::int32_t style = 0;
    // What the style field says as the user types, before any validation.
    UINT previewStyle = 0;

private:
    void FollowStyleField();
    void PaintPreview(CDC* dc);

    LampPageShape shape_;
    CBitmap lampStrip_;
};
