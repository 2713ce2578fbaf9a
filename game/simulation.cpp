#include "game/simulation.h"

#include <algorithm>
#include <atomic>
#include <cmath>

#include "game/water_step.h"

namespace drippo {

namespace {
constexpr std::size_t at(int i) { return static_cast<std::size_t>(i); }

constexpr std::int32_t time_limit_ticks = 1199;
constexpr std::int16_t power_floor = -10;
// The cells whose power still runs down to its floor.
CellSet powered_cells(const std::array<std::int16_t, board_slots>& compteur) {
  alignas(64) std::array<std::uint8_t, 256> running{};
  for (std::size_t k = 0; k < nb_cases; ++k) running[k] = static_cast<std::uint8_t>(compteur[k] > power_floor ? 1 : 0);
  return CellSet::from_flags(running);
}
}  // namespace

Board Simulation::board() const {
  Board b;
  for (int i = 0; i <= derniere_case; ++i) b[at(i)] = board_.get(i);
  return b;
}

void Simulation::set_board(const Board& b) {
  for (int i = 0; i <= derniere_case; ++i) board_.set(i, b[at(i)]);
  find_wet_cells();
  pieces_changed();
  powered_ = powered_cells(board_.compteur);
  power_known_ = true;
}

void Simulation::pieces_changed() {
  static std::atomic<std::uint64_t> stamps{0};
  pieces_stamp_ = stamps.fetch_add(1, std::memory_order_relaxed) + 1;
}

void Simulation::pour(int i, WaterField direction) {
  if (!is_cell(i)) return;
  board_.eau[at(direction * board_slots + i)] = 1;
  wet_[at(direction)].add(i);
  board_.sens[at(i)] = direction == going_left ? Sens::gauche() : Sens::droite();
}

void Simulation::start_water() {
  running_ = true;
  tick_counter_ = 0;
  score_ = 0.0;
  dry_ = false;
}

void Simulation::run_power_down() {
  // Many cells running down (or not known which): the whole board, a vector
  // at a time; a few: those alone.
  if (!power_known_ || powered_.at_least(nb_colonnes)) {
    for (auto& c : board_.compteur) c = c > power_floor ? static_cast<std::int16_t>(c - 1) : c;
    powered_ = powered_cells(board_.compteur);
    power_known_ = true;
    return;
  }
  for (std::size_t w = 0; w < powered_.words.size(); ++w) {
    for (std::uint64_t bits = powered_.words[w]; bits != 0; bits &= bits - 1) {
      const int b = std::countr_zero(bits);
      auto& c = board_.compteur[at(CellSet::cell_at(w, b))];
      if (c > power_floor) c = static_cast<std::int16_t>(c - 1);
      if (c <= power_floor) powered_.words[w] &= ~(std::uint64_t{1} << b);
    }
  }
}

void Simulation::tick(TickReport& report, std::array<std::int16_t, board_slots>* pictures) {
  report.poured = false;
  report.events.clear();

  tick_counter_ += 1;
  if (tick_counter_ > tick_counter_wrap) tick_counter_ = 0;
  if (timed_ && tick_counter_ > time_limit_ticks) {
    running_ = false;
    report.events.push_back({TickEvent::Kind::TimeOut, -1, score_});
  }

  // The source. A hand-made level may hold a fraction or a negative number of
  // drops: count down to 0 and never below.
  if (!editing_ && water_left_ > 0) {
    pour(case_source, going_left);
    water_left_ = std::max(0.0, std::floor(water_left_) - 1);
    report.poured = true;
  }

  // Power runs down; each cell shows its water as the step begins.
  run_power_down();
  if (pictures != nullptr) {
    for (std::size_t k = 0; k < board_slots; ++k) {
      (*pictures)[k] = static_cast<std::int16_t>(code_image(board_.piece[k], board_.eau[2 * board_slots + k],
                                                            board_.eau[board_slots + k], board_.eau[k],
                                                            board_.compteur[k]));
    }
  }

  if (running_ && dry_ && !editing_ && held_.empty() && water_left_ <= 0) {
    running_ = false;
    report.events.push_back({TickEvent::Kind::GameOver, -1, score_});
  }

  Step step(*this, report);
  step.release_due_drops();
  step.move_drops();
  dry_ = step.settle();
}

}  // namespace drippo
