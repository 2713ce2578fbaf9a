#pragma once

#include <functional>
#include <string>

#include <QDialog>

#include "storage/program_folder.h"
#include "ui/art/art_book.h"
#include "ui/common/background_search.h"
#include "ui/common/questions.h"
#include "ui/dialogs/puzzle_maker.h"

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace drippo::ui {

// A level's file name as the player reads it. File names are bytes: one that
// is not UTF-8 is read in the level files' code page, and only shown so.
QString shown_file_name(const std::string& bytes);

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
    // been told why). The name is the file's own bytes.
    std::function<bool(const std::string& file_name)> load;
  };

  explicit LevelBrowser(Host host, QWidget* parent = nullptr);

  // The selected level's file name, its bytes as the folder holds them;
  // empty when nothing is selected.
  std::string selected_file() const;
  // Lists the folder again with that level selected, as one just added to it.
  void show_level(const std::string& file_name);
  // What the "new puzzle" button does. The level is made while the browser
  // stays open to the player; closing it, or loading a level, drops it.
  void set_puzzle_maker(PuzzleMaker maker) { puzzle_maker_ = std::move(maker); }

  void done(int result) override;

 private:
  void refresh_list();
  void on_selected();
  void on_load();
  void on_delete();
  void on_reset_score();
  // Removes the level's score file and its hints mark.
  void forget_score(const std::string& file);
  void on_new_puzzle();
  void on_puzzle_made(std::optional<MadePuzzle> made);
  void stop_making_puzzle();
  // The check beside a level won at 100, room left blank beside the others.
  void show_progress(QListWidgetItem& item, bool won);
  static constexpr int won_role = Qt::UserRole + 1;

  Host host_;
  QLabel* heading_label_ = nullptr;
  QListWidget* level_list_ = nullptr;
  QLabel* author_label_ = nullptr;
  QLabel* score_label_ = nullptr;
  QComboBox* puzzle_difficulty_ = nullptr;
  QPushButton* new_puzzle_button_ = nullptr;
  QString new_puzzle_caption_;
  PuzzleMaker puzzle_maker_;
  bool making_puzzle_ = false;
  BackgroundSearch puzzle_search_{this};  // last: stopped before the rest goes
};

}  // namespace drippo::ui
