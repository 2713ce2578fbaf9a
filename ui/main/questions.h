#pragma once

#include <QString>

class QWidget;

namespace drippo::ui {

// Yes/No questions and notices, with an empty title as the game asks them.
// Tests give their own answers.
class Questions {
 public:
  virtual ~Questions() = default;
  virtual bool ask_yes_no(QWidget* parent, const QString& text) = 0;
  virtual void tell(QWidget* parent, const QString& text) = 0;
};

class MessageBoxQuestions : public Questions {
 public:
  bool ask_yes_no(QWidget* parent, const QString& text) override;
  void tell(QWidget* parent, const QString& text) override;
};

// The modal dialogs the main window opens.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual void open_level_browser() = 0;
  virtual void open_save_dialog() = 0;
  virtual void open_options() = 0;
  virtual void open_help(bool about_page) = 0;
};

}  // namespace drippo::ui
