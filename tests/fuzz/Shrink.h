// Shrinking a failing database to a short repro: delta debugging over the statements of each
// method (a block from If, For or While to its End counts as one statement; then a block gives
// way to its body where it can, and its body is shrunk in turn), keeping the same class of
// outcome.
#pragma once

#include <functional>

#include "Database.h"

namespace fuzz {

struct ShrinkLimits {
  int maxRuns = 300;
  double maxSeconds = 300;
};

// `stillFails` runs a candidate and answers whether it shows the same fault. Answers the
// smallest database found; `runs` counts the candidates tried.
Database Shrink(const Database& failing, const std::function<bool(const Database&)>& stillFails,
                const ShrinkLimits& limits, int* runs);

} // namespace fuzz
