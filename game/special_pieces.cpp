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

  Cellule& bomb = plateau_suivant_[static_cast<std::size_t>(c)];
  bomb.piece = piece::vide;
  bomb.modifiable = 1;
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
  Cellule& target = plateau_suivant_[static_cast<std::size_t>(n)];
  if (target.piece == piece::bombe) exploser(n);
  if (target.piece == piece::chat && !mode_edition_) {
    set_message(msg::paf_le_chat);
    chat_touche_ = true;
  }
  target.piece = piece::vide;
  target.modifiable = 1;
}

void Game::absorber(int c, std::int32_t t, std::int16_t d, Sens s) {
  retenues_.push_back(Retenue{static_cast<std::int16_t>(c), t, d, s});
  // A sponge that holds water cannot be taken back.
  --plateau_suivant_[static_cast<std::size_t>(c)].modifiable;
}

void Game::relacher(std::size_t j) {
  const Retenue r = retenues_[j];
  ++plateau_suivant_[static_cast<std::size_t>(r.position)].modifiable;
  const int below = neighbour(r.position, Direction::Below);
  if (below >= 0) {
    Cellule& out = plateau_suivant_[static_cast<std::size_t>(below)];
    ++out.eau_b;
    out.sens = r.sens;
  }
  retenues_.erase(retenues_.begin() + static_cast<std::ptrdiff_t>(j));
}

}  // namespace drippo
