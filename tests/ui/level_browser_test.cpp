// The level browser on its own: what it lists and shows, and what it deletes.
#include "ui/dialogs/level_browser.h"
#include "window_fixture.h"

namespace drippo::ui::testing {
namespace {

class LevelBrowserTest : public WindowTest {
 protected:
  void SetUp() override {
    put_level("b.tab", "author: Bea", {});
    put_level("A.tab", "author: Anne", {});
    put_level("c.tab", "author: Chloé", {});
    std::filesystem::create_directory(folder_.tab() / "dossier.tab");
    ASSERT_TRUE(noter_score(folder_, "b.tab", 75.2).ok());
  }

  std::unique_ptr<LevelBrowser> open(std::int16_t langue) {
    loaded_.clear();
    auto browser = std::make_unique<LevelBrowser>(LevelBrowser::Host{folder_, langue, questions_, window_->art(), 1.0,
                                                             [this](const QString& f) {
                                                               loaded_ << f;
                                                               return true;
                                                             }});
    browser->show();
    return browser;
  }
  static QStringList entries(LevelBrowser& b) {
    QStringList names;
    auto* list = b.findChild<QListWidget*>("File1");
    for (int k = 0; k < list->count(); ++k) names << list->item(k)->text();
    return names;
  }
  static QString label(LevelBrowser& b, const char* name) { return b.findChild<QLabel*>(name)->text(); }
  static void select(LevelBrowser& b, int row) { b.findChild<QListWidget*>("File1")->setCurrentRow(row); }
  static void press(LevelBrowser& b, const char* name) {
    QTest::mouseClick(b.findChild<QWidget*>(name), Qt::LeftButton);
  }

  QStringList loaded_;
};

TEST_F(LevelBrowserTest, ListsTheLevelsByNameAndShowsAuthorAndBestScore) {
  auto b = open(0);
  EXPECT_EQ(entries(*b), QStringList({"A.tab", "b.tab", "c.tab"}));
  EXPECT_EQ(label(*b, "Label3"), "");
  EXPECT_EQ(label(*b, "Label5"), "");
  select(*b, 1);
  EXPECT_EQ(label(*b, "Label3"), "Bea");
  EXPECT_EQ(label(*b, "Label5"), "75");
  select(*b, 2);
  EXPECT_EQ(label(*b, "Label3"), QString::fromUtf8("Chloé"));
  EXPECT_EQ(label(*b, "Label5"), "0");
}

TEST_F(LevelBrowserTest, LoadsTheSelectionByButtonOrDoubleClickButNothingWithoutOne) {
  auto b = open(0);
  press(*b, "Command1");
  EXPECT_TRUE(loaded_.isEmpty());
  select(*b, 0);
  press(*b, "Command1");
  EXPECT_EQ(loaded_, QStringList({"A.tab"}));
  EXPECT_EQ(b->result(), QDialog::Accepted);

  auto again = open(0);
  auto* list = again->findChild<QListWidget*>("File1");
  const QPoint third = list->visualItemRect(list->item(2)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, third);
  EXPECT_EQ(loaded_, QStringList({"c.tab"}));
}

TEST_F(LevelBrowserTest, DeletingAsksFirstAndRemovesTheLevelWithItsScore) {
  auto b = open(0);
  select(*b, 1);
  questions_.answers = {false};
  press(*b, "Command3");
  EXPECT_EQ(questions_.asked.last(), "Etes vous certain de vouloir definitivement effacer ce tableau?");
  EXPECT_TRUE(std::filesystem::exists(folder_.tab() / "b.tab"));

  questions_.answers = {true};
  press(*b, "Command3");
  EXPECT_FALSE(std::filesystem::exists(folder_.tab() / "b.tab"));
  EXPECT_FALSE(std::filesystem::exists(folder_.sta() / "b.sta"));
  EXPECT_EQ(entries(*b), QStringList({"A.tab", "c.tab"}));
  EXPECT_EQ(label(*b, "Label3"), "Bea");  // the boxes keep what they showed

  // A language the browser does not know asks nothing and deletes nothing.
  auto other = open(2);
  select(*other, 0);
  const auto asked = questions_.asked.size();
  press(*other, "Command3");
  EXPECT_EQ(questions_.asked.size(), asked);
  EXPECT_TRUE(std::filesystem::exists(folder_.tab() / "A.tab"));
}

TEST_F(LevelBrowserTest, ResetForgetsTheScoreButKeepsTheLevel) {
  auto b = open(1);
  select(*b, 1);
  press(*b, "Command4");
  EXPECT_EQ(label(*b, "Label5"), "0");
  EXPECT_EQ(lire_score(folder_, "b.tab"), "0");
  EXPECT_TRUE(std::filesystem::exists(folder_.tab() / "b.tab"));
  EXPECT_TRUE(questions_.asked.isEmpty());
}

TEST_F(LevelBrowserTest, CaptionsFollowTheLanguageAndTheHotSpotHasItsJoke) {
  auto en = open(1);
  EXPECT_EQ(label(*en, "Label1"), "Available levels :");
  EXPECT_EQ(label(*en, "Label2"), "Level's author :");
  EXPECT_EQ(label(*en, "Label4"), "Level's score (%):");
  EXPECT_EQ(en->findChild<QPushButton*>("Command4")->text(), "Reset level's score");
  EXPECT_EQ(en->findChild<QPushButton*>("Command3")->text(), "Delete level");
  QTest::mouseClick(en->findChild<QWidget*>("Image3"), Qt::LeftButton);
  EXPECT_EQ(label(*en, "Label1"), "Stop pinching my bottom baby Brim :)))");

  auto fr = open(0);
  EXPECT_EQ(label(*fr, "Label1"), "Tableaux disponibles :");
  EXPECT_EQ(fr->findChild<QPushButton*>("Command4")->text(), QString::fromUtf8("Stat de ce tab à 0"));
  auto other = open(7);  // the design's French stays
  EXPECT_EQ(label(*other, "Label4"), "Score du tableau (%):");
}

}  // namespace
}  // namespace drippo::ui::testing
