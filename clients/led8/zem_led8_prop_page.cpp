// The eight-LED control's property page.
#include "clients/led8/zem_led8_prop_page.h"

#include "clients/led8/zem_led8_ctrl.h"

namespace {
constexpr LampPageShape kLed8Page{"Numero di Byte da visualizzare(0..3)", 3, kLed8Styles - 1, IDB_LED8_LAMPS};
}

DialogTemplate ZemLed8PageTemplate() { return LampStylePageTemplate(kLed8Page); }

CZemLed8PropPage::CZemLed8PropPage() : CLampStylePage(IDD_LED8_PAGE, IDS_LED8_PAGE_CAPTION, kLed8Page) {}
