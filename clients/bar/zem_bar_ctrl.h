// The bar: a whole register as a vertical bar of lit rows, with a two-digit
// percentage, the scale's maximum, the value and the minimum beside it and
// a caption box underneath.
#pragma once

#include "clients/common/client_ctrl.h"
#include "clients/bar/zem_bar_dispids.h"

constexpr UINT IDB_BAR_CAPTION = 201;
constexpr UINT IDB_BAR_EMPTY = 202;
constexpr UINT IDB_BAR_PERCENT_DIGITS = 203;
constexpr UINT IDB_BAR_SMALL_DIGITS = 204;
constexpr UINT IDB_BAR_LARGE_DIGITS = 205;
constexpr UINT IDB_BAR_PERCENT_LABEL = 206;
constexpr UINT IDB_BAR_FULL = 211;
constexpr UINT IDB_BAR_MIN_LABEL = 212;
constexpr UINT IDB_BAR_MAX_LABEL = 213;
constexpr UINT IDB_BAR_VALUE_LABEL = 214;

constexpr int kBarWidth = 24;
constexpr int kBarHeight = 168;
constexpr int kBarControlWidth = 84;
constexpr int kBarCaptionHeight = 24;
constexpr int kReadoutX = kBarWidth;
constexpr int kPercentDigitWidth = 30;
constexpr int kPercentDigitHeight = 48;
constexpr int kPercentDash = 10;
constexpr int kPercentBlank = 11;
constexpr int kDigitDash = 10;
constexpr int kDigitBlank = 11;
constexpr int kSmallDigitWidth = 12;
constexpr int kSmallDigitHeight = 16;
constexpr int kLargeDigitWidth = 15;
constexpr int kLargeDigitHeight = 20;

class CZemBarCtrl : public CClientCtrl {
public:
    CZemBarCtrl();

    // Added after the common operations, in this order.
    virtual void DrawCaption(CDC* dc, POINT* at);
    virtual void DrawBar(CDC* dc, POINT* at);
    virtual void DrawReadout(CDC* dc, POINT* at);
    virtual void DrawNumber(std::int32_t n, CDC* dc, POINT* at, bool large);

    void SetGeometry() override;
    void DrawOnline(CDC* dc) override;
    void DoPropExchange(CPropExchange* px) override;

    void SetMin(std::int32_t v);
    void SetMax(std::int32_t v);
    void SetValue(std::int32_t v);

    // The scale as drawn: lit rows 0 to 168, and the percentage 0 to 99, or
    // -1 when the value lies off the scale (or there is no scale).
    int LitRows() const;
    int Percentage() const;

    std::int32_t Min = 0;
    std::int32_t Max = 100;
    CBitmap emptyBar;
    CBitmap fullBar;
    CBitmap captionBackground;
    CBitmap percentDigits;
    CBitmap smallDigits;
    CBitmap largeDigits;
    CBitmap percentLabel;
    CBitmap minLabel;
    CBitmap maxLabel;
    CBitmap valueLabel;
};
