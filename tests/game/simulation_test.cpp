// The water simulation as a value: its fast moves give exactly what the rule
// table gives drop by drop, a copy runs ahead without touching the original,
// and copying it asks nothing of the heap.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <random>
#include <string>
#include <thread>

#include "game/held_drops.h"
#include "game/simulation.h"

namespace {
// Heap allocations made on this thread, for the copy test.
thread_local long allocations = 0;
}  // namespace

void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace drippo {
namespace {

Board random_board(std::mt19937& random, int wet_percent, bool odd_counts) {
  Board b{};
  std::uniform_int_distribution<int> piece_of(0, nb_types + 1);  // one code past the catalogue
  std::uniform_int_distribution<int> percent(0, 99);
  std::uniform_int_distribution<int> heading(0, 3);
  std::uniform_int_distribution<int> power(-10, 5);
  for (Cellule& c : b) {
    c.piece = static_cast<std::int16_t>(piece_of(random));
    // Bombs and teleporters are rarer than the rest, as on a real board.
    if ((c.piece == piece::bombe || c.piece == piece::teleporteur) && percent(random) < 70) c.piece = piece::vide;
    for (std::int16_t* e : {&c.eau_b, &c.eau_d, &c.eau_g}) {
      *e = percent(random) < wet_percent;
      if (odd_counts && percent(random) < 3) *e = static_cast<std::int16_t>(percent(random) % 2 == 0 ? -2 : 3);
    }
    const int h = heading(random);
    c.sens = h == 0 ? Sens::gauche() : h == 1 ? Sens::droite() : h == 2 ? Sens::none() : Sens::from_text("x");
    c.compteur = static_cast<std::int16_t>(power(random));
    c.besoin = goal_need(c.piece);
    c.modifiable = 1;
  }
  return b;
}

Simulation running(const Board& board, bool editing, double water) {
  Simulation sim;
  sim.set_board(board);
  std::int16_t goals = 0;
  for (const Cellule& c : board) goals = static_cast<std::int16_t>(goals + is_goal(c.piece));
  sim.set_mode(editing, !editing);
  sim.start_water();
  sim.set_goals(goals, 0.0);
  sim.set_water_left(water);
  return sim;
}

void expect_same_events(const TickReport& a, const TickReport& b, const std::string& where) {
  ASSERT_EQ(a.poured, b.poured) << where;
  ASSERT_EQ(a.events.size(), b.events.size()) << where;
  for (std::size_t k = 0; k < a.events.size(); ++k) {
    EXPECT_EQ(a.events[k].kind, b.events[k].kind) << where << ", event " << k;
    EXPECT_EQ(a.events[k].cell, b.events[k].cell) << where << ", event " << k;
    EXPECT_EQ(a.events[k].score, b.events[k].score) << where << ", event " << k;
  }
}

// Runs the same start both ways and compares everything after every tick.
void expect_same_both_ways(const Simulation& start, int ticks, const std::string& what) {
  Simulation fast = start;
  Simulation table = start;
  table.set_moves_by_sets(false);
  TickReport fast_report, table_report;
  for (int k = 1; k <= ticks; ++k) {
    const std::string where = what + ", tick " + std::to_string(k);
    fast.tick(fast_report);
    table.tick(table_report);
    ASSERT_EQ(fast.board(), table.board()) << where;
    ASSERT_EQ(fast.held_drops().to_vector(), table.held_drops().to_vector()) << where;
    ASSERT_EQ(fast.dry(), table.dry()) << where;
    ASSERT_EQ(fast.running(), table.running()) << where;
    ASSERT_EQ(fast.score(), table.score()) << where;
    ASSERT_NO_FATAL_FAILURE(expect_same_events(fast_report, table_report, where));
  }
}

TEST(Simulation, FastMovesGiveWhatTheRuleTableGivesOnRandomBoards) {
  std::mt19937 random(20261207);
  for (int round = 0; round < 300; ++round) {
    // Sparse boards (the few-drop case) as well as soaked ones, in play and
    // in the editor, some with counts other than 0 and 1 from a hand-made file.
    const int wet = round % 3 == 0 ? 2 : round % 3 == 1 ? 25 : 100;
    const bool editing = round % 4 == 0;
    const Board board = random_board(random, wet, round % 5 == 0);
    expect_same_both_ways(running(board, editing, round % 7 == 0 ? 0 : 30), 25, "board " + std::to_string(round));
  }
}

TEST(Simulation, PiecesChangedAFewAtATimeMoveAsOnAThreadThatNeverSawTheBoardBefore) {
  // The rules of the pieces are remembered per thread and learnt again only
  // for the cells that changed, as when a solver tries one piece after
  // another: the water must move as on a thread that learns the board whole.
  std::mt19937 random(11);
  Board board = random_board(random, 25, false);
  std::uniform_int_distribution<int> cell_of(0, nb_cases - 1);
  std::uniform_int_distribution<int> piece_of(0, nb_types);
  auto run = [](const Board& b) {
    Simulation sim = running(b, false, 30);
    TickReport report;
    for (int k = 0; k < 12; ++k) sim.tick(report);
    return sim.board();
  };
  for (int round = 0; round < 60; ++round) {
    for (int n = 1 + round % 3; n > 0; --n) board[static_cast<std::size_t>(cell_of(random))].piece = static_cast<std::int16_t>(piece_of(random));
    const Board here = run(board);
    Board fresh;
    std::thread([&] { fresh = run(board); }).join();
    ASSERT_EQ(here, fresh) << "round " << round;
  }
}

TEST(Simulation, DropsASpongeLetsGoOntoAFewDropsMoveTheSameBothWays) {
  // The sponge below the source holds every drop ten ticks, then lets it fall
  // onto a nearly dry board.
  Board b{};
  b[case_source].piece = piece::eponge;
  b[case_source + nb_colonnes].piece = piece::plateforme;
  b[case_source + nb_colonnes].sens = Sens::gauche();
  expect_same_both_ways(running(b, false, 20), 60, "sponge under the source");
}

TEST(Simulation, ACopyRunsAheadAndTheOriginalStaysWhereItWas) {
  std::mt19937 random(5);
  const Simulation original = running(random_board(random, 25, false), false, 40);
  const Board before = original.board();

  Simulation ahead = original;
  TickReport report;
  for (int k = 0; k < 40; ++k) ahead.tick(report);
  EXPECT_EQ(original.board(), before);
  EXPECT_EQ(original.tick_counter(), 0);
  EXPECT_NE(ahead.board(), before);

  // The same ticks from the original again land exactly where the copy did.
  Simulation again = original;
  for (int k = 0; k < 40; ++k) again.tick(report);
  EXPECT_EQ(again.board(), ahead.board());
  EXPECT_EQ(again.held_drops().to_vector(), ahead.held_drops().to_vector());
}

TEST(Simulation, CopyingAskNothingOfTheHeap) {
  // Sponges holding drops, as in a level being played.
  Board b{};
  for (int i : {60, 61, 62}) {
    b[static_cast<std::size_t>(i)].piece = piece::eponge;
    b[static_cast<std::size_t>(i)].eau_b = b[static_cast<std::size_t>(i)].eau_d = 1;
  }
  Simulation sim = running(b, false, 0);
  TickReport report;
  sim.tick(report);
  ASSERT_EQ(sim.held_drops().size(), 6u);

  const long before = allocations;
  const Simulation copy = sim;
  EXPECT_EQ(allocations, before);
  EXPECT_EQ(copy.held_drops().to_vector(), sim.held_drops().to_vector());
}

TEST(HeldDrops, FallOutWhenDueInTheOrderTheyCameInWhateverTheirNumber) {
  // More drops than the object keeps inside it, due at ticks that wrap with
  // the tick counter: the drops due must fall out oldest first, and the
  // others keep the order they were absorbed in.
  std::mt19937 random(3);
  HeldDrops held;
  std::vector<Retenue> model;
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
  for (int op = 0; op < 3000; ++op) {
    if (model.empty() || pick(0, 99) < 55) {
      const int depart = pick(0, 3) == 0 ? tick_counter_wrap - pick(0, 12) : pick(0, 40);
      const Retenue r{static_cast<std::int16_t>(op % nb_cases), depart, static_cast<std::int16_t>(pick(1, 12)),
                      op % 2 ? Sens::gauche() : Sens::droite()};
      held.push_back(r);
      model.push_back(r);
      continue;
    }
    const Retenue& target = model[static_cast<std::size_t>(pick(0, static_cast<int>(model.size()) - 1))];
    const std::int32_t now = (target.depart + target.delai) % (tick_counter_wrap + 1);
    std::vector<Retenue> due, fell;
    std::erase_if(model, [&](const Retenue& r) {
      if ((r.depart + r.delai) % (tick_counter_wrap + 1) != now) return false;
      due.push_back(r);
      return true;
    });
    held.take_due(now, [&](const Retenue& r) { fell.push_back(r); });
    ASSERT_EQ(fell, due) << "at operation " << op;
    ASSERT_EQ(held.to_vector(), model) << "after operation " << op;
    ASSERT_EQ(held.empty(), model.empty());
  }
}

}  // namespace
}  // namespace drippo
