#pragma once

#define NIMBO_PLATFORM_API __attribute__((visibility("default")))
