#include "game/plain_flow.h"

#include "game/pieces.h"

namespace drippo {

namespace {

using namespace flow;

constexpr int down_bit[3] = {b_down, d_down, g_down};
constexpr int right_bit[3] = {b_right, d_right, g_right};
constexpr int left_bit[3] = {b_left, d_left, g_left};
constexpr int special_bit[3] = {b_special, d_special, g_special};

FlowMask step_bits(const DropStep& s, int i, int direction) {
  // The lost-drop cell sits right after the last one: not a neighbour.
  if (s.cell == lost_drop_cell) return 0;
  if (s.cell == i + nb_colonnes) return static_cast<FlowMask>(down_bit[direction]);
  if (s.cell == i + 1) return static_cast<FlowMask>(right_bit[direction]);
  if (s.cell == i - 1) return static_cast<FlowMask>(left_bit[direction]);
  return 0;  // lost
}

constexpr std::size_t at(int i) { return static_cast<std::size_t>(i); }
constexpr int bs = board_slots;
constexpr int few_wet_cells = 24;

}  // namespace

FlowMask flow_mask(const CellRules& rules, int i) {
  FlowMask m = 0;
  for (int d = 0; d < 3; ++d) {
    const DirectionRule& r = rules.by_direction[at(d)];
    switch (r.kind) {
      case RuleKind::special: m |= static_cast<FlowMask>(special_bit[d]); break;
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

bool move_plain_drops(const BoardArrays& now, BoardArrays& next, const std::array<FlowMask, board_slots>& masks) {
  constexpr int n = nb_cases;
  constexpr int up = nb_colonnes;  // padding in front, so that "the cell above" needs no test

  int special = 0;
  int wet_cells = 0;
  for (int k = 0; k < n; ++k) {
    const int m = masks[at(k)];
    const int b = now.eau[at(k)] > 0;
    const int d = now.eau[at(bs + k)] > 0;
    const int g = now.eau[at(2 * bs + k)] > 0;
    special |= (b & (m >> 12)) | (d & (m >> 13)) | (g & (m >> 14));
    wet_cells += b | d | g;
  }
  if ((special & 1) != 0) return false;
  if (wet_cells == 0) return true;  // a dry board: nothing moves
  // A few streams cost less drop by drop than a pass over the whole board.
  if (wet_cells < few_wet_cells) return false;

  // What leaves each cell: falling along its heading, falling as "D" or "G",
  // and moving right or left.
  alignas(64) std::array<std::int16_t, up + n> along{};
  alignas(64) std::array<std::int16_t, up + n> as_d{};
  alignas(64) std::array<std::int16_t, up + n> as_g{};
  alignas(64) std::array<std::int16_t, n + 2> right_out{};  // right_out[k + 1] leaves cell k
  alignas(64) std::array<std::int16_t, n + 1> left_out{};   // left_out[k] leaves cell k
  alignas(64) std::array<std::int16_t, n> heading{};
  for (int k = 0; k < n; ++k) {
    const int m = masks[at(k)];
    const int b = now.eau[at(k)] > 0;
    const int d = now.eau[at(bs + k)] > 0;
    const int g = now.eau[at(2 * bs + k)] > 0;
    along[at(up + k)] = static_cast<std::int16_t>(b & m);
    as_d[at(up + k)] = static_cast<std::int16_t>(d & (m >> 3));
    as_g[at(up + k)] = static_cast<std::int16_t>(g & (m >> 6));
    right_out[at(k + 1)] = static_cast<std::int16_t>((b & (m >> 1)) + (d & (m >> 4)) + (g & (m >> 7)));
    left_out[at(k)] = static_cast<std::int16_t>((b & (m >> 2)) + (d & (m >> 5)) + (g & (m >> 8)));
    heading[at(k)] = static_cast<std::int16_t>(b & (m >> 9));
  }

  // Headings, top row first: a cell's new heading comes from the drops that
  // fall into it from the cell above, the last of them winning (falling, then
  // right, then left, as the cell above moves them).
  constexpr std::uint16_t droite = Sens::droite().id();
  constexpr std::uint16_t gauche = Sens::gauche().id();
  for (int t = up; t < n; ++t) {
    const std::size_t from = at(t);  // index of the cell above in the padded arrays
    const std::uint16_t here = next.sens[at(t)].id();
    const std::uint16_t above = next.sens[at(t - up)].id();
    std::uint16_t s = along[from] != 0 ? above : here;
    s = as_d[from] != 0 ? droite : s;
    s = as_g[from] != 0 ? gauche : s;
    next.sens[at(t)] = Sens::from_id(s);
  }

  // A drop falling onto a flat platform leaves by its heading.
  for (int k = 0; k < n; ++k) {
    const int m = masks[at(k)];
    const int h = heading[at(k)];
    const std::uint16_t s = next.sens[at(k)].id();
    right_out[at(k + 1)] = static_cast<std::int16_t>(right_out[at(k + 1)] + (h & int{s == droite} & (m >> 11)));
    left_out[at(k)] = static_cast<std::int16_t>(left_out[at(k)] + (h & int{s == gauche} & (m >> 10)));
  }

  // Each drop leaves its cell; the ones that arrive are added.
  for (int t = 0; t < n; ++t) {
    const std::size_t k = at(t);
    next.eau[k] = static_cast<std::int16_t>(next.eau[k] - (now.eau[k] > 0) + along[k] + as_d[k] + as_g[k]);
    next.eau[at(bs) + k] = static_cast<std::int16_t>(next.eau[at(bs) + k] - (now.eau[at(bs) + k] > 0) + right_out[k]);
    next.eau[at(2 * bs) + k] =
        static_cast<std::int16_t>(next.eau[at(2 * bs) + k] - (now.eau[at(2 * bs) + k] > 0) + left_out[k + 1]);
  }
  return true;
}

}  // namespace drippo
