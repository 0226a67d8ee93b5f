// The LED: one bit of a register as a lamp of one of 32 styles beside a
// caption box.
#pragma once

#include "clients/common/client_ctrl.h"
#include "clients/led/led_dispids.h"

constexpr UINT IDB_LED_CAPTION = 205;
constexpr UINT IDB_LED_LAMPS = 206;
constexpr int kLedStyles = 32;
constexpr int kLampWidth = 28;
constexpr int kLampHeight = 24;
constexpr int kCaptionWidth = 140;

class CLedCtrl : public CClientCtrl {
public:
    CLedCtrl();

    // Added after the common operations, in this order.
    virtual void DrawCaption(CDC* dc, POINT* at);
    virtual void DrawLamp(CDC* dc, POINT* at);

    void SetGeometry() override;
    void DrawOnline(CDC* dc) override;
    void DoPropExchange(CPropExchange* px) override;

    void SetLed(std::int32_t style);

    std::int32_t Led = 0;
    CBitmap lampStrip;
    CBitmap captionBackground;
};
