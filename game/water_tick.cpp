#include <algorithm>
#include <array>
#include <cstdint>
#include <cmath>
#include <cstring>
#include <type_traits>

#include "game/control_text.h"
#include "game/game.h"
#include "game/rule_table.h"

namespace drippo {

namespace {
constexpr std::size_t at(int i) { return static_cast<std::size_t>(i); }
}  // namespace

const CellRules& Game::rules_for(int i, int p) {
  if (rules_piece_[at(i)] != p) {
    rules_[at(i)] = compile_rules(i, p);
    rules_piece_[at(i)] = static_cast<std::int16_t>(p);
    flow_masks_[at(i)] = flow_mask(rules_[at(i)], i);
  }
  return rules_[at(i)];
}

void Game::refresh_rules() {
  // Pieces seldom change: one pass over the whole board tells whether any did.
  int changed = 0;
  for (std::size_t k = 0; k < nb_cases; ++k) changed |= rules_piece_[k] ^ plateau_.piece[k];
  if (changed == 0) return;
  for (int i = 0; i <= derniere_case; ++i) {
    if (rules_piece_[at(i)] != plateau_.piece[at(i)]) rules_for(i, plateau_.piece[at(i)]);
  }
}

// The second pass of a tick: every drop of the live board moves by the rule of
// the piece it is in, into the board being computed. Rules read the live board
// (the state at the start of the tick) and write the next one.
class WaterTick {
 public:
  explicit WaterTick(Game& game)
      : game_(game), now_(game.plateau_), next_(game.plateau_suivant_) {}

  void move_all_drops() {
    for (int i = 0; i <= derniere_case; ++i) {
      // One test for the three directions: most cells are dry.
      const int wet = int{now_.eau_b(i) > 0} | int{now_.eau_d(i) > 0} | int{now_.eau_g(i) > 0};
      if (wet == 0) continue;
      const int p = now_.piece[at(i)];
      const CellRules& rules = game_.rules_for(i, p);
      if (now_.eau_b(i) > 0) {
        apply(i, p, rules.by_direction[falling], falling);
        --next_.eau_b(i);
      }
      if (now_.eau_d(i) > 0) {
        apply(i, p, rules.by_direction[going_right], going_right);
        --next_.eau_d(i);
      }
      if (now_.eau_g(i) > 0) {
        apply(i, p, rules.by_direction[going_left], going_left);
        --next_.eau_g(i);
      }
    }
  }

 private:
  void apply(int i, int p, const DirectionRule& r, WaterField direction) {
    switch (r.kind) {
      case RuleKind::plain:
        step(r.first);
        step(r.second);
        break;
      case RuleKind::by_heading: {
        const Sens s = next_.sens[at(i)];
        if (s.is_gauche()) step(r.first);
        else if (s.is_droite()) step(r.second);
        break;
      }
      case RuleKind::special: special_rule(i, p, direction); break;
    }
  }

  // The heading is read at the moment of the move: a drop that fell into this
  // cell earlier in the tick may already have changed it.
  void step(const DropStep& s) {
    ++next_.eau[at(s.slot)];
    next_.sens[at(s.cell)] = next_.sens[at(s.heading_from)];
  }

  // ---- Moves of the special pieces, which the table leaves to code.
  void down_along(int i) {
    const int b = neighbour(i, Direction::Below);
    if (b < 0) return;
    ++next_.eau_b(b);
    next_.sens[at(b)] = next_.sens[at(i)];
  }
  void right(int i) {
    const int r = neighbour(i, Direction::Right);
    if (r >= 0) ++next_.eau_d(r);
  }
  void left(int i) {
    const int l = neighbour(i, Direction::Left);
    if (l >= 0) ++next_.eau_g(l);
  }

  void special_rule(int i, int p, WaterField direction) {
    switch (p) {
      case piece::teleporteur: teleport(i, direction); break;
      case piece::bombe:
        game_.chat_touche_ = false;
        game_.exploser(i);
        down_along(i);
        break;
      case piece::moulin:  // falling
        down_along(i);
        power_neighbours(i);
        break;
      case piece::porte:
        if (now_.compteur[at(i)] > 0 && neighbour(i, Direction::Below) >= 0) {
          down_along(i);
        } else if (direction == going_right) {
          right(i);
        } else if (direction == going_left) {
          left(i);
        }
        break;
      case piece::eponge: {
        const Sens s = direction == falling       ? next_.sens[at(i)]
                       : direction == going_right ? Sens::droite()
                                                  : Sens::gauche();
        game_.absorber(i, game_.tick_counter_, 10, s);
        break;
      }
      case piece::bocal:
      case piece::pot_de_fleurs:
      case piece::verre: fill_goal(i); break;  // falling
      case piece::chat: game_.cat_wetted(); break;
      default: break;
    }
  }

  void fill_goal(int i) {
    auto& besoin = next_.besoin[at(i)];
    // Saturate: editor water can pour into a goal for hours.
    if (besoin > INT16_MIN) --besoin;
    if (besoin == 0) game_.goal_filled();
  }

  void power_neighbours(int i) {
    const int l = neighbour(i, Direction::Left);
    const int r = neighbour(i, Direction::Right);
    if (l >= 0) next_.compteur[at(l)] = 5;
    if (r >= 0) next_.compteur[at(r)] = 5;
  }

  // The other teleporter: the first one on cells 0..226 that is not cell i.
  int partner(int i) {
    if (!teleporters_found_) {
      teleporters_found_ = true;
      for (int j = 0; j < derniere_case && found_ < 2; ++j) {
        if (now_.piece[at(j)] == piece::teleporteur) first_two_[found_++] = j;
      }
    }
    if (found_ > 0 && first_two_[0] != i) return first_two_[0];
    if (found_ > 1) return first_two_[1];
    return -1;
  }

  // The drop leaves the partner on the far side, keeping its direction.
  void teleport(int i, WaterField direction) {
    const int j = partner(i);
    if (j < 0) return;
    const Direction side = direction == falling       ? Direction::Below
                           : direction == going_right ? Direction::Right
                                                      : Direction::Left;
    const int exit = neighbour(j, side);
    if (exit < 0) return;
    ++next_.eau[at(direction * board_slots + exit)];
    next_.sens[at(exit)] = direction == falling       ? next_.sens[at(i)]
                           : direction == going_right ? Sens::droite()
                                                      : Sens::gauche();
  }

  Game& game_;
  const BoardArrays& now_;
  BoardArrays& next_;
  bool teleporters_found_ = false;
  int found_ = 0;
  int first_two_[2] = {-1, -1};
};

namespace {
// Clears a flag when the tick leaves, whichever way it leaves.
struct TickScope {
  explicit TickScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~TickScope() { flag_ = false; }
  TickScope(const TickScope&) = delete;
  TickScope& operator=(const TickScope&) = delete;
  bool& flag_;
};

constexpr std::int32_t tick_counter_wrap = 30000;
constexpr std::int32_t time_limit_ticks = 1199;
constexpr std::int16_t power_floor = -10;

// One block copy: the compiler copies the headings one by one otherwise.
void copy_board(BoardArrays& to, const BoardArrays& from) {
  static_assert(std::is_trivially_copyable_v<BoardArrays>);
  std::memcpy(&to, &from, sizeof(BoardArrays));
}
}  // namespace

void Game::timer_eau_Timer() {
  // An explosion's pause lets window events run; a tick may not start inside it.
  if (in_tick_) return;
  TickScope scope(in_tick_);

  if (en_pause_) return;

  tick_counter_ += 1;
  if (tick_counter_ > tick_counter_wrap) tick_counter_ = 0;

  if (mode_jeu_ == "jouer" && !mode_edition_) {
    set_text_temps(std::to_string(tick_counter_ / 10));
    if (tick_counter_ > time_limit_ticks) time_out();
  }

  montrer_gouttes();

  // The source. Water left is the text of its box; a hand-made level may hold a
  // fraction or a negative number there, so count down to 0 and never below.
  if (!mode_edition_) {
    const double left = leading_number(text_eau_);
    if (left > 0) {
      verser_goutte(case_source, "G");
      set_text_eau(number_text(std::max(0.0, std::floor(left) - 1)));
    }
  }

  // First pass: power runs down, each cell shows its water, and the board to
  // compute starts as the live one. Whole arrays at a time, for speed.
  for (auto& c : plateau_.compteur) c = c > power_floor ? static_cast<std::int16_t>(c - 1) : c;
  int changed = 0;
  for (std::size_t k = 0; k < board_slots; ++k) {
    pictures_[k] = static_cast<std::int16_t>(code_image(plateau_.piece[k], plateau_.eau[2 * board_slots + k],
                                                        plateau_.eau[board_slots + k], plateau_.eau[k],
                                                        plateau_.compteur[k]));
    changed |= pictures_[k] ^ shown_[k];
  }
  if (changed != 0) {
    for (int i = 0; i <= derniere_case; ++i) {
      if (pictures_[at(i)] != shown_[at(i)]) show_picture(i, pictures_[at(i)]);
    }
  }
  copy_board(plateau_suivant_, plateau_);

  if (timer_eau_enabled_ && plateau_sec_ && !mode_edition_ && retenues_.empty() &&
      leading_number(text_eau_) <= 0) {
    game_over();
  }

  for (std::size_t j = 0; j < retenues_.size();) {
    const Retenue& r = retenues_[j];
    // The counter wraps to 0 after 30000, so the release tick wraps with it.
    if (tick_counter_ == (r.depart + r.delai) % (tick_counter_wrap + 1)) relacher(j);
    else ++j;
  }

  refresh_rules();
  if (!plain_flow_ || !move_plain_drops(plateau_, plateau_suivant_, flow_masks_)) WaterTick(*this).move_all_drops();

  // Third pass: the computed board becomes the live one, two drops that met
  // become one, and the board is dry when no cell holds water.
  for (std::size_t f = 0; f < 3; ++f) {
    for (std::size_t k = f * board_slots + nb_cases; k < (f + 1) * board_slots; ++k) plateau_suivant_.eau[k] = 0;
  }
  std::int16_t any_water = 0;
  for (std::size_t k = 0; k < 3 * board_slots; ++k) {
    const std::int16_t e = plateau_suivant_.eau[k];
    any_water |= static_cast<std::int16_t>(e > 0);
    plateau_suivant_.eau[k] = e > 0 ? std::int16_t{1} : e;
  }
  plateau_sec_ = any_water == 0;
  copy_board(plateau_, plateau_suivant_);
}

}  // namespace drippo
