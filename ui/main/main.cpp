// Drippo: the game's window.
#include <QApplication>
#include <QDir>

#include "audio/sdl_audio.h"
#include "storage/level_catalogue.h"
#include "storage/program_folder.h"
#include "storage/score_file.h"
#include "ui/main/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Drippo");
  QApplication::setApplicationVersion(DRIPPO_VERSION);

  // Every file of the game lies beside the program.
  const drippo::ProgramFolder folder(QDir(QCoreApplication::applicationDirPath()).filesystemAbsolutePath());
  drippo::FolderScoreRecorder scores(folder);
  drippo::FolderLevelCatalogue levels(folder);
  drippo::SdlAudio audio(folder.wav(), folder.mid());
  drippo::ui::MessageBoxQuestions questions;

  drippo::ui::MainWindow window({folder, scores, levels, audio, questions});
  window.show();
  return app.exec();
}
