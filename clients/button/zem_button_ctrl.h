// The button: one bit of a register as a two-state picture beside a caption
// box; a click on the picture writes the register back with that bit
// inverted.
#pragma once

#include "clients/common/client_ctrl.h"
#include "clients/button/zem_button_dispids.h"

constexpr UINT IDB_BUTTON_PENDING = 202;
constexpr UINT IDB_BUTTON_CAPTION = 205;
constexpr UINT IDB_BUTTON_STRIP = 206;
constexpr int kButtonStyles = 12;
constexpr int kButtonWidth = 40;
constexpr int kButtonHeight = 24;
constexpr int kButtonCaptionWidth = 128;

class CZemButtonCtrl : public CClientCtrl {
public:
    CZemButtonCtrl();

    // Added after the common operations, in this order.
    virtual void DrawCaption(CDC* dc, POINT* at);
    virtual void DrawButton(CDC* dc, POINT* at);

    void SetGeometry() override;
    void DrawOnline(CDC* dc) override;
    void DoPropExchange(CPropExchange* px) override;
    void OnLButtonDown(UINT flags, POINT point) override;

    void SetButton(std::int32_t style);
    // Where Align puts the picture, whether or not it has been drawn there yet.
    RECT PictureRect() const;

    std::int32_t Button = 0;
    CBitmap buttonStrip;
    CBitmap captionBackground;
    CBitmap pendingBitmap;
};
