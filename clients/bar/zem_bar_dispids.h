// Dispatch identifiers of the bar control's automation interface: what a host
// program names when it sets a property or calls a method by number.
#pragma once

#include "clients/common/client_dispids.h"

enum ZemBarDispId : DISPID { DISPID_ZEMBAR_MIN = 6, DISPID_ZEMBAR_MAX = 7, DISPID_ZEMBAR_VALUE = 8 };
