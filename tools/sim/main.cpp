// drippo-sim: runs a level's water headless, for level designers and CI.
#include <iostream>
#include <string>
#include <vector>

#include "sim/sim_options.h"
#include "sim/simulation.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  std::string error;
  const auto options = drippo::sim::parse_options(args, error);
  if (!options) {
    std::cerr << "drippo-sim: " << error << "\n";
    return 2;
  }
  return drippo::sim::run_simulation(*options, std::cout, std::cerr);
}
