#include "game/rule_table.h"

#include <array>

#include "game/pieces.h"

namespace drippo {
namespace {

// How a drop leaves a cell, before the edges of the board are known.
enum class Move : std::uint8_t { lost, down_along, down_as_d, down_as_g, right, left };

struct Rule {
  Move first = Move::lost;
  Move second = Move::lost;
  RuleKind kind = RuleKind::plain;
};

constexpr Rule moves(Move a, Move b = Move::lost) { return Rule{a, b, RuleKind::plain}; }
constexpr Rule special{Move::lost, Move::lost, RuleKind::special};
// A drop falling onto a flat platform leaves in the cell's heading, if any.
constexpr Rule by_heading{Move::left, Move::right, RuleKind::by_heading};

using enum Move;

// rules[piece] = {falling, moving right, moving left}. "Back" is left for a
// drop moving right and right for a drop moving left.
constexpr Rule rules[nb_types + 1][3] = {
    /* 0 empty          */ {moves(down_along), moves(down_as_d), moves(down_as_g)},
    /* 1 flat platform  */ {by_heading, moves(right), moves(left)},
    /* 2 diagonal right */ {moves(right), moves(left), moves(right)},
    /* 3 diagonal left  */ {moves(left), moves(left), moves(right)},
    /* 4 right curve    */ {moves(right), moves(down_as_d), moves(right)},
    /* 5 left curve     */ {moves(left), moves(left), moves(down_as_g)},
    /* 6 junction       */ {moves(right, left), moves(left), moves(right)},
    /* 7 teleporter     */ {special, special, special},
    /* 8 bomb           */ {special, special, special},
    /* 9 right junction */ {moves(down_along, right), moves(down_as_d), moves(right)},
    /* 10 left junction */ {moves(down_along, left), moves(left), moves(down_as_g)},
    /* 11 pipe          */ {moves(lost), moves(right), moves(left)},
    /* 12 cross pipe    */ {moves(down_along), moves(right), moves(left)},
    /* 13 mill          */ {special, moves(left), moves(right)},
    /* 14 door          */ {special, special, special},
    /* 15 sponge        */ {special, special, special},
    /* 16 fish bowl     */ {special, moves(left), moves(right)},
    /* 17 flower pot    */ {special, moves(left), moves(right)},
    /* 18 glass         */ {special, moves(left), moves(right)},
    /* 19 cat           */ {special, special, special},
    /* 20 brick         */ {moves(lost), moves(left), moves(right)},
};

DropStep step_to(int target, WaterField field, int heading_from) {
  if (target < 0) return DropStep{};
  return DropStep{static_cast<std::int16_t>(field * board_slots + target), static_cast<std::int16_t>(target),
                  static_cast<std::int16_t>(heading_from)};
}

DropStep compile(int i, Move m) {
  const int below = neighbour(i, Direction::Below);
  switch (m) {
    case down_along: return step_to(below, falling, i);
    case down_as_d: return step_to(below, falling, heading_droite_slot);
    case down_as_g: return step_to(below, falling, heading_gauche_slot);
    // Horizontal moves keep the heading of the cell they enter.
    case right: {
      const int r = neighbour(i, Direction::Right);
      return step_to(r, going_right, r);
    }
    case left: {
      const int l = neighbour(i, Direction::Left);
      return step_to(l, going_left, l);
    }
    case lost: break;
  }
  return DropStep{};
}

// Every cell with every piece, and one more entry for the codes outside the
// catalogue, which lose their drops.
struct RuleBook {
  std::array<std::array<CellRules, nb_types + 2>, nb_cases> by_cell{};
  RuleBook() {
    for (int i = 0; i < nb_cases; ++i) {
      for (int p = 0; p <= nb_types + 1; ++p) by_cell[static_cast<std::size_t>(i)][static_cast<std::size_t>(p)] = compile_rules(i, p);
    }
  }
};

}  // namespace

const CellRules& cell_rules(int i, int p) {
  static const RuleBook book;
  const int entry = is_valid_piece(p) ? p : nb_types + 1;
  return book.by_cell[static_cast<std::size_t>(i)][static_cast<std::size_t>(entry)];
}

CellRules compile_rules(int i, int p) {
  CellRules out;
  if (!is_valid_piece(p)) return out;
  for (int d = 0; d < 3; ++d) {
    const Rule& r = rules[p][d];
    DirectionRule& dr = out.by_direction[static_cast<std::size_t>(d)];
    dr.kind = r.kind;
    dr.first = compile(i, r.first);
    dr.second = compile(i, r.second);
  }
  return out;
}

}  // namespace drippo
