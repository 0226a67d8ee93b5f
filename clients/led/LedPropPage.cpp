// The LED's property page.
#include "clients/led/LedPropPage.h"

#include "clients/led/LedCtrl.h"

namespace {
const char kBitLabel[] = "Numero di Bit da visualizzare";
}

DialogTemplate LedPageTemplate() { return LampStylePageTemplate(kBitLabel); }

CLedPropPage::CLedPropPage() : CLampStylePage(IDD_LED_PAGE, IDS_LED_PAGE_CAPTION, {kBitLabel, 31, kLedStyles, IDB_LED_LAMPS})
{
}
