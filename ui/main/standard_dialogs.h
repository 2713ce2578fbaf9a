#pragma once

#include "ui/common/questions.h"

namespace drippo::ui {

class MainWindow;

// The real dialogs, opened modally over the main window.
class StandardDialogs : public Dialogs {
 public:
  explicit StandardDialogs(MainWindow& window) : window_(window) {}

  void open_level_browser(const std::string& selected_file) override;
  void open_save_dialog() override;
  void open_options() override;
  void open_help(bool about_page) override;

 private:
  MainWindow& window_;
};

}  // namespace drippo::ui
