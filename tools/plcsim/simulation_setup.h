// Turns parsed options into stations with their preset registers and the
// movers that animate them.
#pragma once

#include "tools/plcsim/movers.h"
#include "tools/plcsim/options.h"
#include "tools/plcsim/station_set.h"

namespace plcsim {

void AddStations(const Options& options, StationSet& stations);

// Live scripts first, then the generic movers, so a --counter or --blink on
// a register a script also drives has the last word.
MoverList MakeMovers(const Options& options, StationSet& stations);

}  // namespace plcsim
