// The window's costs, measured on the real widgets: the time from the start of
// the program to the first painted board, the processor time of a minute of
// flowing water, and the memory the process holds. Prints one line each.
//
//   QT_QPA_PLATFORM=xcb xvfb-run -a build/bench/drippo_window_bench [SECONDS]
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>

#include "game/null_ports.h"
#include "storage/level_file.h"
#include "ui/main/board_widget.h"
#include "ui/main/main_window.h"

namespace {

const auto program_start = std::chrono::steady_clock::now();

double cpu_seconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
         static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

long resident_kb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

// Notes the first time the board is painted.
class FirstPaint : public QObject {
 public:
  double ms = -1;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint && ms < 0) {
      ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - program_start).count();
    }
    return false;
  }
};

// Water for two minutes, spread by junctions over much of the board.
drippo::LevelData busy_level() {
  drippo::LevelData level;
  for (int c = 20; c <= 37; ++c) level.cells[static_cast<std::size_t>(c)].piece = drippo::piece::plateforme;
  for (int c : {60, 64, 68, 72, 117, 121, 125, 129}) level.cells[static_cast<std::size_t>(c)].piece = drippo::piece::bifurcation;
  level.time = "1";
  level.water = "2000";
  return level;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;

  const auto root = std::filesystem::temp_directory_path() / "drippo-window-bench";
  std::filesystem::create_directories(root / "tab");
  const drippo::ProgramFolder folder(root);
  if (drippo::write_level_file(folder.tab() / "busy.tab", busy_level())) return 1;
  drippo::NoScores scores;
  drippo::NoLevels levels;
  drippo::SilentAudio audio;
  drippo::ui::MessageBoxQuestions questions;

  drippo::ui::MainWindow window({folder, scores, levels, audio, questions});
  FirstPaint first_paint;
  window.board().installEventFilter(&first_paint);
  window.show();
  while (first_paint.ms < 0) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  std::printf("first paint: %.0f ms after the program started\n", first_paint.ms);

  window.game().set_mode_jeu(drippo::ModeJeu::Jouer);
  if (!window.load_level("busy.tab")) return 1;
  window.game().play().start_water();
  window.sync_from_game();
  const double cpu_before = cpu_seconds();
  QElapsedTimer wall;
  wall.start();
  QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
  app.exec();
  const double cpu = cpu_seconds() - cpu_before;
  std::printf("flowing water: %.2f s of processor in %.1f s (%.2f %% of one core), %d ticks\n", cpu,
              wall.elapsed() / 1000.0, 100.0 * cpu / (wall.elapsed() / 1000.0), window.game().water().tick_counter());
  std::printf("resident memory: %.1f MB\n", resident_kb() / 1024.0);
  std::filesystem::remove_all(root);
  return 0;
}
