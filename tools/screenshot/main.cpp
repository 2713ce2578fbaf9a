// drippo-screenshot: the main window in the middle of a game, as a PNG, for
// the documentation. Plays the first shipped level with its two diagonals.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include "storage/level_catalogue.h"
#include "game/null_ports.h"
#include "storage/score_file.h"
#include "ui/main/board_widget.h"
#include "ui/main/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 3 && argc != 4) {
    qWarning("usage: drippo-screenshot PROGRAM_FOLDER OUT.png [options|help|editor]");
    return 2;
  }
  const drippo::ProgramFolder folder(QDir(argv[1]).filesystemAbsolutePath());
  drippo::NoScores scores;  // a screenshot records nothing
  drippo::FolderLevelCatalogue levels(folder);
  drippo::SilentAudio audio;
  drippo::ui::MessageBoxQuestions questions;
  drippo::ui::MainWindow window({folder, scores, levels, audio, questions});
  window.resize(1178, 785);  // 150 %
  window.show();

  if (argc == 4 && QString(argv[3]) == "editor") {
    // A level being built: the editor's panel, a few pieces and test water.
    drippo::Game& game = window.game();
    game.nouveau_tableau();
    const std::pair<int, int> pieces[] = {{40, 3}, {59, 3}, {78, 6}, {116, 18}, {120, 17}, {155, 19}, {97, 20}};
    for (auto [cell, piece] : pieces) {
      game.placing().palette_mouse_down(piece);
      game.placing().drop_on_cell(cell);
    }
    for (int tick = 0; tick < 8; ++tick) {
      if (tick % 2 == 0) game.verser_goutte(21, "B");
      game.timer_eau_Timer();
    }
    QApplication::processEvents();
    return window.grab().save(argv[2]) ? 0 : 1;
  }
  if (argc == 4) {
    // A dialog instead: grabbed as soon as it shows, then closed.
    const QString which = argv[3];
    QTimer::singleShot(200, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      const bool saved = dialog != nullptr && dialog->grab().save(argv[2]);
      if (dialog != nullptr) dialog->close();
      QCoreApplication::exit(saved ? 0 : 1);
    });
    QTimer::singleShot(0, [&] {
      window.findChild<QPushButton*>(which == "options" ? "Command7" : "Command8")->click();
    });
    return app.exec();
  }

  drippo::Game& game = window.game();
  game.set_mode_jeu(drippo::ModeJeu::Jouer);
  if (!window.load_level("01 Premiers pas.tab")) return 1;
  game.placing().palette_mouse_down(drippo::piece::diagonale_droite);
  game.placing().drop_on_cell(44);
  game.placing().palette_mouse_down(drippo::piece::brique);
  game.play().start_water();
  for (int tick = 0; tick < 24; ++tick) game.timer_eau_Timer();
  game.window().survoler_case(209 + 1);
  QApplication::processEvents();
  return window.grab().save(argv[2]) ? 0 : 1;
}
