#pragma once

#include <array>
#include <cstdint>

#include "game/rule_table.h"
#include "game/simulation.h"

namespace drippo {

inline constexpr std::int16_t sponge_hold_ticks = 10;  // a sponge holds a drop this long
inline constexpr std::int16_t mill_power_ticks = 5;    // a mill keeps its doors open this long

// Cells as bits, ascending: four words cover the board and the lost-drop cell.
struct CellSet {
  std::array<std::uint64_t, 4> words{};

  void add(int i) { words[static_cast<std::size_t>(i >> 6)] |= std::uint64_t{1} << (i & 63); }
  CellSet operator|(const CellSet& o) const {
    CellSet s;
    for (std::size_t w = 0; w < words.size(); ++w) s.words[w] = words[w] | o.words[w];
    return s;
  }
};

// The moves of one tick. Every drop of the board at the start of the tick
// moves by the rule of the piece it is in. The drops arriving are counted
// apart and added at the end, so that the rules see the drops of the start
// of the tick; headings, goals' needs and the sponges' locks change in
// place, as the rules read them at the moment of the move; pieces blown up
// and doors powered take effect at the end of the tick.
class Simulation::Step {
 public:
  Step(Simulation& sim, TickReport& report) : sim_(sim), board_(sim.board_), report_(report) {}

  void release_due_drops();
  void move_drops();
  // Adds the arrivals; two drops that met become one. True when no cell
  // holds water any more.
  bool settle();

 private:
  // The whole-board moves, when no drop meets a special piece.
  bool move_plain();
  void apply(int i, int p, const DirectionRule& r, WaterField direction);
  void step(const DropStep& s) {
    ++arrivals_[static_cast<std::size_t>(s.slot)];
    board_.sens[static_cast<std::size_t>(s.cell)] = board_.sens[static_cast<std::size_t>(s.heading_from)];
    touched_.add(s.cell);
  }
  void arrive(WaterField field, int cell) {
    ++arrivals_[static_cast<std::size_t>(field * board_slots + cell)];
    touched_.add(cell);
  }

  // The special pieces.
  void special_rule(int i, int p, WaterField direction);
  void down_along(int i);
  void fill_goal(int i);
  void goal_filled();
  void cat_wetted();
  void exploser(int c);
  void souffler_case(int n);
  void absorber(int c, Sens s);
  void relacher(std::size_t j);
  void teleport(int i, WaterField direction);
  int partner(int i);
  std::array<std::int16_t, board_slots>& pieces_after();
  void end_game_unless_editing() {
    if (!sim_.editing_) sim_.running_ = false;
  }

  Simulation& sim_;
  BoardArrays& board_;
  TickReport& report_;

  alignas(64) std::array<std::int16_t, 3 * board_slots> arrivals_{};
  CellSet wet_;      // cells with a drop at the start of the moves
  CellSet touched_;  // cells a drop arrived in
  CellSet powered_;  // doors a mill powers from the next tick on
  bool plain_moved_ = false;
  bool blown_up_ = false;
  std::array<std::int16_t, board_slots> pieces_after_;  // valid once blown_up_
  bool teleporters_found_ = false;
  int teleporters_ = 0;
  int first_two_[2] = {-1, -1};
};

}  // namespace drippo
