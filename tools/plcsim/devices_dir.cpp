#include "tools/plcsim/devices_dir.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace plcsim {

namespace {

std::string HomeDir()
{
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    // Services started without a login environment still have a passwd entry.
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return ".";
}

}  // namespace

std::string DefaultDevicesDir()
{
    if (const char* dir = std::getenv("NIMBO_DEVICES"); dir && *dir)
        return dir;
    return HomeDir() + "/.config/nimbo/devices";
}

}  // namespace plcsim
