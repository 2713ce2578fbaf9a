// The play flow of the main window: choosing a level, the countdown's timers,
// pause, restart, the envelope after a game, and the buttons that open dialogs.
#include "storage/first_start.h"
#include "storage/level_procedures.h"
#include "ui/main/board_widget.h"
#include "ui/main/level_drop.h"
#include "ui/main/main_window.h"
#include "ui/common/picture_widget.h"
#include "ui/main/window_layout.h"

namespace drippo::ui {

bool MainWindow::may_discard_unsaved() {
  if (game_->editor().tableau_sauve()) return true;
  const std::int16_t langue = game_->settings().langue;
  if (langue == 0) {
    return questions().ask_yes_no(this, QString::fromUtf8(
        "Le tableau en cours d'édition n'est pas sauvé. Si vous continuez, vous allez le perdre. "
        "Voulez-vous continuer?"), langue);
  }
  if (langue == 1) {
    return questions().ask_yes_no(this, "Your level in not saved. Do you really want to continue and loose it?",
                                  langue);
  }
  return false;
}

bool MainWindow::load_level(const std::string& file_name) {
  if (auto error = lire_tableau(*game_, folder(), file_name)) {
    questions().tell(this, QString::fromStdString(error->message(game_->settings().langue)));
    return false;
  }
  return true;
}

void MainWindow::on_play() { play_from_browser({}); }

void MainWindow::play_from_browser(const std::string& selected_file) {
  if (!may_discard_unsaved()) return;
  game_->set_mode_jeu(ModeJeu::Jouer);
  dialogs_->open_level_browser(selected_file);
}

void MainWindow::open_at_start(const QStringList& level_paths) {
  // Claimed even when a level is given: the browser has opened on it.
  const bool first_start = claim_first_start(folder());
  if (!level_paths.isEmpty() && level_drop().add_files(level_paths)) return;
  if (first_start) play_from_browser({});
}

void MainWindow::on_new_level() {
  if (!may_discard_unsaved()) return;
  game_->nouveau_tableau();
}

void MainWindow::on_load_for_editing() {
  if (!may_discard_unsaved()) return;
  game_->set_mode_jeu(ModeJeu::Charger);
  dialogs_->open_level_browser({});
}

void MainWindow::on_save() { dialogs_->open_save_dialog(); }

void MainWindow::on_options() { dialogs_->open_options(); }

void MainWindow::on_help(bool about) { dialogs_->open_help(about); }

void MainWindow::on_title_clicked() { game_->play().toggle_pause(); }

void MainWindow::on_restart() {
  // The level's file is read again; if it is gone or broken the player is
  // told so and the board stays as it is.
  if (made_level_ && made_level_->title == game_->table().nom_tableau()) {
    game_->load_level(made_level_->level, made_level_->title);
    return;
  }
  load_level(game_->table().nom_tableau());
}

void MainWindow::on_envelope_tick() {
  if (!game_->window().envelope_moving()) return;
  envelope_.step();
  envelope_picture_->setGeometry(
      zoom_.rect({envelope_.left(), envelope_.top(), layout::envelope.width, layout::envelope.height}));
}

void MainWindow::on_music_tick() {
  if (settings_.musique == -1 && !services_.audio.music_playing()) services_.audio.next_track();
}

}  // namespace drippo::ui
