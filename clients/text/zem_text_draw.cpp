// The two-caption text control's normal look.
#include "clients/text/zem_text_ctrl.h"

namespace {
constexpr int kTextInset = 6;
}  // namespace

void CZemTextCtrl::DrawOnline(CDC* dc)
{
    BlitOrigin(dc, &panel);
    RECT box{controlRect.left + kTextInset, controlRect.top + kTextInset, controlRect.right - kTextInset,
             controlRect.bottom - kTextInset};
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(TranslateColor(GetForeColor()));
    const std::string& text = CurrentCaption();
    UINT alignment = 0;
    switch (Align) {
    case TEXT_ALIGN_RIGHT: alignment = DT_RIGHT; break;
    case TEXT_ALIGN_LEFT: alignment = DT_LEFT; break;
    case TEXT_ALIGN_CENTRE: alignment = DT_CENTER; break;
    // A placement the setter never lets through, from a stored form: the
    // bare panel says more than a guess would.
    default: return;
    }
    dc->DrawText(text.c_str(), -1, &box, alignment | DT_VCENTER | DT_SINGLELINE);
}
