// What lies under the mouse: the description of each button, the pointer
// shapes, and the title that pauses the game.
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include "ui/main/main_window.h"
#include "ui/main/drag_controller.h"
#include "ui/common/picture_widget.h"

namespace drippo::ui {

namespace {

struct Description {
  const QWidget* button;
  const char* french;
  const char* english;
};

}  // namespace

bool MainWindow::describe_button(QWidget* button) {
  // The side panel's line for each button.
  const Description descriptions[] = {
      {play_button_, "Résoudre un tableau.", "Play a level."},
      {new_level_button_, "Editeur de tableaux.", "Edit a level."},
      {save_button_, "Sauver un tableau.", "Save level."},
      {load_for_edit_button_, "Charger un tableau.", "Load level."},
      {options_button_, "Options.", "Settings."},
      {help_button_, "Aides de jeu.", "Help."},
  };
  for (const Description& d : descriptions) {
    if (button != d.button) continue;
    if (game_->settings().langue == 0) hover_text_label_->show_text(QString::fromUtf8(d.french));
    else if (game_->settings().langue == 1) hover_text_label_->show_text(QString::fromUtf8(d.english));
    // The play and options buttons also put the pointer back to normal.
    if (button == play_button_ || button == options_button_) setCursor(Qt::ArrowCursor);
    button->setFocus(Qt::MouseFocusReason);
    return true;
  }
  return false;
}

void MainWindow::describe_hovered(QWidget* widget) {
  if (describe_button(widget)) return;
  if (widget == restart_picture_) {
    if (game_->settings().langue == 0) game_->table().set_comment("Recommencer.");
    else if (game_->settings().langue == 1) game_->table().set_comment("Restart this level.");
  } else if (widget == title_label_) {
    hover_text_label_->show_text("PAUSE!");
  } else if (widget == side_panel_picture_) {
    hover_text_label_->show_text({});
    setCursor(Qt::ArrowCursor);
    if (drag_->active()) game_->placing().drag_over_background();
  }
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
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
        key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)) {
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
