#include <algorithm>
#include <cmath>

#include "game/control_text.h"
#include "game/game.h"

namespace drippo {

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
      if (c.eau_b > 0) {
        falling(i, c.piece);
        --at(i).eau_b;
      }
      if (c.eau_d > 0) {
        moving_right(i, c.piece);
        --at(i).eau_d;
      }
      if (c.eau_g > 0) {
        moving_left(i, c.piece);
        --at(i).eau_g;
      }
    }
  }

 private:
  Cellule& at(int i) { return next_[static_cast<std::size_t>(i)]; }

  // ---- Moves: each one loses the drop when the neighbour does not exist.
  void down_along(int i) {
    const int b = neighbour(i, Direction::Below);
    if (b < 0) return;
    ++at(b).eau_b;
    at(b).sens = at(i).sens;
  }
  void down_as(int i, Sens s) {
    const int b = neighbour(i, Direction::Below);
    if (b < 0) return;
    ++at(b).eau_b;
    at(b).sens = s;
  }
  void right(int i) {
    const int r = neighbour(i, Direction::Right);
    if (r >= 0) ++at(r).eau_d;
  }
  void left(int i) {
    const int l = neighbour(i, Direction::Left);
    if (l >= 0) ++at(l).eau_g;
  }

  bool door_open_above_floor(int i) const {
    return now_[static_cast<std::size_t>(i)].compteur > 0 && neighbour(i, Direction::Below) >= 0;
  }

  void explode_then_fall(int i) {
    game_.chat_touche_ = false;
    game_.exploser(i);
    down_along(i);
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

  void teleport_falling(int i) {
    const int j = partner(i);
    if (j < 0) return;
    const int exit = neighbour(j, Direction::Below);
    if (exit < 0) return;
    ++at(exit).eau_b;
    at(exit).sens = at(i).sens;
  }
  void teleport_right(int i) {
    const int j = partner(i);
    if (j < 0) return;
    const int exit = neighbour(j, Direction::Right);
    if (exit < 0) return;
    ++at(exit).eau_d;
    at(exit).sens = Sens::droite();
  }
  void teleport_left(int i) {
    const int j = partner(i);
    if (j < 0) return;
    const int exit = neighbour(j, Direction::Left);
    if (exit < 0) return;
    ++at(exit).eau_g;
    at(exit).sens = Sens::gauche();
  }

  void absorb(int i, Sens s) { game_.absorber(i, game_.tick_counter_, 10, s); }

  // ---- The rule table, one function per direction of the drop.
  void falling(int i, int p) {
    switch (p) {
      case piece::vide: down_along(i); break;
      case piece::plateforme: {
        const Sens s = at(i).sens;
        if (s.is_droite()) right(i);
        else if (s.is_gauche()) left(i);
        break;
      }
      case piece::diagonale_droite:
      case piece::coude_droit: right(i); break;
      case piece::diagonale_gauche:
      case piece::coude_gauche: left(i); break;
      case piece::bifurcation: right(i); left(i); break;
      case piece::teleporteur: teleport_falling(i); break;
      case piece::bombe: explode_then_fall(i); break;
      case piece::embranchement_droit: down_along(i); right(i); break;
      case piece::embranchement_gauche: down_along(i); left(i); break;
      case piece::tuyau_croisement: down_along(i); break;
      case piece::moulin: down_along(i); power_neighbours(i); break;
      case piece::porte:
        if (door_open_above_floor(i)) down_along(i);
        break;
      case piece::eponge: absorb(i, at(i).sens); break;
      case piece::bocal:
      case piece::pot_de_fleurs:
      case piece::verre: fill_goal(i); break;
      case piece::chat: game_.cat_wetted(); break;
      default: break;  // pipe and brick: the drop is lost
    }
  }

  void moving_right(int i, int p) {
    switch (p) {
      case piece::vide:
      case piece::coude_droit:
      case piece::embranchement_droit: down_as(i, Sens::droite()); break;
      case piece::plateforme:
      case piece::tuyau_plat:
      case piece::tuyau_croisement: right(i); break;
      case piece::teleporteur: teleport_right(i); break;
      case piece::bombe: explode_then_fall(i); break;
      case piece::porte:
        if (door_open_above_floor(i)) down_along(i);
        else right(i);
        break;
      case piece::eponge: absorb(i, Sens::droite()); break;
      case piece::chat: game_.cat_wetted(); break;
      default: left(i); break;  // sent back
    }
  }

  void moving_left(int i, int p) {
    switch (p) {
      case piece::vide:
      case piece::coude_gauche:
      case piece::embranchement_gauche: down_as(i, Sens::gauche()); break;
      case piece::plateforme:
      case piece::tuyau_plat:
      case piece::tuyau_croisement: left(i); break;
      case piece::teleporteur: teleport_left(i); break;
      case piece::bombe: explode_then_fall(i); break;
      case piece::porte:
        if (door_open_above_floor(i)) down_along(i);
        else left(i);
        break;
      case piece::eponge: absorb(i, Sens::gauche()); break;
      case piece::chat: game_.cat_wetted(); break;
      default: right(i); break;  // sent back
    }
  }

  Game& game_;
  const Board& now_;
  Board& next_;
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
    Cellule& c = plateau_[static_cast<std::size_t>(i)];
    if (c.compteur > -10) --c.compteur;
    show_picture(i, code_image(c));
    plateau_suivant_[static_cast<std::size_t>(i)] = c;
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
    Cellule& c = plateau_[static_cast<std::size_t>(i)];
    c = plateau_suivant_[static_cast<std::size_t>(i)];
    if (c.has_water()) plateau_sec_ = false;
    if (c.eau_g > 0) c.eau_g = 1;
    if (c.eau_d > 0) c.eau_d = 1;
    if (c.eau_b > 0) c.eau_b = 1;
  }
}

}  // namespace drippo
