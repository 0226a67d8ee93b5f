// The eight-LED control's property page.
#include "clients/led8/ZemLed8PropPage.h"

#include "clients/led8/ZemLed8Ctrl.h"

namespace {
const char kByteLabel[] = "Numero di Byte da visualizzare(0..3)";
}

DialogTemplate ZemLed8PageTemplate() { return LampStylePageTemplate(kByteLabel); }

CZemLed8PropPage::CZemLed8PropPage()
    : CLampStylePage(IDD_LED8_PAGE, IDS_LED8_PAGE_CAPTION, {kByteLabel, 3, kLed8Styles - 1, IDB_LED8_LAMPS})
{
}
