#include "solve/solve_options.h"

#include <cmath>

#include "game/board_geometry.h"
#include "sim/sim_options.h"

namespace drippo::solve {

std::optional<Options> parse_options(const std::vector<std::string>& args, std::string& error) {
  using sim::quoted;
  Options o;
  std::optional<std::string> level;
  for (std::size_t k = 0; k < args.size(); ++k) {
    const std::string& a = args[k];
    const auto value = [&]() -> std::optional<std::string> {
      if (k + 1 < args.size()) return args[++k];
      error = a + " needs a value";
      return std::nullopt;
    };
    if (a == "--json") {
      o.json = true;
    } else if (a == "--place" || a == "--difficulty" || a == "--lang" || a == "--max-pieces" || a == "--time-limit" ||
               a == "--generate" || a == "--seed" || a == "--out") {
      const auto v = value();
      if (!v) return std::nullopt;
      if (a == "--place") {
        const auto p = sim::parse_placement(*v, error);
        if (!p) return std::nullopt;
        o.fixed.push_back({p->cell, p->piece});
      } else if (a == "--difficulty") {
        const auto d = sim::parse_difficulty(*v, error);
        if (!d) return std::nullopt;
        o.difficulty = *d;
      } else if (a == "--lang") {
        const auto l = sim::parse_lang(*v, error);
        if (!l) return std::nullopt;
        o.lang = *l;
      } else if (a == "--generate") {
        o.generate = difficulty_from_text(*v);
        if (!o.generate) {
          error = "--generate wants easy, medium or hard, not " + quoted(*v);
          return std::nullopt;
        }
      } else if (a == "--seed") {
        if (!sim::parse_whole(*v, o.seed)) {
          error = "--seed wants a whole number from 0 to 4294967295, not " + quoted(*v);
          return std::nullopt;
        }
      } else if (a == "--out") {
        o.out_path = *v;
      } else if (a == "--max-pieces") {
        if (!sim::parse_whole(*v, o.max_pieces) || o.max_pieces < 0 || o.max_pieces > nb_cases) {
          error = "--max-pieces wants a whole number from 0 to " + std::to_string(nb_cases) + ", not " + quoted(*v);
          return std::nullopt;
        }
      } else if (!sim::parse_whole(*v, o.seconds) || !std::isfinite(o.seconds) || o.seconds <= 0) {
        error = "--time-limit wants a number of seconds above 0, not " + quoted(*v);
        return std::nullopt;
      }
    } else if (!sim::take_level_path(a, level, error)) {
      return std::nullopt;
    }
  }
  if (o.generate) {
    if (level) {
      error = "--generate makes a level: no level file to read, not " + quoted(*level);
      return std::nullopt;
    }
    if (o.out_path.empty()) {
      error = "--generate needs --out LEVEL.tab, the file to write";
      return std::nullopt;
    }
    return o;
  }
  if (!o.out_path.empty()) {
    error = "--out goes with --generate";
    return std::nullopt;
  }
  if (!sim::require_level_path(level, o.level_path, "drippo-solve LEVEL.tab [options]", error)) return std::nullopt;
  return o;
}

}  // namespace drippo::solve
