#pragma once

#include <string>

#include "solver/solver.h"

namespace drippo::solve {

// The outcome of a search as one JSON line.
std::string json_report(const SolveResult& result, int max_pieces);

// The same for people, on a few lines; the pieces as drippo-sim's options.
std::string text_report(const SolveResult& result, int max_pieces);

}  // namespace drippo::solve
