// The two-caption text control: one of two texts in a grey panel, chosen by
// one bit of a register, for state labels such as running or stopped.
#pragma once

#include "clients/common/client_ctrl.h"
#include "clients/text/zem_text_dispids.h"

constexpr UINT IDS_TEXT_PAGE_TYPENAME = 2;
constexpr UINT IDS_TEXT_PAGE_CAPTION = 200;
constexpr UINT IDI_TEXT_PAGE = 202;
// This library numbers its pictures apart from the other client libraries.
constexpr UINT IDB_TEXT_PANEL = 205;
constexpr UINT IDB_TEXT_DISABLED = 206;
constexpr UINT IDB_TEXT_OFFLINE = 207;

constexpr int kTextWidth = 168;
constexpr int kTextHeight = 24;

// Align values: where the text sits in the panel.
enum ZemTextAlign : std::int32_t { TEXT_ALIGN_RIGHT = 0, TEXT_ALIGN_LEFT = 1, TEXT_ALIGN_CENTRE = 2 };

class CZemTextCtrl : public CClientCtrl {
public:
    CZemTextCtrl();

    void SetGeometry() override;
    void DrawOnline(CDC* dc) override;
    void DoPropExchange(CPropExchange* px) override;

    // Null is ignored, as automation may hand one over.
    void SetCaptionOn(const char* text);
    void SetCaptionOff(const char* text);
    // This control has three placements where the others have two.
    void SetAlign(std::int32_t value);
    // The text for the current value: the names run against the bit, so
    // CaptionOff shows while the bit is set.
    const std::string& CurrentCaption();

    std::string CaptionOn;
    std::string CaptionOff;
    CBitmap panel;

private:
    void SetCaption(std::string& caption, const char* text);
};
