// How far the player has come, as the level browser shows it: a check beside
// each level won at 100, the first level still to win chosen on opening, and
// the browser opened by itself for a newcomer.
#include <QImage>
#include <QListWidget>

#include "ui/dialogs/level_browser.h"
#include "window_fixture.h"

namespace drippo::ui::testing {
namespace {

namespace fs = std::filesystem;

class LevelProgressTest : public WindowTest {
 protected:
  void SetUp() override {
    for (const char* name : {"01 un.tab", "02 deux.tab", "03 trois.tab", "04 quatre.tab"}) put_level(name, "", {});
  }

  std::unique_ptr<LevelBrowser> open() {
    auto browser = std::make_unique<LevelBrowser>(LevelBrowser::Host{
        folder_, 0, questions_, window_->art(), 1.0, [](const std::string&) { return true; }});
    browser->show();
    return browser;
  }
  static QListWidget& list(LevelBrowser& b) { return *b.findChild<QListWidget*>("File1"); }
  // Whether the row shows anything beside its name: the unmarked ones keep
  // a blank of the same size, so that the names stay in line.
  static bool marked(LevelBrowser& b, int row) {
    const QListWidget& l = list(b);
    const QImage mark = l.item(row)->icon().pixmap(l.iconSize()).toImage();
    for (int y = 0; y < mark.height(); ++y) {
      for (int x = 0; x < mark.width(); ++x) {
        if (qAlpha(mark.pixel(x, y)) != 0) return true;
      }
    }
    return false;
  }
};

TEST_F(LevelProgressTest, LevelsWonAt100AreCheckedAndTheFirstStillToWinIsChosen) {
  ASSERT_TRUE(noter_score(folder_, "01 un.tab", 100).ok());
  ASSERT_TRUE(noter_score(folder_, "02 deux.tab", 99.9).ok());  // reads 99: not won
  ASSERT_TRUE(noter_score(folder_, "03 trois.tab", 100).ok());
  auto b = open();
  EXPECT_EQ(b->selected_file(), "02 deux.tab");
  EXPECT_TRUE(marked(*b, 0));
  EXPECT_FALSE(marked(*b, 1));
  EXPECT_TRUE(marked(*b, 2));
  EXPECT_FALSE(marked(*b, 3));
  EXPECT_EQ(list(*b).item(3)->text(), "04 quatre.tab");  // the mark is no part of the name
  // Listing reads the scores without leaving a score file for every level.
  EXPECT_FALSE(fs::exists(folder_.sta() / "04 quatre.sta"));

  // A score reset takes the check away at once.
  list(*b).setCurrentRow(2);
  QTest::mouseClick(b->findChild<QWidget*>("Command4"), Qt::LeftButton);
  EXPECT_FALSE(marked(*b, 2));

  // Every level won: the browser opens on the first, or on the one it is asked for.
  for (const char* name : {"02 deux.tab", "03 trois.tab", "04 quatre.tab"}) {
    ASSERT_TRUE(noter_score(folder_, name, 100).ok());
  }
  auto again = open();
  EXPECT_EQ(again->selected_file(), "01 un.tab");
  again->show_level("03 trois.tab");
  EXPECT_EQ(again->selected_file(), "03 trois.tab");
}

TEST_F(LevelProgressTest, OnlyThePlayersVeryFirstStartOpensTheBrowserByItself) {
  std::string chosen;
  QTimer::singleShot(0, [&] {
    if (auto* b = qobject_cast<LevelBrowser*>(QApplication::activeModalWidget())) {
      chosen = b->selected_file();
      b->reject();
    }
  });
  window_->open_at_start({});
  EXPECT_EQ(chosen, "01 un.tab");

  // Later starts open nothing, nor the first start of a player who has
  // scores from a version that noted no start.
  ScriptedDialogs dialogs;
  window_->set_dialogs(&dialogs);
  window_->open_at_start({});
  fs::remove_all(folder_.sta());
  fs::create_directory(folder_.sta());
  ASSERT_TRUE(noter_score(folder_, "02 deux.tab", 40).ok());
  window_->open_at_start({});
  EXPECT_TRUE(dialogs.opened.isEmpty());
}

TEST_F(LevelProgressTest, ALevelGivenAtTheFirstStartIsShownInsteadAndSpendsIt) {
  ScriptedDialogs dialogs;
  window_->set_dialogs(&dialogs);
  ASSERT_FALSE(write_level_file(root_ / "recu.tab", LevelData{}).has_value());
  window_->open_at_start({QString::fromStdString((root_ / "recu.tab").string())});
  window_->open_at_start({});
  EXPECT_EQ(dialogs.selected, std::vector<std::string>{"recu.tab"});
}

}  // namespace
}  // namespace drippo::ui::testing
