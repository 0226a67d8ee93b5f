// Dispatch identifiers of the server control's automation interface: what a host
// program names when it sets a property or calls a method by number.
#pragma once

#include "platform/dispatch.h"

enum NimboDispId : DISPID {
    DISPID_NIMBO_ADDCLIENT = 1,
    DISPID_NIMBO_REMOVECLIENT = 2,
    DISPID_NIMBO_COM = 3,
    DISPID_NIMBO_SPEED = 4,
    DISPID_NIMBO_INTERNALTIMER = 5,
    DISPID_NIMBO_PASSWORD = 6,
    DISPID_NIMBO_GO = 7,
    DISPID_NIMBO_PLCENABLED1 = 8,    // .. 39 for PLC 32
    DISPID_NIMBO_PLCSTART1 = 40,     // .. 71
    DISPID_NIMBO_PLCSTOP1 = 72,      // .. 103
    DISPID_NIMBO_INTERNALCOMSER = 104,
    DISPID_NIMBO_MODEM = 105,
    DISPID_NIMBO_MODEMTEST = 106,
    DISPID_NIMBO_MODEMINIT = 107,
    DISPID_NIMBO_MODEMDISCONNECT = 108,
    DISPID_NIMBO_MODEMNUMBER = 109,
    DISPID_NIMBO_REG = 110,
    DISPID_NIMBO_PLCENABLED = 111,
    DISPID_NIMBO_PLCSTART = 112,
    DISPID_NIMBO_PLCSTOP = 113,
    DISPID_NIMBO_BIT = 114,
    DISPID_NIMBO_REMOTE = 117,
    DISPID_NIMBO_ONPLC = 1,  // event
};
