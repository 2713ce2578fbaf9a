#pragma once

#include <iosfwd>

#include "sim/sim_options.h"

namespace drippo::sim {

// Runs one level headless as the options say, writing the trace and the result
// line to out and refusals to err. Returns the process exit status.
int run_simulation(const Options& options, std::ostream& out, std::ostream& err);

}  // namespace drippo::sim
