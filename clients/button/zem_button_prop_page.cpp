// The button's property page.
#include "clients/button/zem_button_prop_page.h"

#include "clients/button/zem_button_ctrl.h"

namespace {
// The page's ranges are its own: Bit 31, Reg 32000 and style 12 pass here
// and are then ignored by the control; the strip has no cell 12.
constexpr LampPageShape kButtonPage{
    .bitLabel = "Numero di Bit da visualizzare",
    .bitMax = 31,
    .styleMax = 12,
    .stripId = IDB_BUTTON_STRIP,
    .styleProperty = "Button",
    .cellWidth = kButtonWidth,
    .cellHeight = kButtonHeight,
    .stripStyles = kButtonStyles,
    .greyWithoutCell = true,
    .frameCaption = "",
    .markerKind = DialogItem::Static,
    .markerWidth = 43,
};
}  // namespace

DialogTemplate ZemButtonPageTemplate() { return LampStylePageTemplate(kButtonPage); }

CZemButtonPropPage::CZemButtonPropPage() : CLampStylePage(IDD_BUTTON_PAGE, IDS_BUTTON_PAGE_CAPTION, kButtonPage) {}
