// A client library's numbered resources as one table, registered in the
// library's own module.
#pragma once

#include "clients/common/client_artwork.h"
#include "clients/common/client_ctrl.h"
#include "platform/dialog.h"
#include "platform/resources.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

struct ClientResourceTable {
    const char* module;  // the name the library's module is registered under
    std::vector<std::pair<UINT, std::string>> strings;
    std::vector<std::pair<UINT, DialogTemplate>> dialogs;
    std::vector<std::pair<UINT, std::function<nimbo::Pixels()>>> bitmaps;
    std::vector<std::pair<UINT, std::function<nimbo::Pixels()>>> icons = {};
};

// Answers the module with the whole table in it.
inline HINSTANCE RegisterClientResources(const ClientResourceTable& table)
{
    HINSTANCE m = nimbo::RegisterResourceModule(table.module);
    for (const auto& [id, text] : table.strings)
        nimbo::AddStringResource(m, id, text);
    for (const auto& [id, dialog] : table.dialogs)
        nimbo::AddDialogResource(m, id, dialog);
    for (const auto& [id, make] : table.bitmaps)
        nimbo::AddBitmapResource(m, id, make);
    for (const auto& [id, make] : table.icons)
        nimbo::AddIconResource(m, id, make);
    return m;
}

// Defines the library's ClientModule(), which registers the table given as
// the argument the first time anything asks for the module.
#define NIMBO_CLIENT_RESOURCES(...)                                           \
    HINSTANCE ClientModule()                                                  \
    {                                                                         \
        static const HINSTANCE module = RegisterClientResources(__VA_ARGS__); \
        return module;                                                        \
    }
