#include "solve/solve_report.h"

#include <cstdio>

namespace drippo::solve {
namespace {

std::string seconds_text(double s) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.3f", s);
  return buf;
}

std::string work_json(const SolveResult& r) {
  const SearchCounters& c = r.counters;
  return ", \"explored\": " + std::to_string(c.explored) + ", \"ticks_run\": " + std::to_string(c.ticks) +
         ", \"pruned\": {\"dry\": " + std::to_string(c.pruned_dry) + ", \"same\": " + std::to_string(c.pruned_same) +
         ", \"seen\": " + std::to_string(c.pruned_seen) + ", \"refused\": " + std::to_string(c.refused) +
         "}, \"seconds\": " + seconds_text(r.seconds) + "}";
}

std::string pieces_text(int n) { return std::to_string(n) + (n == 1 ? " piece" : " pieces"); }

std::string work_text(const SolveResult& r) {
  return std::to_string(r.counters.explored) + " sets of pieces tried in " + seconds_text(r.seconds) + " s\n";
}

}  // namespace

std::string json_report(const SolveResult& r, int max_pieces) {
  switch (r.verdict) {
    case Verdict::Solved: {
      std::string s = "{\"result\": \"solved\", \"placements\": [";
      for (std::size_t k = 0; k < r.placements.size(); ++k) {
        if (k) s += ", ";
        s += "[" + std::to_string(r.placements[k].cell) + ", " + std::to_string(r.placements[k].piece) + "]";
      }
      s += "], \"pieces\": " + std::to_string(r.placements.size());
      s += std::string(", \"shortest\": ") + (r.shortest ? "true" : "false");
      s += ", \"ticks\": " + std::to_string(r.ticks);
      return s + work_json(r);
    }
    case Verdict::NoSolution:
      return "{\"result\": \"no solution\", \"max_pieces\": " + std::to_string(max_pieces) + work_json(r);
    case Verdict::Unknown:
    case Verdict::BadStart: break;
  }
  return "{\"result\": \"unknown\", \"none_up_to\": " + std::to_string(r.none_up_to) + work_json(r);
}

std::string text_report(const SolveResult& r, int max_pieces) {
  switch (r.verdict) {
    case Verdict::Solved: {
      std::string s = "solved with " + pieces_text(static_cast<int>(r.placements.size()));
      s += r.shortest ? ", no fewer can win\n" : ", perhaps fewer can win\n";
      for (std::size_t k = 0; k < r.placements.size(); ++k) {
        s += (k ? " --place " : "--place ") + std::to_string(r.placements[k].cell) + ":" +
             std::to_string(r.placements[k].piece);
      }
      if (!r.placements.empty()) s += "\n";
      s += "won in " + std::to_string(r.ticks) + " ticks; ";
      return s + work_text(r);
    }
    case Verdict::NoSolution: return "no solution with at most " + pieces_text(max_pieces) + "\n" + work_text(r);
    case Verdict::Unknown:
    case Verdict::BadStart: break;
  }
  std::string s = "unknown: the time ran out";
  if (r.none_up_to >= 0) s += " (no solution with at most " + pieces_text(r.none_up_to) + ")";
  return s + "\n" + work_text(r);
}

}  // namespace drippo::solve
