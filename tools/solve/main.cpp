// drippo-solve: finds the pieces that win a level, for level designers and CI.
#include <iostream>
#include <string>
#include <vector>

#include "sim/sim_options.h"
#include "solve/solve_options.h"
#include "solve/solve_report.h"
#include "storage/level_file.h"

namespace {

// Makes a level, writes it, and tells its solution as a search that found it would.
int generate_level(const drippo::solve::Options& options) {
  using namespace drippo;
  const auto made = solve::generate(*options.generate, options.seed);
  if (!made) {
    std::cerr << "drippo-solve: " << (options.lang == 0 ? "aucun tableau prouvé dans le temps pour cette graine"
                                                         : "no level proven in time from this seed")
              << "\n";
    return 1;
  }
  if (const auto error = write_level_file(options.out_path, made->level)) {
    std::cerr << "drippo-solve: " << sim::escape_controls(error->message(static_cast<std::int16_t>(options.lang)))
              << "\n";
    return 2;
  }
  solve::SolveResult result;
  result.verdict = solve::Verdict::Solved;
  result.placements = made->solution;
  result.shortest = true;  // the generator proved no fewer pieces win
  result.none_up_to = static_cast<int>(made->solution.size()) - 1;
  result.ticks = made->ticks;
  result.counters = made->proof;
  result.seconds = made->seconds;
  const int max_pieces = static_cast<int>(made->solution.size());
  std::cout << (options.json ? solve::json_report(result, max_pieces) + "\n" : solve::text_report(result, max_pieces));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace drippo;
  const std::vector<std::string> args(argv + 1, argv + argc);
  std::string error;
  const auto options = solve::parse_options(args, error);
  if (!options) {
    std::cerr << "drippo-solve: " << error << "\n";
    return 2;
  }
  if (options->generate) return generate_level(*options);
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
