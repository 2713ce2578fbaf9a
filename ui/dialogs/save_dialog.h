#pragma once

#include <QDialog>

#include "game/game.h"
#include "storage/program_folder.h"
#include "ui/art/art_book.h"
#include "ui/common/questions.h"

class QLabel;
class QLineEdit;

namespace drippo::ui {

// Names the level being edited and its author, then writes it to the levels
// folder, asking before it replaces a level of the same name.
class SaveDialog : public QDialog {
  Q_OBJECT
 public:
  // The two colour ramps of the background: dark red or blue at the bottom.
  enum class Ramp { Red = 1, Blue = 2 };

  struct Host {
    Game& game;
    ProgramFolder folder;
    Questions& questions;
    ArtBook& art;
    double zoom;
  };

  // Without a ramp given, one is drawn at random, as each opening does.
  explicit SaveDialog(Host host, QWidget* parent = nullptr, std::optional<Ramp> ramp = std::nullopt);

  Ramp ramp() const { return ramp_; }
  // The colour of the band at height y of a ramp h pixels tall.
  static QColor ramp_colour(Ramp ramp, double y, double height);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void on_save();
  // Before a level is saved the solver looks for a win; none found, or no
  // goal to win, the designer is told why and asked whether to save it anyway.
  bool solvable_or_saved_anyway();
  static constexpr double check_seconds = 2.0;

  Host host_;
  Ramp ramp_;
  std::string proposed_name_;  // the level's own name, its file's bytes
  QLineEdit* level_name_box_ = nullptr;
  QLineEdit* author_box_ = nullptr;
};

}  // namespace drippo::ui
