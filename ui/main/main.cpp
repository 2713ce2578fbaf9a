// Drippo: the game's window.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QTimer>

#include "audio/sdl_audio.h"
#include "storage/game_folders.h"
#include "storage/level_catalogue.h"
#include "storage/score_file.h"
#include "storage/shipped_files.h"
#include "ui/main/level_drop.h"
#include "ui/main/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Drippo");
  QApplication::setApplicationVersion(DRIPPO_VERSION);
  // Lets the desktop match the window with its menu entry and icon.
  QGuiApplication::setDesktopFileName("org.drippo.Drippo");
  QApplication::setWindowIcon(QIcon(":/drippo/org.drippo.Drippo.svg"));

  // Beside the program when the player may write there; else in his own data
  // folder, with the shipped levels, sounds and tunes laid there first.
  const drippo::GameFolders where = drippo::choose_game_folders(
      QDir(QCoreApplication::applicationDirPath()).filesystemAbsolutePath(), drippo::UserEnvironment::of_this_process());
  std::optional<drippo::ShippedFilesError> not_laid;
  if (where.shipped) not_laid = drippo::lay_shipped_files(*where.shipped, where.player.root());

  const drippo::ProgramFolder& folder = where.player;
  drippo::FolderScoreRecorder scores(folder);
  drippo::FolderLevelCatalogue levels(folder);
  drippo::SdlAudio audio(folder.wav(), folder.mid());
  drippo::ui::MessageBoxQuestions questions;

  drippo::ui::MainWindow window({folder, scores, levels, audio, questions});
  window.show();
  // After the window's own start-up messages, in the player's language.
  QTimer::singleShot(0, &window, [&window, &questions, not_laid] {
    if (not_laid) questions.tell(&window, QString::fromStdString(not_laid->message(window.game().settings().langue)));
    // The desktop's "open with" gives a level file's path.
    window.open_at_start(QCoreApplication::arguments().mid(1));
  });
  return app.exec();
}
