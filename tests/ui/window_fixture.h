#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <random>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "game/level_data.h"
#include "level_text.h"
#include "storage/level_catalogue.h"
#include "storage/level_file.h"
#include "storage/score_file.h"
#include "ui/main/board_widget.h"
#include "ui/main/main_window.h"
#include "ui/main/palette_widget.h"

namespace drippo::ui::testing {

// Answers the window's questions from a list, and remembers what was asked.
class ScriptedQuestions : public Questions {
 public:
  bool ask_yes_no(QWidget*, const QString& text, std::int16_t langue) override {
    asked.push_back(text);
    asked_in.push_back(langue);
    if (answers.empty()) return false;
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
  }
  void tell(QWidget*, const QString& text) override { told.push_back(text); }

  std::deque<bool> answers;
  QStringList asked;
  std::vector<std::int16_t> asked_in;  // the language of each question
  QStringList told;
};

// Records which dialog the window opened, and can stand in for the browser.
class ScriptedDialogs : public Dialogs {
 public:
  void open_level_browser(const std::string& selected_file) override {
    opened.push_back("browser");
    selected.push_back(selected_file);
    if (on_browser) on_browser();
  }
  void open_save_dialog() override { opened.push_back("save"); }
  void open_options() override { opened.push_back("options"); }
  void open_help(bool about) override { opened.push_back(about ? "about" : "help"); }

  QStringList opened;
  std::vector<std::string> selected;  // the level each browser was opened on
  std::function<void()> on_browser;
};

// A main window over a fresh program folder of its own.
class WindowTest : public ::testing::Test {
 protected:
  WindowTest()
      : root_(std::filesystem::temp_directory_path() /
              ("drippo-ui-" + std::to_string(std::random_device{}()))),
        folder_(root_) {
    std::filesystem::create_directories(root_);
    folder_.ensure_folders();
    scores_ = std::make_unique<FolderScoreRecorder>(folder_);
    levels_ = std::make_unique<FolderLevelCatalogue>(folder_);
    window_ = std::make_unique<MainWindow>(MainWindowServices{folder_, *scores_, *levels_, audio_, questions_});
    window_->resize(785, 523);  // 100 %: one pixel is 15 twips
    window_->show();
    // Its keyboard shortcuts work only in the active window.
    window_->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }
  ~WindowTest() override {
    window_.reset();
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }

  void put_level(const std::string& file_name, const LevelData& level) {
    ASSERT_FALSE(write_level_file(folder_.tab() / file_name, level).has_value());
  }
  // A level drawn as text: header lines, then rows from the top; missing rows are empty.
  void put_level(const std::string& file_name, const std::string& header, std::vector<std::string> rows) {
    while (rows.size() < 12) rows.emplace_back(19, '.');
    std::string text = header + "\n";
    for (const auto& r : rows) text += r + "\n";
    std::string error;
    const auto level = parse_level_text(text, error);
    ASSERT_TRUE(level.has_value()) << error;
    put_level(file_name, *level);
  }

  template <class T>
  T* find(const char* name) {
    T* w = window_->findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QTimer* timer(const char* name) { return find<QTimer>(name); }
  QString text_of(const char* name) {
    if (auto* l = window_->findChild<QLabel*>(name)) return l->text();
    if (auto* e = window_->findChild<QLineEdit*>(name)) return e->text();
    ADD_FAILURE() << "no text control " << name;
    return {};
  }

  void click(const char* name) { QTest::mouseClick(find<QWidget>(name), Qt::LeftButton); }
  void click_cell(int cell, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers mods = {}) {
    QTest::mouseClick(&window_->board(), button, mods, window_->board().cell_center(cell));
  }

  // Loads a level to play through the window, as the browser would.
  void play(const std::string& file_name) {
    window_->game().set_mode_jeu(ModeJeu::Jouer);
    ASSERT_TRUE(window_->load_level(file_name));
  }
  // Lets the countdown run out fast.
  void run_countdown() {
    timer("timer_rebour")->setInterval(1);
    // QTRY_ macros would not tell GoogleTest when they give up.
    ASSERT_TRUE(QTest::qWaitFor([&] { return window_->game().water().running(); }, 5000));
  }

  std::filesystem::path root_;
  ProgramFolder folder_;
  std::unique_ptr<FolderScoreRecorder> scores_;
  std::unique_ptr<FolderLevelCatalogue> levels_;
  SilentAudio audio_;
  ScriptedQuestions questions_;
  std::unique_ptr<MainWindow> window_;
};

}  // namespace drippo::ui::testing
