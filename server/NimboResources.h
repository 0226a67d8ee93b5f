// The server library's numbered resources: the face icons, the about-box
// icons, the toolbox picture and the identity strings.
#pragma once

#include "platform/resources.h"

constexpr UINT IDS_NIMBO = 1;
constexpr UINT IDS_NIMBO_PPG = 2;
constexpr UINT IDI_ABOUTDLL = 1;
constexpr UINT IDB_NIMBO = 1;
constexpr UINT IDI_ABOUT_RIGHT = 202;
constexpr UINT IDI_FRESH_DATA = 210;

HINSTANCE NimboResources();
