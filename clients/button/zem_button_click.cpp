// The button's command: a click on the picture writes the register back
// with the one bit inverted, through the server's port object.
#include "clients/button/zem_button_ctrl.h"

void CZemButtonCtrl::OnLButtonDown(UINT, POINT point)
{
    if (offline)
        return;
    // A disabled button shows no state to act on; writing blind would flip
    // a PLC bit the operator cannot see.
    if (!GetEnabled())
        return;
    // Hit-tested where Align puts the picture now, not where it was last
    // drawn: a control loaded or re-aligned but not yet painted would
    // otherwise take a click on its caption for one on its picture.
    RECT picture = PictureRect();
    if (point.x < picture.left || point.x >= picture.right || point.y < picture.top || point.y >= picture.bottom)
        return;
    if (port == nullptr)
        return;
    UpdateMask();
    // Every other bit goes back as last seen; the cached value itself waits
    // for the PLC's answer.
    std::uint32_t written = static_cast<std::uint32_t>(value) ^ mask;
    port->SetRegister(Plc, Reg, static_cast<std::int32_t>(written));
    writePending = 1;
    valueRect = picture;
    InvalidateValue();
}
