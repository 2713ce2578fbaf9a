#include <algorithm>
#include <array>
#include <cstdint>
#include <cmath>

#include "game/control_text.h"
#include "game/game.h"

namespace drippo {

namespace {

// The rule table. A drop in a cell moves by the rule of the cell's piece and of
// its own direction; most rules are one or two plain moves, kept here as data
// so that the tick runs without a branch per piece. The rest call for the
// special pieces and are handled in code.

enum : std::uint8_t { fall = 0, going_right = 1, going_left = 2 };

// The neighbours a move needs.
enum : std::uint8_t { needs_below = 1, needs_left = 2, needs_right = 4, never = 8 };

// Where the moved drop's heading comes from.
enum class Heading : std::uint8_t { unchanged, along, droite, gauche };

struct Move {
  std::int8_t step = 0;
  std::uint8_t field = 0;  // index into water_field
  std::uint8_t needs = never;
  Heading heading = Heading::unchanged;
};

constexpr std::int16_t Cellule::*water_field[3] = {&Cellule::eau_b, &Cellule::eau_d, &Cellule::eau_g};

constexpr Move lost{};
constexpr Move down_along{nb_colonnes, fall, needs_below, Heading::along};
constexpr Move down_as_d{nb_colonnes, fall, needs_below, Heading::droite};
constexpr Move down_as_g{nb_colonnes, fall, needs_below, Heading::gauche};
constexpr Move right{1, going_right, needs_right, Heading::unchanged};
constexpr Move left{-1, going_left, needs_left, Heading::unchanged};

struct Rule {
  Move first = lost;
  Move second = lost;
  bool special = false;     // decided in code: see WaterTick::special_rule
  bool by_heading = false;  // first move chosen by the cell's heading
};

constexpr Rule special{lost, lost, true, false};
constexpr Rule moves(Move a, Move b = lost) { return Rule{a, b, false, false}; }
// A drop falling onto a flat platform leaves in the cell's heading, if any.
constexpr Rule by_heading{lost, lost, false, true};
constexpr Move heading_moves[3] = {lost, left, right};  // none, "G", "D"

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

constexpr std::uint8_t edges_of(int i) {
  return static_cast<std::uint8_t>((neighbour(i, Direction::Below) >= 0 ? needs_below : 0) |
                                   (neighbour(i, Direction::Left) >= 0 ? needs_left : 0) |
                                   (neighbour(i, Direction::Right) >= 0 ? needs_right : 0));
}

constexpr auto make_edges() {
  std::array<std::uint8_t, nb_cases> e{};
  for (int i = 0; i < nb_cases; ++i) e[static_cast<std::size_t>(i)] = edges_of(i);
  return e;
}

constexpr std::array<std::uint8_t, nb_cases> cell_edges = make_edges();

}  // namespace

// The second pass of a tick: every drop of the live board moves by the rule of
// the piece it is in, into the board being computed. Rules read the live board
// (the state at the start of the tick) and write the next one.
class WaterTick {
 public:
  explicit WaterTick(Game& game)
      : game_(game), now_(game.plateau_), next_(game.plateau_suivant_) {}

  void move_all_drops() {
    for (int i = 0; i <= derniere_case; ++i) {
      const Cellule& c = now_[static_cast<std::size_t>(i)];
      // A piece code the table does not know moves nothing.
      if (static_cast<unsigned>(c.piece) > static_cast<unsigned>(nb_types)) continue;
      if (c.eau_b > 0) {
        apply(i, c.piece, fall);
        --at(i).eau_b;
      }
      if (c.eau_d > 0) {
        apply(i, c.piece, going_right);
        --at(i).eau_d;
      }
      if (c.eau_g > 0) {
        apply(i, c.piece, going_left);
        --at(i).eau_g;
      }
    }
  }

 private:
  Cellule& at(int i) { return next_[static_cast<std::size_t>(i)]; }

  void apply(int i, int p, std::uint8_t direction) {
    const Rule& r = rules[p][direction];
    if (r.special) {
      special_rule(i, p, direction);
      return;
    }
    if (r.by_heading) {
      const Sens s = at(i).sens;
      move(i, heading_moves[s.is_gauche() ? 1 : s.is_droite() ? 2 : 0]);
      return;
    }
    move(i, r.first);
    if (r.second.needs != never) move(i, r.second);
  }

  // A move whose neighbour does not exist loses the drop: it goes to the cell
  // past the end of the board, which costs less than a branch.
  void move(int i, const Move& m) {
    const bool possible = (cell_edges[static_cast<std::size_t>(i)] & m.needs) == m.needs;
    const int t = possible ? i + m.step : nb_cases;
    Cellule& target = at(t);
    ++(target.*water_field[m.field]);
    Sens s = target.sens;
    s = m.heading == Heading::along ? at(i).sens : s;
    s = m.heading == Heading::droite ? Sens::droite() : s;
    s = m.heading == Heading::gauche ? Sens::gauche() : s;
    target.sens = s;
  }

  void special_rule(int i, int p, std::uint8_t direction) {
    switch (p) {
      case piece::teleporteur: teleport(i, direction); break;
      case piece::bombe:
        game_.chat_touche_ = false;
        game_.exploser(i);
        move(i, down_along);
        break;
      case piece::moulin:  // falling
        move(i, down_along);
        power_neighbours(i);
        break;
      case piece::porte:
        if (now_[static_cast<std::size_t>(i)].compteur > 0 && neighbour(i, Direction::Below) >= 0) {
          move(i, down_along);
        } else if (direction == going_right) {
          move(i, right);
        } else if (direction == going_left) {
          move(i, left);
        }
        break;
      case piece::eponge: {
        const Sens s = direction == fall ? at(i).sens
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
    auto& besoin = at(i).besoin;
    // Saturate: editor water can pour into a goal for hours.
    if (besoin > INT16_MIN) --besoin;
    if (besoin == 0) game_.goal_filled();
  }

  void power_neighbours(int i) {
    const int l = neighbour(i, Direction::Left);
    const int r = neighbour(i, Direction::Right);
    if (l >= 0) at(l).compteur = 5;
    if (r >= 0) at(r).compteur = 5;
  }

  // The other teleporter: the first one on cells 0..226 that is not cell i.
  int partner(int i) {
    if (!teleporters_found_) {
      teleporters_found_ = true;
      for (int j = 0; j < derniere_case && found_ < 2; ++j) {
        if (now_[static_cast<std::size_t>(j)].piece == piece::teleporteur) first_two_[found_++] = j;
      }
    }
    if (found_ > 0 && first_two_[0] != i) return first_two_[0];
    if (found_ > 1) return first_two_[1];
    return -1;
  }

  // The drop leaves the partner on the far side, keeping its direction.
  void teleport(int i, std::uint8_t direction) {
    const int j = partner(i);
    if (j < 0) return;
    if (direction == fall) {
      const int exit = neighbour(j, Direction::Below);
      if (exit < 0) return;
      ++at(exit).eau_b;
      at(exit).sens = at(i).sens;
    } else if (direction == going_right) {
      const int exit = neighbour(j, Direction::Right);
      if (exit < 0) return;
      ++at(exit).eau_d;
      at(exit).sens = Sens::droite();
    } else {
      const int exit = neighbour(j, Direction::Left);
      if (exit < 0) return;
      ++at(exit).eau_g;
      at(exit).sens = Sens::gauche();
    }
  }

  Game& game_;
  const Board& now_;
  std::array<Cellule, nb_cases + 1>& next_;
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

  for (int i = 0; i <= derniere_case; ++i) {
    // Work on a copy: a narrow store followed by a wide reload of the same
    // cell stalls the processor, and this loop runs for every cell.
    Cellule c = plateau_[static_cast<std::size_t>(i)];
    if (c.compteur > -10) --c.compteur;
    plateau_[static_cast<std::size_t>(i)] = c;
    plateau_suivant_[static_cast<std::size_t>(i)] = c;
    show_picture(i, code_image(c));
  }

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

  WaterTick(*this).move_all_drops();

  plateau_sec_ = true;
  for (int i = 0; i <= derniere_case; ++i) {
    Cellule c = plateau_suivant_[static_cast<std::size_t>(i)];
    if (c.has_water()) plateau_sec_ = false;
    c.eau_g = c.eau_g > 0 ? 1 : c.eau_g;
    c.eau_d = c.eau_d > 0 ? 1 : c.eau_d;
    c.eau_b = c.eau_b > 0 ? 1 : c.eau_b;
    plateau_[static_cast<std::size_t>(i)] = c;
  }
}

}  // namespace drippo
