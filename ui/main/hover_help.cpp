// What lies under the mouse: the description of each button, the pointer
// shapes, and the title that pauses the game.
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include "ui/main/main_window.h"
#include "ui/main/drag_controller.h"
#include "ui/main/picture_widget.h"

namespace drippo::ui {

namespace {

struct Description {
  const char* name;
  const char* french;
  const char* english;
};

// The side panel's line for each button.
constexpr Description descriptions[] = {
    {"Command1", "Résoudre un tableau.", "Play a level."},
    {"Command2", "Editeur de tableaux.", "Edit a level."},
    {"Command3", "Sauver un tableau.", "Save level."},
    {"Command4", "Charger un tableau.", "Load level."},
    {"Command7", "Options.", "Settings."},
    {"Command8", "Aides de jeu.", "Help."},
};

}  // namespace

void MainWindow::describe_button(QWidget* button) {
  const QString name = button->objectName();
  for (const Description& d : descriptions) {
    if (name != d.name) continue;
    if (game_->langue() == 0) label_bouton_->show_text(QString::fromUtf8(d.french));
    else if (game_->langue() == 1) label_bouton_->show_text(QString::fromUtf8(d.english));
    // The play and options buttons also put the pointer back to normal.
    if (name == "Command1" || name == "Command7") setCursor(Qt::ArrowCursor);
    button->setFocus(Qt::MouseFocusReason);
  }
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
  const QString name = widget->objectName();
  if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
    if (name.startsWith("Command")) {
      describe_button(widget);
    } else if (name == "command5") {
      if (game_->langue() == 0) game_->show_message("Recommencer.");
      else if (game_->langue() == 1) game_->show_message("Restart this level.");
    } else if (name == "Label19") {
      label_bouton_->show_text("PAUSE!");
    } else if (name == "Image1") {
      label_bouton_->show_text({});
      setCursor(Qt::ArrowCursor);
      if (drag_->active()) game_->drag_over_background();
    }
  } else if (event->type() == QEvent::MouseButtonRelease && name == "Label19") {
    if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) on_title_clicked();
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace drippo::ui
