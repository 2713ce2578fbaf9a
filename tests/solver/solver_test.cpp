// The solver on tiny levels, one feature each, whose fewest pieces are known.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "solver/candidates.h"
#include "solver/hint_search.h"
#include "solver/live_start.h"
#include "solver/placing_check.h"
#include "solver/solver.h"
#include "support/level_rows.h"

namespace drippo::solve {
namespace {

using testing::level_rows;

Problem problem_of(const LevelData& level) {
  Problem p;
  p.level = level;
  return p;
}

std::vector<int> pieces_of(const Placements& set) {
  std::vector<int> pieces;
  for (const Placement& p : set) pieces.push_back(p.piece);
  std::sort(pieces.begin(), pieces.end());
  return pieces;
}

struct Known {
  const char* what;
  LevelData level;
  std::vector<int> pieces;  // the kinds of the fewest pieces that win
};

TEST(Solver, FindsTheFewestPiecesThatWin) {
  const std::vector<Known> levels = {
      // The stream falls down the last column; one diagonal brings it over the glass.
      {"one diagonal", level_rows("water: 10\nstock 3: 1\nstock 2: 1\nstock 20: 2", {"", "", "", "", "", "", "", "", "", "", "", ".................G."}),
       {piece::diagonale_gauche}},
      // Two diagonals round a wall, as in the first shipped level.
      {"round a wall", level_rows("water: 30\nstock 2: 1\nstock 3: 2\nstock 20: 3",
                                  {"", "....===============", "", "", "", "", "..###..............", "", "", "", "", ".G................."}),
       {piece::diagonale_gauche, piece::diagonale_gauche}},
      // The stream ends in the last cell. A teleporter there sends it out
      // under the first other one; the one given leads into a brick, so a
      // new one must come before it. The limit of two counts not the last
      // cell: the game takes the pair only with the last cell's first.
      {"last cell's teleporter", level_rows("water: 10\nstock 7: 2", {"", "", "", "", "", "..........T........",
                                                                     "..........#........", "", "", "", "", "..G................"}),
       {piece::teleporteur, piece::teleporteur}},
      // Beyond the wall only through a pair of teleporters; one alone loses the water.
      {"teleporter pair", level_rows("water: 10\nstock 7: 2\nstock 3: 1",
                                     {"..........#........", "..........#........", "..........#........", "..........#........",
                                      "..........#........", "..........#........", "..........#........", "..........#........",
                                      "..........#........", "..........#........", "..........#........", ".G........#........"}),
       {piece::teleporteur, piece::teleporteur}},
      // Half the stream turns the mill only after a sponge held it: the other
      // half reaches the closed door first and is lost, unless a sponge holds
      // it as long. The glass needs every drop of that half.
      {"sponge timing", level_rows("water: 10\nstock 15: 1\nstock 20: 2\nstock 11: 1",
                                   {"", "..................L", "", "..................S", "", "", "", "", "", ".................DM", "",
                                    ".................G."}),
       {piece::eponge}},
      // The door in the stream stays shut until a mill turns beside it.
      {"mill opens the door", level_rows("water: 20\nstock 13: 1\nstock 20: 2\nstock 2: 1",
                                         {"", "", "..................L", "", "", "", "..................D", "", "", "", "",
                                          "..................G"}),
       {piece::moulin}},
      // The stream sets off the bomb beside the cat; one step aside it wets
      // the cat itself: only a longer way round wins.
      {"bomb beside the cat", level_rows("water: 10\nstock 3: 2\nstock 1: 2\nstock 8: 1",
                                         {"", "", "", "", "", "", ".................CB", "", "", "", "", "................G.."}),
       {piece::plateforme, piece::plateforme}},
      // The bomb in the stream cannot reach the brick below; a bomb it sets
      // off beside it, where no water ever comes, can.
      {"chain of bombs", level_rows("water: 10\nstock 8: 1", {"", "", "", "..................B", "..................+",
                                                               "..................#", "", "", "", "", "", "..................G"}),
       {piece::bombe}},
      // On the last column a junction turns the water like a diagonal; anywhere
      // else its other half would wet the cat. The one diagonal is needed further on.
      {"junction on the edge", level_rows("water: 10\nstock 3: 1\nstock 6: 1", {"", "", "", "", "", "", "", "", "", "", "", "................G.C"}),
       {piece::diagonale_gauche, piece::bifurcation}},
      // Ten drops for two glasses of ten: a junction makes twenty.
      {"junction doubles the water", level_rows("water: 10\nstock 6: 1\nstock 3: 2",
                                                {"", "................../", "................./.", "", "", "", "", "", "", "", "",
                                                 "...............G.G."}),
       {piece::bifurcation}},
      // The same with the junction given: the diagonals must bring it water.
      {"a given junction doubles the water", level_rows("water: 10\nstock 3: 2",
                                                        {"", "", "", "", "................Y..", "", "", "", "", "", "",
                                                         "...............G.G."}),
       {piece::diagonale_gauche, piece::diagonale_gauche}},
      // Ten drops for a glass of ten, each held a while by the sponge at the
      // source, and the diagonal must go down while most are held: they are
      // still to come.
      {"drops held in a sponge", level_rows("water: 10\nstock 3: 1\nstock 20: 1",
                                            {"..................S", "", "", ".................G."}),
       {piece::diagonale_gauche}},
      // The junctions bring the water down left of the glass; a platform sends
      // it on left, into a brick that sends it back right, past the platform,
      // over the glass.
      {"bounced off a brick", level_rows("water: 26\nstock 1: 2\nstock 11: 1\nstock 20: 1",
                                         {"###############....", "###############B.LY", "###############....", "###############...G",
                                          "###################", "###################", "###################", "###################",
                                          "###################", "###################", "###################", "###################"}),
       {piece::plateforme, piece::brique}},
  };
  for (const Known& k : levels) {
    const Problem problem = problem_of(k.level);
    // The rounds that try every set must find the fewest on their own, in
    // the last round they may run.
    for (const bool guided : {false, true}) {
      Limits limits;
      limits.guided = guided;
      if (!guided) limits.max_pieces = static_cast<int>(k.pieces.size());
      const SolveResult r = solve(problem, limits);
      ASSERT_EQ(r.verdict, Verdict::Solved) << k.what << (guided ? ", guided" : "");
      EXPECT_TRUE(r.shortest) << k.what;
      EXPECT_EQ(pieces_of(r.placements), k.pieces) << k.what << (guided ? ", guided" : "");
      EXPECT_TRUE(replay(problem, r.placements).won) << k.what;
      EXPECT_EQ(r.counters.rejected, 0) << k.what;
    }
  }
}

// The first shipped level's board with a full stock of every piece: no two
// pieces win it.
Problem full_stock_cascade() {
  std::string header = "water: 40";
  for (int t : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 20}) header += "\nstock " + std::to_string(t) + ": 99";
  return problem_of(level_rows(header, {"", "..........=========", "", "", "", "", "", "", "", "", "", "....G....C....P...."}));
}

TEST(Solver, ProvesThatNoSmallSetWins) {
  Limits limits;
  limits.max_pieces = 2;
  limits.seconds = 60;
  const SolveResult r = solve(full_stock_cascade(), limits);
  EXPECT_EQ(r.verdict, Verdict::NoSolution);
  EXPECT_EQ(r.none_up_to, 2);
  EXPECT_GT(r.counters.pruned_dry, 0);
  EXPECT_GT(r.counters.pruned_seen, 0);
}

// A bound on the games, not the time, so that it says the same on every
// machine: the guided searches must find the hardest shipped levels' answers
// long before the rounds of every set would.
TEST(Solver, SolvesEveryShippedLevelWithinFiftyThousandGames) {
  int levels = 0;
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(DRIPPO_ASSETS_PATH) / "levels")) {
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::string error;
    const auto level = parse_level_text(text, error);
    ASSERT_TRUE(level.has_value()) << entry.path() << ": " << error;
    Limits limits;
    limits.max_pieces = 8;
    limits.seconds = 600;
    limits.max_games = 50'000;
    const SolveResult r = solve(problem_of(*level), limits);
    EXPECT_EQ(r.verdict, Verdict::Solved) << entry.path() << " after " << r.counters.explored << " games";
    ++levels;
  }
  EXPECT_GE(levels, 40);
}

TEST(Solver, AnswersFromAMomentOfARunningGame) {
  // Twenty drops for a glass of ten: the first ones may be lost.
  Problem p = problem_of(level_rows("water: 20\nstock 3: 1", {"", "", "", "", "", "", "", "", "", "", "", ".................G."}));
  Limits limits;
  limits.max_pieces = 1;
  p.moment = 8;
  const SolveResult early = solve(p, limits);
  ASSERT_EQ(early.verdict, Verdict::Solved);
  EXPECT_TRUE(replay(p, early.placements).won);
  // By then eleven drops have fallen past: too few are left.
  p.moment = 22;
  EXPECT_EQ(solve(p, limits).verdict, Verdict::NoSolution);
  p.moment = 5000;  // the game is long over
  EXPECT_EQ(solve(p, limits).verdict, Verdict::BadStart);
}

// A hint from a running game: while a diagonal still saves enough drops, it
// names it; once too many fell past, it says that nothing set down now wins,
// with the player's diagonal on the board or taken back.
TEST(Hint, NamesAPieceWhileAWinIsLeftThenSaysNoneIs) {
  Problem p = problem_of(level_rows("water: 20\nstock 3: 2", {"", "", "", "", "", "", "", "", "", "", "", ".................G."}));
  const auto hint_at = [&](std::int32_t moment, Placements fixed) {
    p.moment = moment;
    p.fixed = std::move(fixed);
    HeadlessGame headless;
    EXPECT_FALSE(set_up(headless.game, p).has_value());
    return find_hint(live_start_of(headless.game), 100, HintLimits{});
  };
  const Hint early = hint_at(8, {});
  EXPECT_EQ(early.kind, Hint::Kind::Place);
  EXPECT_EQ(early.placement.piece, piece::diagonale_gauche);
  EXPECT_EQ(hint_at(22, {}).kind, Hint::Kind::NoWinNow);
  // A diagonal of the player's on the way to nowhere changes nothing.
  EXPECT_EQ(hint_at(22, {{100, piece::diagonale_gauche}}).kind, Hint::Kind::NoWinNow);
}

TEST(Solver, FixedPiecesGoDownFirstAndTheGameJudgesThem) {
  Problem p = problem_of(level_rows("water: 10\nstock 3: 1", {"", "", "", "", "", "", "", "", "", "", "", ".................G."}));
  p.fixed = {{37, piece::diagonale_gauche}};
  const SolveResult won = solve(p, Limits{});
  EXPECT_EQ(won.verdict, Verdict::Solved);
  EXPECT_TRUE(won.placements.empty());

  p.fixed = {{226, piece::diagonale_gauche}};  // the glass's cell
  const SolveResult taken = solve(p, Limits{});
  ASSERT_EQ(taken.verdict, Verdict::BadStart);
  EXPECT_EQ(taken.start_problem->why, PlacingRefusal::CellTaken);
}

TEST(FirstAct, APieceCountsFromTheFirstTickItCanChangeTheRun) {
  WaterRun run;
  begin_run(run, Simulation{}, {});
  const int c = 40;
  run.first_wet[c] = 5;
  run.first_blast[c] = 5;
  // Wet in the tick the blast takes it: it still moves that drop.
  EXPECT_EQ(first_act(run, c, piece::plateforme), 5);
  run.first_blast[c] = 4;
  EXPECT_EQ(first_act(run, c, piece::plateforme), never);  // gone before any drop came
  EXPECT_EQ(first_act(run, c, piece::bombe), 4);           // set off by the blast
  run.first_wet[c] = never;
  run.first_blast[c] = never;
  EXPECT_EQ(first_act(run, c, piece::bombe), never);
  // A teleporter elsewhere took a drop: any new one may be its partner, but
  // never one on the last cell.
  run.first_teleporter_use = 7;
  EXPECT_EQ(first_act(run, c, piece::teleporteur), 7);
  EXPECT_EQ(first_act(run, c, piece::plateforme), never);
  EXPECT_EQ(first_act(run, derniere_case, piece::teleporteur), never);
}

TEST(PlacingCheck, JudgesTheLastCellsTeleporterAsIfItWentDownFirst) {
  PlacingCheck check(problem_of(level_rows("stock 7: 3", {"..........T........"})));
  ASSERT_TRUE(check.hold({{40, piece::teleporteur}}));
  // Two teleporters stand on cells 0..226: a third there is refused, but not
  // one on the last cell, which the game takes before the second.
  EXPECT_FALSE(check.allows({41, piece::teleporteur}));
  EXPECT_TRUE(check.allows({derniere_case, piece::teleporteur}));
  ASSERT_TRUE(check.hold({{40, piece::teleporteur}, {derniere_case, piece::teleporteur}}));
  EXPECT_EQ(check.stock_left(piece::teleporteur), 1);
  // The level's own two leave no room at all.
  PlacingCheck full(problem_of(level_rows("stock 7: 3", {"..........T......T."})));
  EXPECT_FALSE(full.allows({derniere_case, piece::teleporteur}));
}

TEST(Solver, StopsAtTheTimeLimitOrWhenCancelled) {
  // No water can reach a walled-in glass, but with a full stock of every
  // piece but the bomb there are far too many sets to say so in a moment.
  std::string header = "water: 40";
  for (int t : {1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15, 20}) header += "\nstock " + std::to_string(t) + ": 99";
  const Problem big = problem_of(level_rows(header, {"", "", "", "", "", "", "", "", "", "", "#..................", "G#................."}));
  Limits limits;
  limits.max_pieces = 4;

  std::atomic<bool> cancel{true};
  limits.cancel = &cancel;
  const SolveResult at_once = solve(big, limits);
  EXPECT_EQ(at_once.verdict, Verdict::Unknown);
  EXPECT_EQ(at_once.counters.explored, 0);

  // From another thread, as the window will.
  cancel = false;
  limits.seconds = 60;
  std::thread stopper([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    cancel = true;
  });
  const SolveResult cancelled = solve(big, limits);
  stopper.join();
  EXPECT_EQ(cancelled.verdict, Verdict::Unknown);
  EXPECT_LT(cancelled.seconds, 5.0);

  limits.cancel = nullptr;
  limits.seconds = 0.2;
  const SolveResult timed = solve(big, limits);
  EXPECT_EQ(timed.verdict, Verdict::Unknown);
  EXPECT_LT(timed.seconds, 5.0);
  EXPECT_GE(timed.none_up_to, 1);
}

}  // namespace
}  // namespace drippo::solve
