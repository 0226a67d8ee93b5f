// Dispatch identifiers of the numeric display's automation interface: what a host
// program names when it sets a property or calls a method by number.
#pragma once

#include "clients/common/client_dispids.h"

enum EditDispId : DISPID {
    DISPID_EDIT_UNI = 6,
    DISPID_EDIT_ENUM = 7,
    DISPID_EDIT_SIZE = 8,
    DISPID_EDIT_VALUE = 9,
};
