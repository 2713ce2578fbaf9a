#pragma once

#include <string>

#include "game/game_view.h"
#include "game/table.h"

namespace drippo {

// What the window shows around the board: the welcome screen, the bouncing
// envelope, which of the side panel's sets is up, and the hover help over
// the goals.
class WindowState {
 public:
  WindowState(Table& table, GameView& view) : table_(table), view_(view) {}

  // The welcome screen is the big picture, the two side pictures and the text.
  bool image3_shown() const { return image3_shown_; }
  bool side_pictures_shown() const { return side_pictures_shown_; }
  bool accueil_shown() const { return accueil_shown_; }
  const std::string& accueil() const { return accueil_; }
  void set_accueil(const std::string& text);
  void montrer_accueil(bool visible);
  // Every level won: the welcome comes back with the congratulation.
  void show_congratulation();

  bool envelope_shown() const { return envelope_shown_; }
  bool envelope_moving() const { return envelope_moving_; }
  // Bumped by every start of the envelope's bounce, so the view knows to
  // put it back in its corner.
  int envelope_starts() const { return envelope_starts_; }
  void animer_enveloppe(bool on);

  // Paused: the pause label is up and the board hidden.
  bool cells_shown() const { return !table_.en_pause; }
  bool playing_set_shown() const { return playing_set_shown_; }
  void set_playing_set_shown(bool on) { playing_set_shown_ = on; }
  bool editing_set_shown() const { return table_.mode_edition(); }

  // The mouse rests on cell i (the hover part of the board's mouse-move).
  void survoler_case(int i);
  int case_survolee() const { return case_survolee_; }
  void montrer_gouttes();
  void montrer_besoin(int besoin);  // what the hovered goal needs

 private:
  Table& table_;
  GameView& view_;

  bool image3_shown_ = true;
  bool side_pictures_shown_ = true;
  bool accueil_shown_ = true;
  std::string accueil_;
  bool envelope_shown_ = true;
  bool envelope_moving_ = false;
  int envelope_starts_ = 0;
  bool playing_set_shown_ = false;
  int case_survolee_ = -1;
};

}  // namespace drippo
