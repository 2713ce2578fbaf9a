// The window's side of the keys: the buttons and the play flow they reach,
// done as the mouse does them.
#include "ui/common/picture_widget.h"
#include "ui/main/keyboard_input.h"
#include "ui/main/level_check_control.h"
#include "ui/main/main_window.h"

namespace drippo::ui {

bool MainWindow::perform(Action action, bool forward) {
  switch (action) {
    case Action::LeaveBoard: focusNextPrevChild(forward); return true;
    case Action::Pause:
      on_title_clicked();
      sync_from_game();
      return true;
    case Action::Restart:
      if (restart_picture_->isVisibleTo(this)) {
        keys_->let_go();
        on_restart();
      }
      return true;
    case Action::Help:
    case Action::About:
      keys_->let_go();
      on_help(action == Action::About);
      return true;
    case Action::Play: press(play_button_); return true;
    case Action::NewLevel: press(new_level_button_); return true;
    case Action::LoadForEditing: press(load_for_edit_button_); return true;
    case Action::Save: press(save_button_); return true;
    case Action::Options: press(options_button_); return true;
    case Action::Hint: press(hint_button_); return true;
    case Action::CheckLevel: press(check_button_); return true;
    case Action::ShowSolution: level_check_->show_solution(); return true;
    default: return false;
  }
}

void MainWindow::press(QAbstractButton* button) {
  if (!button->isEnabled() || !button->isVisibleTo(this)) return;
  keys_->let_go();
  button->click();
}

}  // namespace drippo::ui
