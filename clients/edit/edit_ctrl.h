// The numeric display: a register, or one byte or half of it, as a
// fixed-width number with its unit, over a light grey caption strip. The
// control sizes itself to its text.
#pragma once

#include "clients/common/client_ctrl.h"
#include "clients/edit/edit_dispids.h"

#include <string>

// Small, medium and large; stored values outside draw small.
constexpr std::int32_t kEditSizeCount = 3;
// The number sits this far inside its frame and the control's frame.
constexpr int kEditMargin = 4;
// The caption strip below the number box, its frame included.
constexpr int kEditCaptionHeight = 28;

class CZEMEDITCtrl : public CClientCtrl {
public:
    CZEMEDITCtrl();

    // Added after the common operations, in this order.
    virtual std::string FormatValueText();
    virtual void RecalcLayout();

    void SetGeometry() override;
    void DrawOnline(CDC* dc) override;
    void DoPropExchange(CPropExchange* px) override;
    // Unlike the other clients, the display takes any extent: it sizes
    // itself, and so must be allowed to.
    BOOL OnSetExtent(const SIZE& size) override;
    int OnCreate() override;

    // A null unit is ignored.
    void SetUni(const char* unit);
    void SetEnum(std::int32_t mask);
    void SetSize(std::int32_t size);

    std::string Uni;
    std::int32_t Size = 0;
    std::int32_t Enum = 0;
    CFont valueFont;

private:
    void CreateValueFont();
    // New layout, new size in the container, everything redrawn.
    void Relayout();
};
