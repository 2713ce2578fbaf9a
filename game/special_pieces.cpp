#include "game/game.h"

namespace drippo {

namespace {
constexpr int explosion_pause_ms = 100;
}

void Game::exploser(int c) {
  play(Sound::Poof);
  view_.hide_explosion();
  view_.show_explosion(c);
  view_.pause_ms(explosion_pause_ms);
  view_.hide_explosion();

  plateau_suivant_.piece[static_cast<std::size_t>(c)] = piece::vide;
  plateau_suivant_.modifiable[static_cast<std::size_t>(c)] = 1;
  show_picture(c, piece::vide);

  // The bomb's own cell is already empty, so a chain never comes back to it.
  for (Direction d : blast_order) {
    const int n = neighbour(c, d);
    if (n >= 0) souffler_case(n);
  }

  if (chat_touche_) {
    show_picture(c, piece::vide);
    for (Direction d : blast_order) {
      const int n = neighbour(c, d);
      if (n >= 0) show_picture(n, piece::vide);
    }
    fin_partie(Outcome::Cat);
  }
}

void Game::souffler_case(int n) {
  std::int16_t& target = plateau_suivant_.piece[static_cast<std::size_t>(n)];
  if (target == piece::bombe) exploser(n);
  if (target == piece::chat && !mode_edition_) {
    set_message(msg::paf_le_chat);
    chat_touche_ = true;
  }
  target = piece::vide;
  plateau_suivant_.modifiable[static_cast<std::size_t>(n)] = 1;
}

void Game::absorber(int c, std::int32_t t, std::int16_t d, Sens s) {
  retenues_.push_back(Retenue{static_cast<std::int16_t>(c), t, d, s});
  // A sponge that holds water cannot be taken back.
  --plateau_suivant_.modifiable[static_cast<std::size_t>(c)];
}

void Game::relacher(std::size_t j) {
  const Retenue r = retenues_[j];
  ++plateau_suivant_.modifiable[static_cast<std::size_t>(r.position)];
  const int below = neighbour(r.position, Direction::Below);
  if (below >= 0) {
    ++plateau_suivant_.eau_b(below);
    plateau_suivant_.sens[static_cast<std::size_t>(below)] = r.sens;
  }
  retenues_.erase(retenues_.begin() + static_cast<std::ptrdiff_t>(j));
}

}  // namespace drippo
