#pragma once

#include <cstdint>
#include <string>

#include <QString>

class QWidget;

namespace drippo::ui {

// Yes/No questions and notices, with an empty title as the game asks them,
// their text shown exactly as given. Tests give their own answers.
class Questions {
 public:
  virtual ~Questions() = default;
  // langue is the language the question is written in, which its buttons
  // follow: "Oui" and "Non" for 0, "Yes" and "No" otherwise.
  virtual bool ask_yes_no(QWidget* parent, const QString& text, std::int16_t langue) = 0;
  virtual void tell(QWidget* parent, const QString& text) = 0;
};

class MessageBoxQuestions : public Questions {
 public:
  bool ask_yes_no(QWidget* parent, const QString& text, std::int16_t langue) override;
  void tell(QWidget* parent, const QString& text) override;
};

// The modal dialogs the main window opens.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // selected_file: the level to show selected, its file name; empty for the first.
  virtual void open_level_browser(const std::string& selected_file) = 0;
  virtual void open_save_dialog() = 0;
  virtual void open_options() = 0;
  virtual void open_help(bool about_page) = 0;
};

}  // namespace drippo::ui
