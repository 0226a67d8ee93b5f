// The LED's property page.
#include "clients/led/led_prop_page.h"

#include "clients/led/led_ctrl.h"

namespace {
constexpr LampPageShape kLedPage{"Numero di Bit da visualizzare", 31, kLedStyles, IDB_LED_LAMPS};
}

DialogTemplate LedPageTemplate() { return LampStylePageTemplate(kLedPage); }

CLedPropPage::CLedPropPage() : CLampStylePage(IDD_LED_PAGE, IDS_LED_PAGE_CAPTION, kLedPage) {}
