// The overall recomputation as a plain program would do it, the yardstick of the program's own:
// the same files read whole, scored, sorted, staged, one sync, renamed. It trusts its input (a
// season the benchmarks generated) and knows the files' exact names; ties keep list order.
#pragma once

#include <string>

namespace ReferenceRanking {

// `dataDir` and `poolDir` end in a separator.
void recompute(const std::string &dataDir, const std::string &poolDir);

} // namespace ReferenceRanking
