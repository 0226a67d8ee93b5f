// Dispatch identifiers of the button control's automation interface: what a host
// program names when it sets a property or calls a method by number.
#pragma once

#include "clients/common/client_dispids.h"

enum ZemButtonDispId : DISPID { DISPID_ZEMBUTTON_BUTTON = 6, DISPID_ZEMBUTTON_VALUE = 7 };
