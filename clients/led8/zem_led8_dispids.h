// Dispatch identifiers of the eight-LED control's automation interface: what a host
// program names when it sets a property or calls a method by number.
#pragma once

#include "clients/common/client_dispids.h"

enum ZemLed8DispId : DISPID { DISPID_LED8_LED = 6, DISPID_LED8_VALUE = 7 };
