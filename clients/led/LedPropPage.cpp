// The LED's property page.
#include "clients/led/LedPropPage.h"

#include "clients/led/LedCtrl.h"

namespace {
constexpr LampPageShape kLedPage{"Numero di Bit da visualizzare", 31, kLedStyles, IDB_LED_LAMPS};
}

DialogTemplate LedPageTemplate() { return LampStylePageTemplate(kLedPage); }

CLedPropPage::CLedPropPage() : CLampStylePage(IDD_LED_PAGE, IDS_LED_PAGE_CAPTION, kLedPage) {}
