// What lies under the mouse: the description of each button, the pointer
// shapes, and the title that pauses the game; and the same descriptions for
// assistive technology.
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include "ui/common/key_actions.h"
#include "ui/common/picture_widget.h"
#include "ui/main/board_widget.h"
#include "ui/main/drag_controller.h"
#include "ui/main/main_window.h"
#include "ui/main/palette_widget.h"

namespace drippo::ui {

namespace {

struct ButtonAction {
  QWidget* button;
  Action action;
};

}  // namespace

bool MainWindow::describe_button(QWidget* button) {
  // The side panel's line for each button.
  const ButtonAction buttons[] = {
      {play_button_, Action::Play},       {new_level_button_, Action::NewLevel},
      {save_button_, Action::Save},       {load_for_edit_button_, Action::LoadForEditing},
      {options_button_, Action::Options}, {help_button_, Action::Help},
      {hint_button_, Action::Hint},       {check_button_, Action::CheckLevel},
  };
  for (const ButtonAction& b : buttons) {
    if (button != b.button) continue;
    const std::int16_t langue = game_->settings().langue;
    if (langue == 0 || langue == 1) hover_text_label_->show_text(action_text(b.action, langue));
    // The play and options buttons also put the pointer back to normal.
    if (button == play_button_ || button == options_button_) setCursor(Qt::ArrowCursor);
    button->setFocus(Qt::MouseFocusReason);
    return true;
  }
  return false;
}

void MainWindow::describe_hovered(QWidget* widget) {
  if (describe_button(widget)) return;
  const std::int16_t langue = game_->settings().langue;
  if (widget == restart_picture_) {
    if (langue == 0 || langue == 1) game_->table().set_comment(action_text(Action::Restart, langue).toStdString());
  } else if (widget == title_label_) {
    hover_text_label_->show_text("PAUSE!");
  } else if (widget == side_panel_picture_) {
    hover_text_label_->show_text({});
    setCursor(Qt::ArrowCursor);
    if (drag_->active()) game_->placing().drag_over_background();
  }
}

void MainWindow::describe_for_assistive_technology() {
  const std::int16_t langue = game_->settings().langue;
  const ButtonAction clickables[] = {
      {play_button_, Action::Play},
      {new_level_button_, Action::NewLevel},
      {save_button_, Action::Save},
      {load_for_edit_button_, Action::LoadForEditing},
      {options_button_, Action::Options},
      {help_button_, Action::Help},
      {hint_button_, Action::Hint},
      {check_button_, Action::CheckLevel},
      {restart_picture_, Action::Restart},
      {envelope_picture_, Action::About},
      {palette_, Action::ChoosePiece},
      {editor_palette_, Action::CyclePiece},
  };
  for (const ButtonAction& c : clickables) describe_for_everyone(c.button, c.action, langue);
  // The title keeps its name; what a click on it does is its description.
  title_label_->setAccessibleDescription(action_text(Action::Pause, langue));
  title_label_->setToolTip(action_text(Action::Pause, langue) + " (" + key_text(Action::Pause, langue) + ")");
  board_->setAccessibleName(langue == 0 ? "Plateau" : "Board");
  board_->setAccessibleDescription(action_text(Action::MoveCursor, langue) + " " + key_text(Action::MoveCursor, langue));
}

bool MainWindow::is_background(const QWidget* widget) const {
  return widget != nullptr && (widget == side_panel_picture_ || widget == palette_strip_picture_);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr) return QWidget::eventFilter(watched, event);
  // The window's undo and redo win over a box's own: the editor's history
  // holds the typing in the boxes too.
  if (event->type() == QEvent::ShortcutOverride && qobject_cast<QLineEdit*>(widget) != nullptr) {
    const auto action = action_of(static_cast<QKeyEvent*>(event)->keyCombination());
    if (action == Action::Undo || action == Action::Redo) {
      event->ignore();
      return true;
    }
  }
  if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
    describe_hovered(widget);
  } else if (event->type() == QEvent::MouseButtonRelease && widget == title_label_) {
    if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) on_title_clicked();
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace drippo::ui
