// drippo-solve: finds the pieces that win a level, for level designers and CI.
#include <iostream>
#include <string>
#include <vector>

#include "sim/sim_options.h"
#include "solve/solve_options.h"
#include "solve/solve_report.h"
#include "storage/level_file.h"

int main(int argc, char** argv) {
  using namespace drippo;
  const std::vector<std::string> args(argv + 1, argv + argc);
  std::string error;
  const auto options = solve::parse_options(args, error);
  if (!options) {
    std::cerr << "drippo-solve: " << error << "\n";
    return 2;
  }
  const auto level = read_level_file(options->level_path);
  if (!level) {
    std::cerr << "drippo-solve: " << sim::escape_controls(level.error().message(static_cast<std::int16_t>(options->lang)))
              << "\n";
    return 2;
  }
  solve::Problem problem;
  problem.level = level.value();
  problem.difficulte = static_cast<std::int16_t>(options->difficulty);
  problem.fixed = options->fixed;
  solve::Limits limits;
  limits.max_pieces = options->max_pieces;
  limits.seconds = options->seconds;

  const solve::SolveResult result = solve::solve(problem, limits);
  if (result.verdict == solve::Verdict::BadStart) {
    const solve::StartProblem& p = *result.start_problem;
    std::cerr << "drippo-solve: --place " << p.placement.cell << ":" << p.placement.piece
              << " refused: " << sim::refusal_text(p.why) << "\n";
    return 2;
  }
  std::cout << (options->json ? solve::json_report(result, limits.max_pieces) + "\n"
                              : solve::text_report(result, limits.max_pieces));
  return 0;
}
