// Dispatch identifiers of the two-caption text control's automation interface: what a host
// program names when it sets a property or calls a method by number.
#pragma once

#include "clients/common/client_dispids.h"

enum ZemTextDispId : DISPID {
    DISPID_TEXT_CAPTIONON = 5,
    DISPID_TEXT_CAPTIONOFF = 6,
    DISPID_TEXT_ALIGN = 7,
};
