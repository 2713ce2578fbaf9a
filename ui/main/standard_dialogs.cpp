#include "ui/main/standard_dialogs.h"

#include "ui/dialogs/level_browser.h"
#include "ui/dialogs/save_dialog.h"
#include "ui/main/main_window.h"

namespace drippo::ui {

void StandardDialogs::open_level_browser() {
  LevelBrowser browser(
      LevelBrowser::Host{window_.folder(), window_.game().langue(), window_.questions(), window_.art(),
                         window_.zoom_factor(), [this](const QString& file) { return window_.load_level(file); }},
      &window_);
  browser.exec();
}

// Until their own windows are built, these say so in the player's language.
void StandardDialogs::not_yet(const char* french, const char* english) {
  window_.questions().tell(&window_, QString::fromUtf8(window_.game().langue() == 0 ? french : english));
}

void StandardDialogs::open_save_dialog() {
  SaveDialog dialog(SaveDialog::Host{window_.game(), window_.folder(), window_.questions(), window_.art(),
                                     window_.zoom_factor()},
                    &window_);
  dialog.exec();
  window_.sync_from_game();
}

void StandardDialogs::open_options() {
  not_yet("Les options arrivent bientôt.", "Settings are coming soon.");
}

void StandardDialogs::open_help(bool about_page) {
  if (about_page) not_yet("Drippo, un jeu de l'équipe Drippo.", "Drippo, a game by the Drippo team.");
  else not_yet("L'aide arrive bientôt.", "Help is coming soon.");
}

}  // namespace drippo::ui
