#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "game/board_arrays.h"
#include "game/cell_set.h"
#include "game/cellule.h"
#include "game/held_drops.h"

namespace drippo {

// Something a tick did that the player hears or sees beyond the pictures of
// the cells, in the order it happened.
struct TickEvent {
  enum class Kind : std::uint8_t {
    TimeOut,          // the time ran out: the game ends
    GameOver,         // the board is dry and the source empty: the game ends
    Explosion,        // a bomb in `cell` went off
    CatBlown,         // the blast reached the cat
    BlastEndsGame,    // the bomb in `cell` blew up the cat: the game ends
    CatWetted,        // a drop reached the cat (the game ends unless editing)
    GoalFilled,       // a goal got its last drop; `score` is the new score
    Win,              // every goal is full (the game ends unless editing)
  };
  Kind kind;
  std::int16_t cell = -1;
  double score = 0.0;  // the score when the event happened
};

struct TickReport {
  bool poured = false;  // the source let a drop go: the water left changed
  std::vector<TickEvent> events;
};

// The water as it runs: the board, the drops sponges hold, the clock, the
// water left, the goals and the score. A plain value with no window, no
// files and no clock of its own: copy it to try a move and throw the copy
// away. tick() moves it on by one step of the water timer.
class Simulation {
 public:
  // ---- The board ------------------------------------------------------
  Cellule cell(int i) const { return board_.get(i); }
  const BoardArrays& arrays() const { return board_; }
  Board board() const;
  void set_board(const Board& board);
  // A cell whose fields can be assigned one by one.
  CellRef cell_ref(int i) {
    wet_known_ = false;
    power_known_ = false;
    pieces_changed();
    return CellRef(board_, i);
  }
  void clear_water() {
    board_.eau.fill(0);
    wet_known_ = false;
  }
  // A drop poured into cell i, heading as its direction says (falling drops
  // head right).
  void pour(int i, WaterField direction);

  // ---- Mode and clock -------------------------------------------------
  // Editing: the source is shut, the cat and a win do not end anything.
  // Timed: the clock counts the seconds and the time runs out.
  void set_mode(bool editing, bool timed) {
    editing_ = editing;
    timed_ = timed;
  }
  bool running() const { return running_; }
  void set_running(bool on) { running_ = on; }
  void start_water();  // the countdown is over: the clock and the score start from 0
  std::int32_t tick_counter() const { return tick_counter_; }
  void set_tick_counter(std::int32_t t) { tick_counter_ = t; }
  bool dry() const { return dry_; }
  double water_left() const { return water_left_; }
  void set_water_left(double drops) { water_left_ = drops; }

  // ---- Goals and score ------------------------------------------------
  double score() const { return score_; }
  std::int16_t goals() const { return goals_; }
  void set_goals(std::int16_t goals, double score) {
    goals_ = goals;
    score_ = score;
  }

  const HeldDrops& held_drops() const { return held_; }
  void release_held_drops() { held_.clear(); }

  // Moves on sets of cells (on by default); off, every drop goes through the
  // rule table one by one, as on a board holding counts other than 0 and 1.
  // Same result.
  void set_moves_by_sets(bool on) { moves_by_sets_ = on; }

  // One step of the water. When `pictures` is given, it receives the picture
  // each cell shows during this step.
  void tick(TickReport& report, std::array<std::int16_t, board_slots>* pictures = nullptr);

 private:
  // One step of the water, in water_step.cpp.
  class Step;

  BoardArrays board_;
  // The cells holding a drop, by WaterField, when wet_known_: kept by the
  // tick, forgotten when the board is written from outside.
  std::array<CellSet, 3> wet_{};
  bool wet_known_ = false;
  bool odd_water_ = false;  // some slot holds neither 0 nor 1 (a hand-made level)
  // The cells whose power is still running down to its floor, when
  // power_known_: the tick visits only those.
  CellSet powered_;
  bool power_known_ = false;
  void run_power_down();
  // Names the pieces on the board: a new one each time they change, so that a
  // tick knows the rules it worked out for them last time (0: not known).
  std::uint64_t pieces_stamp_ = 0;
  void pieces_changed();
  void find_wet_cells();  // the wet cells and odd counts, from the whole board
  HeldDrops held_;
  double water_left_ = 0.0;
  double score_ = 0.0;
  std::int32_t tick_counter_ = 0;
  std::int16_t goals_ = 0;
  bool editing_ = false;
  bool timed_ = false;
  bool running_ = false;
  bool dry_ = false;
  bool moves_by_sets_ = true;
  bool cat_hit_ = false;  // the blast of the bomb going off reached the cat
};

}  // namespace drippo
