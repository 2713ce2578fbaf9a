#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include <QObject>
#include <QStringList>

class QWidget;

namespace drippo::ui {

class LevelBrowser;
class MainWindow;

// Level files that other players sent, dropped from the file manager or given
// when the program starts: each is checked by the level reader and copied
// into the levels folder, then shown to the player.
class LevelDrop : public QObject {
 public:
  // `show` puts the copied level before the player's eyes.
  using Show = std::function<void(const std::string& file_name)>;
  // Lives as long as `target`, and takes the drops made on it.
  LevelDrop(QWidget& target, MainWindow& window, Show show);

  // Adds the level files, as a drop of them does, and shows the last one
  // added; false when none was.
  bool add_files(const QStringList& paths);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The level's name in the levels folder; empty when the player was told why
  // it was refused, or kept the level of that name.
  std::string add(const std::filesystem::path& file);

  QWidget& target_;
  MainWindow& window_;
  Show show_;
};

// A level dropped on the main window opens the level browser on it.
LevelDrop* accept_level_drops(MainWindow& window);
// A level dropped on the browser is selected in its list.
void accept_level_drops(LevelBrowser& browser, MainWindow& window);

}  // namespace drippo::ui
