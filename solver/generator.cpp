#include "solver/generator.h"

#include <algorithm>
#include <chrono>
#include <random>

#include "game/board_geometry.h"
#include "solver/path_layout.h"
#include "solver/problem.h"
#include "solver/solver.h"

namespace drippo::solve {

std::optional<Difficulty> difficulty_from_text(std::string_view text) {
  if (text == "easy") return Difficulty::Easy;
  if (text == "medium") return Difficulty::Medium;
  if (text == "hard") return Difficulty::Hard;
  return std::nullopt;
}

PieceRange pieces_needed(Difficulty difficulty) {
  switch (difficulty) {
    case Difficulty::Easy: return {1, 2};
    case Difficulty::Medium: return {3, 4};
    case Difficulty::Hard: break;
  }
  // "Five or more": five keeps the proof that four never do within the time.
  return {5, 5};
}

namespace {

using Clock = std::chrono::steady_clock;

// Most proofs take a few hundred games; one that runs long is a board with
// many ways to try, and the next candidate is likelier to finish than this
// one. The bound is on games, not time, so that a seed gives the same level
// on any machine (about half a second here).
constexpr std::int64_t proof_games = 30000;

// Pieces offered besides the solution's, to make the player think.
constexpr std::int16_t decoy_kinds[] = {piece::plateforme,      piece::diagonale_droite, piece::diagonale_gauche,
                                        piece::coude_droit,     piece::coude_gauche,     piece::bifurcation,
                                        piece::tuyau_plat,      piece::tuyau_croisement, piece::brique,
                                        piece::embranchement_droit, piece::embranchement_gauche};

Problem problem_of(const LevelData& level) {
  Problem p;
  p.level = level;
  return p;
}

bool wins(const LevelData& level, const Placements& ordered) { return replay(problem_of(level), ordered).won; }

void add_stock(LevelData& level, int kind, int count) {
  std::string& box = level.stocks[static_cast<std::size_t>(kind)];
  box = std::to_string((box.empty() ? 0 : std::stoi(box)) + count);
}

bool is_free(const PathLayout& path, const LevelData& level, int cell) {
  return is_cell(cell) && !path.wet[static_cast<std::size_t>(cell)] &&
         level.cells[static_cast<std::size_t>(cell)].piece == piece::vide;
}

// Takes `count` of the steering pieces off the board into the stock: the
// solution. Under each taken piece a brick where there is room, so that the
// stream without it ends there rather than wandering to a goal by luck: the
// proof that no fewer pieces win then has few ways to try.
Placements take_pieces(std::mt19937& rng, const PathLayout& path, LevelData& level, int count) {
  std::vector<int> cells = path.steering;
  Placements taken;
  for (int k = 0; k < count; ++k) {
    const auto at = static_cast<std::size_t>(draw(rng, k, static_cast<int>(cells.size()) - 1));
    std::swap(cells[static_cast<std::size_t>(k)], cells[at]);
    const int cell = cells[static_cast<std::size_t>(k)];
    Cellule& c = level.cells[static_cast<std::size_t>(cell)];
    taken.push_back({cell, c.piece});
    add_stock(level, c.piece, 1);
    c.piece = piece::vide;
  }
  for (const Placement& p : taken) {
    const int below = p.cell + nb_colonnes;
    if (below <= derniere_case && is_free(path, level, below)) {
      level.cells[static_cast<std::size_t>(below)].piece = piece::brique;
    }
  }
  return in_placing_order(taken);
}

// A cat beside the stream, where a wrong piece would wet it; kept only if the
// solution still wins with it there.
void maybe_add_cat(std::mt19937& rng, const PathLayout& path, LevelData& level, const Placements& solution) {
  if (draw(rng, 0, 1) == 0) return;
  const Placement& near = solution[static_cast<std::size_t>(draw(rng, 0, static_cast<int>(solution.size()) - 1))];
  const int column = near.cell % nb_colonnes;
  std::vector<int> spots;
  if (column > 0) spots.push_back(near.cell - 1);
  if (column + 1 < nb_colonnes) spots.push_back(near.cell + 1);
  spots.push_back(near.cell + 2 * nb_colonnes);
  const int spot = spots[static_cast<std::size_t>(draw(rng, 0, static_cast<int>(spots.size()) - 1))];
  if (!is_free(path, level, spot)) return;
  level.cells[static_cast<std::size_t>(spot)].piece = piece::chat;
  if (!wins(level, solution)) level.cells[static_cast<std::size_t>(spot)].piece = piece::vide;
}

struct Candidate {
  LevelData level;
  Placements solution;
};

std::optional<Candidate> lay_candidate(std::mt19937& rng, Difficulty difficulty) {
  const PieceRange range = pieces_needed(difficulty);
  const auto path = lay_path(rng, difficulty != Difficulty::Easy && draw(rng, 0, 2) == 0);
  if (!path) return std::nullopt;
  const int count = draw(rng, range.least, range.most);
  // A level of nothing but the player's pieces is a blank page, not a puzzle.
  if (static_cast<int>(path->steering.size()) < count + 1) return std::nullopt;

  Candidate c;
  c.level.cells = path->cells;
  c.level.water = std::to_string(path->most_needed + draw(rng, 3, 8));
  if (!wins(c.level, {})) return std::nullopt;  // the laid stream does not reach its goals
  c.solution = take_pieces(rng, *path, c.level, count);
  maybe_add_cat(rng, *path, c.level, c.solution);
  const int decoys = draw(rng, 1, difficulty == Difficulty::Medium ? 3 : 2);
  for (int k = 0; k < decoys; ++k) {
    add_stock(c.level, decoy_kinds[draw(rng, 0, static_cast<int>(std::size(decoy_kinds)) - 1)], 1);
  }
  c.level.time = std::to_string(10 + 5 * count);
  c.level.author = "Drippo";
  return c;
}

}  // namespace

std::optional<GeneratedLevel> generate(Difficulty difficulty, std::uint32_t seed, double seconds,
                                       const std::atomic<bool>* cancel) {
  const auto start = Clock::now();
  const auto deadline = start + std::chrono::duration<double>(seconds);
  std::mt19937 rng(seed);
  GeneratedLevel made;
  while (Clock::now() < deadline && !(cancel != nullptr && cancel->load())) {
    ++made.candidates;
    auto candidate = lay_candidate(rng, difficulty);
    if (!candidate) continue;
    const Replay won = replay(problem_of(candidate->level), candidate->solution);
    if (!won.won) continue;
    // The proof: no set of fewer pieces wins. A proof that does not end in
    // time leaves the candidate for the next one.
    Limits limits;
    limits.max_pieces = static_cast<int>(candidate->solution.size()) - 1;
    limits.guided = false;
    limits.max_games = proof_games;
    limits.cancel = cancel;
    // The time is only a last resort on a very slow machine: no level then
    // rather than another one.
    limits.seconds = std::chrono::duration<double>(deadline - Clock::now()).count();
    if (limits.seconds <= 0) break;
    const SolveResult proof = solve(problem_of(candidate->level), limits);
    if (proof.verdict == Verdict::Unknown && proof.counters.explored < proof_games) break;
    if (proof.verdict != Verdict::NoSolution) continue;
    made.proof = proof.counters;
    made.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    made.level = std::move(candidate->level);
    made.solution = std::move(candidate->solution);
    made.ticks = won.ticks;
    return made;
  }
  return std::nullopt;
}

}  // namespace drippo::solve
