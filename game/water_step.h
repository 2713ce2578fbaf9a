#pragma once

#include <array>
#include <cstdint>

#include "game/cell_set.h"
#include "game/plain_flow.h"
#include "game/rule_table.h"
#include "game/simulation.h"

namespace drippo {

inline constexpr std::int16_t sponge_hold_ticks = 10;  // a sponge holds a drop this long
inline constexpr std::int16_t mill_power_ticks = 5;    // a mill keeps its doors open this long

// What the pieces of a board make of each cell: its rules, and the sets of
// cells each kind of move comes from. Pieces seldom change, so a tick finds
// them here instead of looking each one up in the tables of every cell and
// piece.
struct PieceRules {
  std::array<std::int16_t, nb_cases> pieces{};
  std::array<CellRules, nb_cases> rules{};
  std::array<CellSet, 3> special{};  // by WaterField
  // The cells whose drops of a direction (by WaterField) move down, right or
  // left; the flat platforms, where a falling drop follows the heading, and
  // the sides they may leave by.
  std::array<CellSet, 3> down{}, right{}, left{};
  CellSet platforms, platform_left, platform_right;
  // Mills and doors, whose rules are code but need no turn order; the other
  // special pieces by direction, which do.
  CellSet mills, doors;
  std::array<CellSet, 3> in_turn{};
  // The first two teleporters on cells 0..226, -1 when missing: a drop in
  // either one leaves by the other.
  int teleporters[2] = {-1, -1};
};

// The rules of the board's pieces, remembered per thread from the last board
// (the last stamp of its pieces, when not 0).
const PieceRules& piece_rules(const BoardArrays& board, std::uint64_t stamp);

// The moves of one tick. Every drop of the board at the start of the tick
// moves by the rule of the piece it is in. The drops arriving are counted
// apart and added at the end, so that the rules see the drops of the start
// of the tick; headings, goals' needs and the sponges' locks change in
// place, as the rules read them at the moment of the move; pieces blown up
// and doors powered take effect at the end of the tick.
class Simulation::Step {
 public:
  Step(Simulation& sim, TickReport& report);

  void release_due_drops();
  void move_drops();
  // The same moves on sets of cells, a row at a time for the headings, when
  // every water slot holds 0 or 1. False when the board holds other counts.
  bool move_by_sets();
  void move_mills_and_doors();
  // Adds the arrivals; two drops that met become one. True when no cell
  // holds water any more.
  bool settle();

 private:
  void apply(int i, int p, const DirectionRule& r, WaterField direction);
  // A drop moving to a neighbour of its cell.
  void step(const DropStep& s) {
    ++arrivals_[static_cast<std::size_t>(s.slot)];
    board_.sens[static_cast<std::size_t>(s.cell)] = board_.sens[static_cast<std::size_t>(s.heading_from)];
  }
  void arrive(WaterField field, int cell) {
    if (by_sets_) arriving_[static_cast<std::size_t>(field)].add(cell);
    else ++arrivals_[static_cast<std::size_t>(field * board_slots + cell)];
  }
  // A drop arriving anywhere: from a teleporter or a sponge.
  void arrive_far(WaterField field, int cell) {
    arrive(field, cell);
    far_.add(cell);
  }
  // Cell i's heading, written by a teleporter at cell `from`'s turn.
  void teleport_heading(int i, Sens s, int from);
  bool settle_sets();
  // Doors powered and pieces blown up take effect.
  void settle_power_and_pieces();

  // The special pieces.
  void special_rule(int i, int p, WaterField direction);
  void down_along(int i);
  void fill_goal(int i);
  void goal_filled();
  void cat_wetted();
  void exploser(int c);
  void souffler_case(int n);
  void absorber(int c, Sens s);
  void relacher(const Retenue& r);
  void teleport(int i, WaterField direction);
  int partner(int i);
  std::array<std::int16_t, board_slots>& pieces_after();
  void end_game_unless_editing() {
    if (!sim_.editing_) sim_.running_ = false;
  }

  Simulation& sim_;
  BoardArrays& board_;
  TickReport& report_;

  // Drops arriving in each water slot, kept at 0 between ticks.
  std::array<std::int16_t, 3 * board_slots>& arrivals_;
  const PieceRules* pieces_ = nullptr;
  CellSet wet_;      // cells with a drop at the start of the moves
  CellSet far_;      // cells a drop arrived in from further than a neighbour
  CellSet powered_;  // doors a mill powers from the next tick on
  // Moving by sets: the drops arriving by direction, the cells whose heading
  // goes down along with a drop from a special piece, and the headings
  // teleporters write for cells whose turn is still to come (`ahead_`) or
  // already past (`behind_`), in the order they were written.
  bool by_sets_ = false;
  std::array<CellSet, 3> arriving_{};
  CellSet heading_from_above_;  // cells a special piece's drop falls into, heading along
  struct HeadingWrite {  // plain fields: the arrays are left unset until used
    std::int16_t cell;
    std::int16_t from;
    std::uint16_t sens;  // Sens::id()
  };
  std::array<HeadingWrite, 3 * nb_cases> ahead_;
  std::array<HeadingWrite, 3 * nb_cases> behind_;
  int ahead_count_ = 0;
  std::uint32_t ahead_rows_ = 0;  // by bit: rows a teleporter wrote a heading for
  int behind_count_ = 0;
  bool blown_up_ = false;
  std::array<std::int16_t, board_slots> pieces_after_;  // valid once blown_up_
};

}  // namespace drippo
