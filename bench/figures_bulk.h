#pragma once

#include "figures.h"

namespace bench {

// Bulk delete of a filtered list (about a tenth of the collection), the grid read again: two
// lines, against the clock and against the engine's own DELETE.
std::vector<Figure> bulk_delete(const Workspace& ws);
// Export of a hundred thousand quotations to the report file.
Figure bulk_export(const Workspace& ws);

}  // namespace bench
