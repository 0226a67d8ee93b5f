// The eight-LED control: one byte of a register as a row of eight lamps
// under a caption panel. Bit picks the byte.
#pragma once

#include "clients/common/client_ctrl.h"
#include "clients/led8/zem_led8_dispids.h"

constexpr UINT IDS_LED8_PAGE_TYPENAME = 2;
constexpr UINT IDS_LED8_PAGE_CAPTION = 200;
constexpr UINT IDB_LED8_CAPTION = 205;
constexpr UINT IDB_LED8_LAMPS = 206;

constexpr int kLed8Styles = 32;
constexpr int kLed8Lamps = 8;
constexpr int kLed8LampWidth = 28;
constexpr int kLed8LampHeight = 24;
constexpr int kLed8Width = kLed8Lamps * kLed8LampWidth;
constexpr int kLed8CaptionHeight = 24;

class CZemLed8Ctrl : public CClientCtrl {
public:
    CZemLed8Ctrl();

    // Added after the common operations, in this order.
    virtual void DrawCaptionStrip(CDC* dc);
    virtual void DrawLeds(CDC* dc);

    void SetGeometry() override;
    void DrawOnline(CDC* dc) override;
    void DoPropExchange(CPropExchange* px) override;

    void SetLed(std::int32_t style);
    // The low byte of the register, whichever byte the lamps show.
    std::int32_t LowByte() const { return value & 0xFF; }

    std::int32_t Led = 0;
    CBitmap lampStrip;
    CBitmap captionPanel;

private:
    // The lowest bit of the byte Bit selects; a Bit naming no byte falls
    // back to byte 0 for good.
    std::uint32_t FirstLampMask();
};
