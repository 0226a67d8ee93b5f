// Where serial devices of the kit are named: programs open COM<n> links in
// this folder, which lets a simulator stand in for a real port unnoticed.
#pragma once

#include <string>

namespace plcsim {

// $NIMBO_DEVICES when set, else $HOME/.config/nimbo/devices.
std::string DefaultDevicesDir();

}  // namespace plcsim
