// The water's moves on sets of cells, for a board whose every water slot holds
// 0 or 1 (all boards but a hand-made level's first ticks). Drops then need no
// counting: a cell holds a drop after the tick when one arrives. The order of
// the drop-by-drop rules matters only for the headings and for the special
// pieces, so those are done a row at a time, top first, in the order the
// rule table would meet them; the plain moves are whole-board set operations.
#include <algorithm>
#include <bit>
#include <cstring>

#include "game/water_step.h"

namespace drippo {

namespace {
constexpr std::size_t at(int i) { return static_cast<std::size_t>(i); }
constexpr int bs = board_slots;

constexpr int row_of(int i) { return CellSet::row_of(i); }

// Eight 16-bit lanes, for the headings of a row a vector at a time.
using Lanes = std::uint16_t __attribute__((vector_size(16)));

// Lanes whose bit is set in the low eight bits of `bits`: all ones, else 0,
// looked up rather than worked out.
constexpr std::array<std::array<std::uint16_t, 8>, 256> lane_masks = [] {
  std::array<std::array<std::uint16_t, 8>, 256> table{};
  for (std::size_t byte = 0; byte < 256; ++byte) {
    for (std::size_t lane = 0; lane < 8; ++lane) table[byte][lane] = (byte >> lane) & 1 ? 0xffff : 0;
  }
  return table;
}();
inline Lanes lanes_of(std::uint64_t bits) {
  Lanes m;
  std::memcpy(&m, lane_masks[bits & 0xff].data(), sizeof m);
  return m;
}

// The headings of a row after the drops falling from the row above: along
// with the drop (bits a), as "D" (d) or as "G" (g), the last one winning.
__attribute__((always_inline)) inline void fall_into_row(const Sens* above, Sens* row, std::uint64_t a, std::uint64_t d, std::uint64_t g) {
  static_assert(sizeof(Sens) == sizeof(std::uint16_t));
  const std::uint64_t any = a | d | g;
  std::uint64_t beyond_three = any & (any - 1);
  beyond_three &= beyond_three - 1;
  beyond_three &= beyond_three - 1;
  if (beyond_three == 0) {
    // A few drops, as in most rows of a level: one by one.
    for (std::uint64_t bits = any; bits != 0; bits &= bits - 1) {
      const int c = std::countr_zero(bits);
      row[c] = (g >> c) & 1 ? Sens::gauche() : (d >> c) & 1 ? Sens::droite() : above[c];
    }
    return;
  }
  const Lanes droite = Lanes{} + Sens::droite().id();
  const Lanes gauche = Lanes{} + Sens::gauche().id();
  int c = 0;
  for (; c + 8 <= nb_colonnes; c += 8) {
    Lanes up, here;
    std::memcpy(&up, above + c, sizeof up);
    std::memcpy(&here, row + c, sizeof here);
    const Lanes ma = lanes_of(a >> c), md = lanes_of(d >> c), mg = lanes_of(g >> c);
    here = (up & ma) | (here & ~ma);
    here = (droite & md) | (here & ~md);
    here = (gauche & mg) | (here & ~mg);
    std::memcpy(static_cast<void*>(row + c), &here, sizeof here);
  }
  for (; c < nb_colonnes; ++c) {
    if ((a >> c) & 1) row[c] = above[c];
    if ((d >> c) & 1) row[c] = Sens::droite();
    if ((g >> c) & 1) row[c] = Sens::gauche();
  }
}
}  // namespace

void Simulation::Step::teleport_heading(int i, Sens s, int from) {
  // A heading written after the cell's turn is its heading after the tick;
  // one written before it is what the cell's own drops meet, unless a drop
  // falling from the cell above after the teleporter's turn writes its own.
  const HeadingWrite write{static_cast<std::int16_t>(i), static_cast<std::int16_t>(from), s.id()};
  if (i <= from) behind_[at(behind_count_++)] = write;
  else if (row_of(i) == row_of(from)) board_.sens[at(i)] = s;
  else {
    ahead_[at(ahead_count_++)] = write;
    ahead_rows_ |= 1u << row_of(i);
  }
}

// A mill's falling drop falls on and powers the doors beside it; a door with
// power lets any drop fall through, a door without lets the drops moving
// right or left go on. None of it depends on the order of the cells.
void Simulation::Step::move_mills_and_doors() {
  const PieceRules& rules = *pieces_;
  const std::array<CellSet, 3>& w = sim_.wet_;
  const CellSet mills = w[falling] & rules.mills;
  const CellSet doors = (w[falling] | w[going_right] | w[going_left]) & rules.doors;
  if ((mills | doors).empty()) return;
  CellSet open;
  doors.for_each([&](int i) {
    if (board_.compteur[at(i)] > 0 && neighbour(i, Direction::Below) >= 0) open.add(i);
  });
  // Falling with the heading of the cell they leave.
  const CellSet fall = mills | open;
  if (!fall.empty()) {
    const CellSet below = fall.shifted_down();
    arriving_[falling] = arriving_[falling] | below;
    heading_from_above_ = heading_from_above_ | below;
  }
  if (!mills.empty()) powered_ = powered_ | mills.shifted_left() | mills.shifted_right();
  const CellSet closed = doors.without(open);
  if (!closed.empty()) {
    arriving_[going_right] = arriving_[going_right] | (closed & w[going_right]).shifted_right();
    arriving_[going_left] = arriving_[going_left] | (closed & w[going_left]).shifted_left();
  }
}

bool Simulation::Step::move_by_sets() {
  const PieceRules& rules = *pieces_;
  const std::array<CellSet, 3>& w = sim_.wet_;
  const CellSet along = (w[falling] & rules.down[falling]);
  const CellSet as_d = w[going_right] & rules.down[going_right];
  const CellSet as_g = w[going_left] & rules.down[going_left];
  move_mills_and_doors();
  const std::array<CellSet, 3> special = {w[0] & rules.in_turn[0], w[1] & rules.in_turn[1], w[2] & rules.in_turn[2]};
  const CellSet specials = special[0] | special[1] | special[2];
  // The cells drops fall into from the row above: with the heading they
  // leave (along), as "D" and as "G".
  const CellSet along_in = along.shifted_down();
  const CellSet d_in = as_d.shifted_down();
  const CellSet g_in = as_g.shifted_down();

  // A word at a time, skipping the three rows when nothing falls into them,
  // no special piece is wet there and no teleporter wrote a heading for them.
  // Special pieces add to heading_from_above_ as their turn comes, so it is
  // read afresh for every row.
  for (std::size_t wd = 0; wd < specials.words.size(); ++wd) {
    const std::uint64_t along_word = along_in.words[wd], d_word = d_in.words[wd], g_word = g_in.words[wd];
    const std::uint64_t special_word = specials.words[wd];
    const auto first_row = static_cast<int>(wd) * CellSet::rows_per_word;
    if ((along_word | d_word | g_word | special_word | heading_from_above_.words[wd]) == 0 &&
        ((ahead_rows_ >> first_row) & 7) == 0) {
      continue;
    }
    const auto do_row = [&](int k) __attribute__((always_inline)) {
      const int row = first_row + k;
      const int shift = CellSet::row_stride * k;
      const int first = row * nb_colonnes;
      const int above = first - nb_colonnes;
      // The headings of this row as its drops meet them: the drops falling
      // from the row above bring theirs (along, then "D", then "G", as the
      // cell above moves them), and teleporters write theirs in turn order.
      const std::uint64_t a = ((along_word | heading_from_above_.words[wd]) >> shift) & CellSet::row_mask;
      const std::uint64_t d = (d_word >> shift) & CellSet::row_mask;
      const std::uint64_t g = (g_word >> shift) & CellSet::row_mask;
      if ((a | d | g) != 0) fall_into_row(&board_.sens[at(above)], &board_.sens[at(first)], a, d, g);
      if (((ahead_rows_ >> row) & 1) != 0) {
        for (int n = 0; n < ahead_count_; ++n) {
          const HeadingWrite& hw = ahead_[at(n)];
          if (row_of(hw.cell) != row) continue;
          const int from_above = hw.cell - nb_colonnes;
          const bool fell_in = ((a | d | g) >> (from_above - above)) & 1;
          if (!fell_in || hw.from > from_above) board_.sens[at(hw.cell)] = Sens::from_id(hw.sens);
        }
      }
      // The special pieces of the row, in turn.
      const std::uint64_t in_turn = (special_word >> shift) & CellSet::row_mask;
      for (std::uint64_t bits = in_turn; bits != 0; bits &= bits - 1) {
        const int c = std::countr_zero(bits);
        const int i = first + c;
        const int p = board_.piece[at(i)];
        for (std::size_t f = 0; f < 3; ++f) {
          if ((special[f].words[wd] >> (shift + c)) & 1) special_rule(i, p, static_cast<WaterField>(f));
        }
      }
    };
    do_row(0);
    do_row(1);
    do_row(2);
  }

  // A falling drop on a flat platform leaves by the heading it met.
  CellSet heading_right, heading_left;
  (w[falling] & rules.platforms).for_each([&](int i) {
    const Sens s = board_.sens[at(i)];
    if (s.is_droite()) heading_right.add(i);
    if (s.is_gauche()) heading_left.add(i);
  });
  heading_right = heading_right & rules.platform_right;
  heading_left = heading_left & rules.platform_left;
  // Headings written by teleporters after their cell's turn.
  for (int k = 0; k < behind_count_; ++k) board_.sens[at(behind_[at(k)].cell)] = Sens::from_id(behind_[at(k)].sens);

  arriving_[falling] = arriving_[falling] | along_in | d_in | g_in;
  arriving_[going_right] = arriving_[going_right] | ((w[falling] & rules.right[falling]) |
                                                     (w[going_right] & rules.right[going_right]) |
                                                     (w[going_left] & rules.right[going_left]) | heading_right)
                                                        .shifted_right();
  arriving_[going_left] = arriving_[going_left] | ((w[falling] & rules.left[falling]) |
                                                   (w[going_right] & rules.left[going_right]) |
                                                   (w[going_left] & rules.left[going_left]) | heading_left)
                                                      .shifted_left();
  return true;
}

bool Simulation::Step::settle_sets() {
  settle_power_and_pieces();
  bool dry = true;
  for (int f = 0; f < 3; ++f) {
    const CellSet& after = arriving_[at(f)];
    std::int16_t* eau = &board_.eau[at(f * bs)];
    dry = dry && after.empty();
    const CellSet changed = after ^ sim_.wet_[at(f)];
    if (changed.empty()) continue;
    sim_.wet_[at(f)] = after;
    if (!changed.at_least(nb_cases / 8)) {
      for (std::size_t w = 0; w < changed.words.size(); ++w) {
        for (std::uint64_t bits = changed.words[w]; bits != 0; bits &= bits - 1) {
          const int b = std::countr_zero(bits);
          eau[CellSet::cell_at(w, b)] = static_cast<std::int16_t>((after.words[w] >> b) & 1);
        }
      }
    } else {
      // Many drops moved: every slot, eight at a time.
      // A row's last eight run into the next row, written after it, and
      // past the board into slots that never hold water.
      static_assert(nb_cases + 5 <= board_slots);
      for (int row = 0; row < nb_lignes; ++row) {
        const std::uint64_t bits = after.row(row);
        std::int16_t* slots = eau + row * nb_colonnes;
        for (int c = 0; c < nb_colonnes; c += 8) {
          const Lanes ones = lanes_of(bits >> c) & 1;
          std::memcpy(slots + c, &ones, sizeof ones);
        }
      }
    }
  }
  return dry;
}

}  // namespace drippo
