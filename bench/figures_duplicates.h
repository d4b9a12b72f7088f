#pragma once

#include "figures.h"

namespace bench {

// Tools > Find duplicates on a copy of the collection with duplicates planted in it: the exact
// groups, the near groups, and the peak memory of a search.
std::vector<Figure> duplicate_figures(const Workspace& ws);

// View > Overview opened on the collection, its charts drawn, beside the engine's GROUP BYs.
Figure overview_opens(const Workspace& ws);

// Child process: a search (exact and near) on `path`, or the engine's GROUP BY ("engine"); prints
// peak_kb=N groups=N.
int duplicates_memory_child(const QStringList& args);

}  // namespace bench
