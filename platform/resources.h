// Numbered resources. Each control library registers its own module under a
// name and puts its bitmaps, icons and strings there under the numbers its
// code asks for. Pictures are made on first load, then kept.
#pragma once

#include "platform/export.h"
#include "platform/pixels.h"
#include "platform/windef.h"

#include <cstddef>
#include <functional>
#include <string>

struct ResourceModule;
using HINSTANCE = ResourceModule*;

namespace nimbo {

// The same name always answers the same module.
NIMBO_PLATFORM_API HINSTANCE RegisterResourceModule(const char* name);

// A number added again replaces what was there.
NIMBO_PLATFORM_API void AddBitmapResource(HINSTANCE module, UINT id, std::function<Pixels()> make);
NIMBO_PLATFORM_API void AddBitmapResourcePng(HINSTANCE module, UINT id, const unsigned char* data, std::size_t size);
NIMBO_PLATFORM_API void AddIconResource(HINSTANCE module, UINT id, std::function<Pixels()> make);
NIMBO_PLATFORM_API void AddStringResource(HINSTANCE module, UINT id, std::string text);

// Empty when there is no such string. A null module means the current one.
NIMBO_PLATFORM_API std::string LoadResourceString(HINSTANCE module, UINT id);

}  // namespace nimbo

// Copies at most max-1 characters and a terminating NUL; answers the number
// of characters copied, 0 when the string is missing.
NIMBO_PLATFORM_API int LoadStringA(HINSTANCE module, UINT id, char* buffer, int max);

// The module that loads with a null module mean, one for the whole process.
NIMBO_PLATFORM_API HINSTANCE AfxGetResourceHandle();
NIMBO_PLATFORM_API void AfxSetResourceHandle(HINSTANCE module);
