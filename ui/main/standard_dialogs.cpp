#include "ui/main/standard_dialogs.h"

#include "ui/dialogs/help_window.h"
#include "ui/dialogs/level_browser.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/dialogs/save_dialog.h"
#include "ui/main/level_drop.h"
#include "ui/main/main_window.h"

namespace drippo::ui {

void StandardDialogs::open_level_browser(const std::string& selected_file) {
  LevelBrowser browser(
      LevelBrowser::Host{window_.folder(), window_.game().settings().langue, window_.questions(), window_.art(),
                         window_.zoom_factor(), [this](const std::string& file) { return window_.load_level(file); }},
      &window_);
  browser.set_puzzle_maker(window_.puzzle_maker());
  accept_level_drops(browser, window_);
  if (!selected_file.empty()) browser.show_level(selected_file);
  browser.exec();
}

void StandardDialogs::open_save_dialog() {
  SaveDialog dialog(SaveDialog::Host{window_.game(), window_.folder(), window_.questions(), window_.art(),
                                     window_.zoom_factor()},
                    &window_);
  dialog.exec();
  window_.sync_from_game();
}

void StandardDialogs::open_options() {
  OptionsDialog dialog(OptionsDialog::Host{window_.folder(), window_.questions(), window_.settings(),
                                           [this](const Settings& r) { window_.set_live_settings(r); },
                                           [this] { window_.reread_settings(); }, window_.zoom_factor()},
                       &window_);
  dialog.exec();
}

void StandardDialogs::open_help(bool about_page) {
  HelpWindow help(HelpWindow::Host{window_.game().settings().langue, about_page, window_.art(), window_.zoom_factor()},
                  &window_);
  help.exec();
}

}  // namespace drippo::ui
