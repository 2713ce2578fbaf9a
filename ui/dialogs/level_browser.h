#pragma once

#include <functional>

#include <QDialog>

#include "storage/program_folder.h"
#include "ui/art/art_book.h"
#include "ui/main/questions.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace drippo::ui {

// The level browser: the levels folder, the author and best score of the
// selected level; load, delete, reset the score, or close.
class LevelBrowser : public QDialog {
  Q_OBJECT
 public:
  struct Host {
    ProgramFolder folder;
    std::int16_t langue;
    Questions& questions;
    ArtBook& art;
    double zoom;  // the main window's, so both look alike
    // Puts the level on the board; false when it could not (the player has
    // been told why).
    std::function<bool(const QString& file_name)> load;
  };

  explicit LevelBrowser(Host host, QWidget* parent = nullptr);

  QString selected_file() const;

 private:
  void refresh_list();
  void on_selected();
  void on_load();
  void on_delete();
  void on_reset_score();

  Host host_;
  QLabel* label1_ = nullptr;
  QListWidget* file1_ = nullptr;
  QLabel* label3_ = nullptr;
  QLabel* label5_ = nullptr;
};

}  // namespace drippo::ui
