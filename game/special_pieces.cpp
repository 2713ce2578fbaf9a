// The pieces whose rules the table leaves to code: teleporter, bomb, mill,
// door, sponge, goals and the cat.
#include <cstdio>
#include <cstdlib>

#include "game/water_step.h"

namespace drippo {

namespace {
constexpr std::size_t at(int i) { return static_cast<std::size_t>(i); }
}  // namespace

void Simulation::Step::special_rule(int i, int p, WaterField direction) {
  switch (p) {
    case piece::teleporteur: teleport(i, direction); break;
    case piece::bombe:
      sim_.cat_hit_ = false;
      exploser(i);
      down_along(i);
      break;
    case piece::moulin: {  // falling; the sides are plain moves
      down_along(i);
      const int l = neighbour(i, Direction::Left);
      const int r = neighbour(i, Direction::Right);
      if (l >= 0) powered_.add(l);
      if (r >= 0) powered_.add(r);
      break;
    }
    case piece::porte:
      if (board_.compteur[at(i)] > 0 && neighbour(i, Direction::Below) >= 0) {
        down_along(i);
      } else if (direction == going_right) {
        if (const int r = neighbour(i, Direction::Right); r >= 0) arrive(going_right, r);
      } else if (direction == going_left) {
        if (const int l = neighbour(i, Direction::Left); l >= 0) arrive(going_left, l);
      }
      break;
    case piece::eponge: {
      const Sens s = direction == falling       ? board_.sens[at(i)]
                     : direction == going_right ? Sens::droite()
                                                : Sens::gauche();
      absorber(i, s);
      break;
    }
    case piece::bocal:
    case piece::pot_de_fleurs:
    case piece::verre: fill_goal(i); break;  // falling
    case piece::chat: cat_wetted(); break;
    default: break;
  }
}

void Simulation::Step::down_along(int i) {
  const int b = neighbour(i, Direction::Below);
  if (b < 0) return;
  arrive(falling, b);
  if (!by_sets_) {
    board_.sens[at(b)] = board_.sens[at(i)];
    return;
  }
  // The heading follows with the row below.
  heading_from_above_.add(b);
}

// ---- Goals and the cat ----------------------------------------------------

void Simulation::Step::fill_goal(int i) {
  auto& besoin = board_.besoin[at(i)];
  // Saturate: editor water can pour into a goal for hours.
  if (besoin > INT16_MIN) --besoin;
  if (besoin == 0) goal_filled();
}

void Simulation::Step::goal_filled() {
  // Without a counted goal there is no share to compute: the goal is
  // acknowledged and the score stays as it is.
  const std::int16_t goals = sim_.goals_;
  if (goals > 0) {
    // The goals filled so far, recovered from the score through 15 significant
    // digits so that 3 * 33.333... reads as 100 and not 99.999...
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15g", goals * sim_.score_);
    const double filled = std::strtod(buf, nullptr) / 100.0;
    sim_.score_ = (filled + 1.0) / goals * 100.0;
  }
  report_.events.push_back({TickEvent::Kind::GoalFilled, -1, sim_.score_});
  if (goals > 0 && sim_.score_ == 100.0) {
    report_.events.push_back({TickEvent::Kind::Win, -1, sim_.score_});
    end_game_unless_editing();
  }
}

void Simulation::Step::cat_wetted() {
  report_.events.push_back({TickEvent::Kind::CatWetted, -1, sim_.score_});
  end_game_unless_editing();
}

// ---- Bombs ---------------------------------------------------------------

std::array<std::int16_t, board_slots>& Simulation::Step::pieces_after() {
  if (!blown_up_) {
    pieces_after_ = board_.piece;
    blown_up_ = true;
  }
  return pieces_after_;
}

void Simulation::Step::exploser(int c) {
  report_.events.push_back({TickEvent::Kind::Explosion, static_cast<std::int16_t>(c), sim_.score_});
  pieces_after()[at(c)] = piece::vide;
  board_.modifiable[at(c)] = 1;

  // The bomb's own cell is already empty, so a chain never comes back to it.
  for (Direction d : blast_order) {
    const int n = neighbour(c, d);
    if (n >= 0) souffler_case(n);
  }

  if (sim_.cat_hit_) {
    sim_.running_ = false;
    report_.events.push_back({TickEvent::Kind::BlastEndsGame, static_cast<std::int16_t>(c), sim_.score_});
  }
}

void Simulation::Step::souffler_case(int n) {
  std::int16_t& target = pieces_after()[at(n)];
  if (target == piece::bombe) exploser(n);
  if (target == piece::chat && !sim_.editing_) {
    report_.events.push_back({TickEvent::Kind::CatBlown, static_cast<std::int16_t>(n), sim_.score_});
    sim_.cat_hit_ = true;
  }
  target = piece::vide;
  board_.modifiable[at(n)] = 1;
}

// ---- Sponges ---------------------------------------------------------------

void Simulation::Step::absorber(int c, Sens s) {
  sim_.held_.push_back(Retenue{static_cast<std::int16_t>(c), sim_.tick_counter_, sponge_hold_ticks, s});
  // A sponge that holds water cannot be taken back.
  --board_.modifiable[at(c)];
}

void Simulation::Step::relacher(const Retenue& r) {
  ++board_.modifiable[at(r.position)];
  const int below = neighbour(r.position, Direction::Below);
  if (below >= 0) {
    arrive_far(falling, below);
    board_.sens[at(below)] = r.sens;
  }
}

// ---- Teleporters -------------------------------------------------------------

// The other teleporter: the first one on cells 0..226 that is not cell i.
int Simulation::Step::partner(int i) {
  const int* two = pieces_->teleporters;
  if (two[0] >= 0 && two[0] != i) return two[0];
  return two[1];
}

// The drop leaves the partner on the far side, keeping its direction.
void Simulation::Step::teleport(int i, WaterField direction) {
  const int j = partner(i);
  if (j < 0) return;
  const Direction side = direction == falling       ? Direction::Below
                         : direction == going_right ? Direction::Right
                                                    : Direction::Left;
  const int exit = neighbour(j, side);
  if (exit < 0) return;
  arrive_far(direction, exit);
  const Sens s = direction == falling ? board_.sens[at(i)] : direction == going_right ? Sens::droite() : Sens::gauche();
  if (by_sets_) teleport_heading(exit, s, i);
  else board_.sens[at(exit)] = s;
}

}  // namespace drippo
