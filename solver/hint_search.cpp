#include "solver/hint_search.h"

#include <algorithm>
#include <chrono>

#include "game/control_text.h"
#include "solver/problem.h"
#include "solver/solver.h"

namespace drippo::solve {
namespace {

using Clock = std::chrono::steady_clock;

// Share of the time the search with the player's pieces gets; the search
// without them takes what is left.
constexpr double first_share = 0.55;
// More pieces than this are seldom a hint's business, and the proofs that
// no smaller set wins grow too fast past it.
constexpr int most_pieces = 10;

bool cancelled(const HintLimits& limits) { return limits.cancel != nullptr && limits.cancel->load(); }

int pieces_in_stock(const LiveStart& live) {
  int n = 0;
  for (int t = 1; t <= nb_types; ++t) {
    n += static_cast<int>(std::clamp(leading_number(live.stocks[static_cast<std::size_t>(t)]), 0.0, 100.0));
  }
  return n;
}

// The pieces the player set down that he may still take back.
Placements players_pieces(const LiveStart& live) {
  Placements out;
  for (int i = 0; i <= derniere_case; ++i) {
    const Cellule c = live.water.cell(i);
    if (c.piece != piece::vide && c.modifiable > 0) out.push_back({i, c.piece});
  }
  return out;
}

// The live game once the player took these pieces back, by the game's own rule.
LiveStart without(const LiveStart& live, std::int16_t difficulte, const Placements& taken) {
  HeadlessGame headless;
  set_up(headless.game, live_problem(live, difficulte));
  for (const Placement& p : taken) headless.game.placing().reprendre_piece(p.cell);
  return live_start_of(headless.game);
}

SolveResult search(const LiveStart& live, std::int16_t difficulte, double seconds, const HintLimits& limits) {
  Limits l;
  l.max_pieces = std::min(most_pieces, pieces_in_stock(live));
  l.seconds = std::max(0.0, seconds);
  l.cancel = limits.cancel;
  return solve(live_problem(live, difficulte), l);
}

bool wins(const LiveStart& live, std::int16_t difficulte, const Placements& set) {
  return replay(live_problem(live, difficulte), in_placing_order(set)).won;
}

bool contains(const Placements& set, Placement p) { return std::find(set.begin(), set.end(), p) != set.end(); }

// Every set the stock allows was tried, and none wins.
bool proven_lost(const SolveResult& r, const LiveStart& live) {
  return r.verdict == Verdict::NoSolution && r.none_up_to >= pieces_in_stock(live);
}

}  // namespace

Hint find_hint(const LiveStart& live, std::int16_t difficulte, const HintLimits& limits) {
  const auto begun = Clock::now();
  auto left = [&] { return limits.seconds - std::chrono::duration<double>(Clock::now() - begun).count(); };

  const SolveResult as_is = search(live, difficulte, limits.seconds * first_share, limits);
  if (cancelled(limits)) return {Hint::Kind::Cancelled, {}};
  if (as_is.verdict == Verdict::Solved && wins(live, difficulte, as_is.placements)) {
    if (as_is.placements.empty()) return {Hint::Kind::NothingToAdd, {}};
    return {Hint::Kind::Place, as_is.placements.front()};
  }

  const Placements placed = players_pieces(live);
  if (placed.empty()) return {proven_lost(as_is, live) ? Hint::Kind::NoWinNow : Hint::Kind::NoneFound, {}};
  if (left() <= 0) return {Hint::Kind::NoneFound, {}};
  const LiveStart bare = without(live, difficulte, placed);
  const SolveResult fresh = search(bare, difficulte, left(), limits);
  if (cancelled(limits)) return {Hint::Kind::Cancelled, {}};
  if (proven_lost(as_is, live) && proven_lost(fresh, bare)) return {Hint::Kind::NoWinNow, {}};
  if (fresh.verdict != Verdict::Solved || !wins(bare, difficulte, fresh.placements)) return {Hint::Kind::NoneFound, {}};

  for (const Placement& p : placed) {
    if (!contains(fresh.placements, p)) return {Hint::Kind::TakeBack, p};
  }
  // Every piece of the player's is part of the win: the first search ran out
  // of time. The rest of the win, on top of them, is the hint.
  Placements rest;
  for (const Placement& p : fresh.placements) {
    if (!contains(placed, p)) rest.push_back(p);
  }
  if (!rest.empty() && wins(live, difficulte, rest)) return {Hint::Kind::Place, in_placing_order(rest).front()};
  return {Hint::Kind::NoneFound, {}};
}

}  // namespace drippo::solve
