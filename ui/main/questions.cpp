#include "ui/main/questions.h"

#include <QMessageBox>

namespace drippo::ui {

bool MessageBoxQuestions::ask_yes_no(QWidget* parent, const QString& text) {
  return QMessageBox::question(parent, QString(), text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
         QMessageBox::Yes;
}

void MessageBoxQuestions::tell(QWidget* parent, const QString& text) {
  QMessageBox::information(parent, QString(), text, QMessageBox::Ok);
}

}  // namespace drippo::ui
