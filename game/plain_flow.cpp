#include "game/plain_flow.h"

#include "game/pieces.h"

namespace drippo {

namespace {

using namespace flow;

FlowMask step_bits(const DropStep& s, int i, int direction) {
  // The lost-drop cell sits right after the last one: not a neighbour.
  if (s.cell == lost_drop_cell) return 0;
  if (s.cell == i + nb_colonnes) return down[direction];
  if (s.cell == i + 1) return right[direction];
  if (s.cell == i - 1) return left[direction];
  return 0;  // lost
}

constexpr std::size_t at(int i) { return static_cast<std::size_t>(i); }

FlowMask flow_mask(const CellRules& rules, int i) {
  FlowMask m = 0;
  for (int d = 0; d < 3; ++d) {
    const DirectionRule& r = rules.by_direction[at(d)];
    switch (r.kind) {
      case RuleKind::special: break;
      case RuleKind::by_heading:
        // Only a falling drop meets a platform's heading.
        m |= b_heading;
        if (r.first.cell == i - 1) m |= b_heading_left;
        if (r.second.cell == i + 1) m |= b_heading_right;
        break;
      case RuleKind::plain: m |= step_bits(r.first, i, d) | step_bits(r.second, i, d); break;
    }
  }
  return m;
}

}  // namespace

FlowMask cell_flow_mask(int i, int p) {
  struct MaskBook {
    std::array<std::array<FlowMask, nb_types + 2>, nb_cases> by_cell{};
    MaskBook() {
      for (int c = 0; c < nb_cases; ++c) {
        for (int q = 0; q <= nb_types + 1; ++q) by_cell[at(c)][at(q)] = flow_mask(cell_rules(c, q), c);
      }
    }
  };
  static const MaskBook book;
  return book.by_cell[at(i)][at(is_valid_piece(p) ? p : nb_types + 1)];
}

}  // namespace drippo
