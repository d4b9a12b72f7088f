#pragma once

#include "figures.h"

namespace bench {

// The long work beside the window: the window's longest stall during randomize, bulk delete,
// import and a first start that keys the collection; randomize and import beside the engine's
// plan; and how soon each stops.
std::vector<Figure> long_work_figures(const Workspace& ws);

}  // namespace bench
