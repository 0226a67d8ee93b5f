// Dispatch identifiers of every client control's automation interface: what a host
// program names when it sets a property or calls a method by number.
#pragma once

#include "platform/dispatch.h"

enum ClientDispId : DISPID {
    DISPID_CLIENT_PLC = 1,
    DISPID_CLIENT_REG = 2,
    DISPID_CLIENT_BIT = 3,
    DISPID_CLIENT_CLIENT = 4,
    DISPID_CLIENT_ALIGN = 5,
};
