#include "solver/path_layout.h"


#include "game/board_geometry.h"
#include "game/pieces.h"

namespace drippo::solve {

int draw(std::mt19937& rng, int lo, int hi) {
  const auto span = static_cast<std::uint32_t>(hi - lo + 1);
  return lo + static_cast<int>(rng() % span);
}

namespace {

constexpr int last_row = nb_cases / nb_colonnes - 1;

int cell_at(int row, int column) { return row * nb_colonnes + column; }

class Walker {
 public:
  Walker(std::mt19937& rng, bool may_split) : rng_(rng), splits_left_(may_split ? 1 : 0) {}

  // The water falls into (row, column) with this heading (-1 left, +1 right);
  // it may use the columns lo..hi. False when it cannot reach a goal.
  bool fall(int row, int column, int heading, int lo, int hi) {
    for (;;) {
      wet(row, column);
      const bool must_end = row == last_row;
      if (must_end || (row >= 4 && draw(rng_, 0, 99) < 18)) {
        put(row, column, goal());
        return true;
      }
      const int roll = draw(rng_, 0, 99);
      if (roll < 25) {
        ++row;  // through an empty cell
        continue;
      }
      if (roll < 38 && splits_left_ > 0 && column - 1 > lo && column + 1 < hi) {
        --splits_left_;
        put(row, column, piece::bifurcation);
        steer(row, column);
        return run(row, column, -1, lo, column - 1) && run(row, column, +1, column + 1, hi);
      }
      const int way = draw(rng_, 0, 1) == 0 ? -1 : +1;
      put(row, column, turning_piece(way, heading));
      steer(row, column);
      return run(row, column, way, lo, hi);
    }
  }

  PathLayout take() { return std::move(layout_); }

 private:
  // From the piece at (row, column) the water moves sideways over a run of
  // platforms or pipes, then drops off the end into the next row.
  bool run(int row, int column, int way, int lo, int hi) {
    if (row == last_row) return false;
    int length = draw(rng_, 0, 3);
    while (length > 0 && (column + way * (length + 1) < lo || column + way * (length + 1) > hi)) --length;
    const int end = column + way * (length + 1);
    if (end < lo || end > hi) return false;
    for (int k = 1; k <= length; ++k) {
      put(row, column + way * k, carrying_piece());
      steer(row, column + way * k);
    }
    wet(row, end);
    return fall(row + 1, end, way, lo, hi);
  }

  std::int16_t turning_piece(int way, int heading) {
    const int pick = draw(rng_, 0, 2);
    if (pick == 0 && way == heading) return piece::plateforme;
    if (pick == 1) return way > 0 ? piece::coude_droit : piece::coude_gauche;
    return way > 0 ? piece::diagonale_droite : piece::diagonale_gauche;
  }

  std::int16_t carrying_piece() {
    const int pick = draw(rng_, 0, 5);
    if (pick == 0) return piece::tuyau_plat;
    if (pick == 1) return piece::tuyau_croisement;
    return piece::plateforme;
  }

  std::int16_t goal() {
    const int pick = draw(rng_, 0, 9);
    const std::int16_t g = pick < 6 ? piece::verre : pick < 9 ? piece::pot_de_fleurs : piece::bocal;
    layout_.most_needed = std::max(layout_.most_needed, goal_need(g));
    return g;
  }

  void put(int row, int column, std::int16_t p) { layout_.cells[static_cast<std::size_t>(cell_at(row, column))].piece = p; }
  void steer(int row, int column) { layout_.steering.push_back(cell_at(row, column)); }
  void wet(int row, int column) { layout_.wet[static_cast<std::size_t>(cell_at(row, column))] = true; }

  std::mt19937& rng_;
  int splits_left_;
  PathLayout layout_;
};

}  // namespace

std::optional<PathLayout> lay_path(std::mt19937& rng, bool may_split) {
  Walker walker(rng, may_split);
  // The source's drop moves left through the empty top-right cell and falls
  // down the last column heading left.
  const int source_column = nb_colonnes - 1;
  if (!walker.fall(1, source_column, -1, 0, source_column)) return std::nullopt;
  PathLayout layout = walker.take();
  layout.wet[case_source] = true;
  return layout;
}

}  // namespace drippo::solve
