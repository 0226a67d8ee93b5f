// Named scenes of moving values for demonstrations (--live NAME). A new
// scene is one function and one table row in live_scripts.cpp.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/plcsim/movers.h"
#include "tools/plcsim/station_set.h"

namespace plcsim {

std::vector<std::string> LiveScriptNames();

// The movers that play the named scene on stations. Throws
// std::invalid_argument for an unknown name or when a station it drives is
// not simulated.
MoverList MakeLiveScript(std::string_view name, StationSet& stations);

}  // namespace plcsim
