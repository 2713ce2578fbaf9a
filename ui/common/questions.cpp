#include "ui/common/questions.h"

#include <QMessageBox>
#include <QPushButton>

namespace drippo::ui {

namespace {

// Level names, authors and the errors that quote them come from other
// players' files: the box shows them as they are, never as markup that could
// make the toolkit fetch a picture.
void prepare(QMessageBox& box) {
  // The title bar stays blank: an empty title would show the program's name
  // instead, which Qt puts in empty title bars.
  box.setWindowTitle(QStringLiteral(" "));
  box.setTextFormat(Qt::PlainText);
}

}  // namespace

bool MessageBoxQuestions::ask_yes_no(QWidget* parent, const QString& text, std::int16_t langue) {
  QMessageBox box(QMessageBox::Question, QString(), text, QMessageBox::Yes | QMessageBox::No, parent);
  prepare(box);
  box.button(QMessageBox::Yes)->setText(langue == 0 ? QStringLiteral("Oui") : QStringLiteral("Yes"));
  box.button(QMessageBox::No)->setText(langue == 0 ? QStringLiteral("Non") : QStringLiteral("No"));
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

void MessageBoxQuestions::tell(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Information, QString(), text, QMessageBox::Ok, parent);
  prepare(box);
  box.exec();
}

}  // namespace drippo::ui
