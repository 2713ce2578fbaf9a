// The window's side of the solver's help: the hint button beside the
// character while playing, the check button over the editor's panel, and
// what stops a search or takes a hint away.
#include <QAccessible>

#include "storage/hint_marks.h"
#include "ui/main/board_widget.h"
#include "ui/main/hint_control.h"
#include "ui/main/level_check_control.h"
#include "ui/main/main_window.h"
#include "ui/main/palette_widget.h"

namespace drippo::ui {

namespace {
// Left of the character, under the speech bubble.
constexpr TwipRect hint_place{9420, 5420, 525, 560};
// Between the options and help buttons and the editor's panel.
constexpr TwipRect check_place{9550, 4110, 2105, 320};
}  // namespace

void MainWindow::build_solver_help() {
  hint_button_ = add_picture_button("bouton_indice", hint_place, Art::Hint);
  check_button_ = add_picture_button("bouton_verifier", check_place, Art::CheckLevel);
  hint_ = std::make_unique<HintControl>(HintControl::Host{*game_, *board_, services_.levels, HintMarks(folder().sta()),
                                                          [this] { sync_from_game(); }});
  level_check_ = std::make_unique<LevelCheckControl>(LevelCheckControl::Host{
      *game_, *board_, [this](const QString& text) {
        hover_text_label_->show_text(text);
        hover_text_label_->setToolTip(text);
        QAccessibleEvent event(hover_text_label_, QAccessible::NameChanged);
        accessibility_updates_(&event);
      }});
  connect(hint_button_, &QPushButton::clicked, this, [this] { hint_->ask(); });
  // A second press on a level solved and unchanged shows the solution.
  connect(check_button_, &QPushButton::clicked, this, [this] {
    if (!level_check_->showing() && !level_check_->show_solution()) level_check_->check();
  });
  auto acted = [this] {
    hint_->player_acted();
    level_check_->stop_showing();
  };
  connect(board_, &BoardWidget::cell_pressed, this, acted);
  connect(palette_, &PaletteWidget::piece_pressed, this, acted);
  connect(editor_palette_, &PaletteWidget::piece_pressed, this, acted);
  board_->installEventFilter(hint_.get());
}

void MainWindow::sync_solver_help() {
  if (!hint_ || !level_check_) return;
  hint_->game_changed();
  hint_button_->setVisible(game_->window().playing_set_shown());
  hint_button_->setEnabled(hint_->available() && !hint_->waiting());
  check_button_->setVisible(game_->window().editing_set_shown());
  check_button_->setEnabled(game_->table().mode_edition() && !level_check_->waiting());
  if (!game_->table().mode_edition()) level_check_->cancel();
}

}  // namespace drippo::ui
