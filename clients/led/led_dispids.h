// Dispatch identifiers of the LED control's automation interface: what a host
// program names when it sets a property or calls a method by number.
#pragma once

#include "clients/common/client_dispids.h"

enum LedDispId : DISPID { DISPID_LED_LED = 6, DISPID_LED_VALUE = 7 };
