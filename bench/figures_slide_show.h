#pragma once

#include "figures.h"

namespace bench {

// The slide show's step (the next quotation read, rotated, laid out and painted) over the whole
// collection and over a filtered tenth, against the quotation read by key and moved back in the
// random order by plain SQL.
std::vector<Figure> slide_show_step(const Workspace& ws);

}  // namespace bench
