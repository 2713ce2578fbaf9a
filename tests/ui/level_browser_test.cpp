// The level browser on its own: what it lists and shows, and what it deletes.
#include <fcntl.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <fstream>
#include <thread>

#include <QComboBox>
#include <QDeadlineTimer>
#include <QMessageBox>

#include "ui/dialogs/level_browser.h"
#include "window_fixture.h"

namespace drippo::ui::testing {
namespace {

// Tells whether anything has opened a file since it was made.
class OpenWatch {
 public:
  explicit OpenWatch(const std::filesystem::path& file) : fd_(inotify_init1(IN_NONBLOCK)) {
    std::ofstream(file) << "not a picture";
    watching_ = fd_ >= 0 && inotify_add_watch(fd_, file.c_str(), IN_OPEN) >= 0;
  }
  ~OpenWatch() { ::close(fd_); }
  bool watching() const { return watching_; }
  bool opened() const {
    char events[4096];
    return ::read(fd_, events, sizeof events) > 0;
  }

 private:
  int fd_;
  bool watching_ = false;
};

// What a message box showed.
struct ShownBox {
  QString title;
  QString text;
  Qt::TextFormat format = Qt::AutoText;
  QStringList buttons;
};

// Notes what the next message box shows, then presses its button `answer`.
void answer_next_box(ShownBox& shown, const QString& answer) {
  QTimer::singleShot(0, [&shown, answer] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    shown = {box->windowTitle(), box->text(), box->textFormat(), {}};
    QAbstractButton* pressed = nullptr;
    for (QAbstractButton* b : box->buttons()) {
      shown.buttons << b->text();
      if (b->text() == answer) pressed = b;
    }
    shown.buttons.sort();
    if (pressed != nullptr) pressed->click();
    else box->done(0);
  });
}

class LevelBrowserTest : public WindowTest {
 protected:
  void SetUp() override {
    put_level("b.tab", "author: Bea", {});
    put_level("A.tab", "author: Anne", {});
    put_level("c.tab", "author: Chloé", {});
    std::filesystem::create_directory(folder_.tab() / "dossier.tab");
    ASSERT_TRUE(noter_score(folder_, "b.tab", 75.2).ok());
  }

  std::unique_ptr<LevelBrowser> open(std::int16_t langue, Questions* questions = nullptr, double zoom = 1.0) {
    loaded_.clear();
    auto browser = std::make_unique<LevelBrowser>(
        LevelBrowser::Host{folder_, langue, questions ? *questions : questions_, window_->art(), zoom,
                           [this](const std::string& f) {
                             loaded_.push_back(f);
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
  static void click_entry(LevelBrowser& b, int row) {
    auto* list = b.findChild<QListWidget*>("File1");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
  }
  static void press(LevelBrowser& b, const char* name) {
    QTest::mouseClick(b.findChild<QWidget*>(name), Qt::LeftButton);
  }

  std::vector<std::string> loaded_;
};

TEST_F(LevelBrowserTest, ListsTheLevelsByNameAndShowsAuthorAndBestScoreOfTheOneChosen) {
  auto b = open(0);
  EXPECT_EQ(entries(*b), QStringList({"A.tab", "b.tab", "c.tab"}));
  EXPECT_EQ(label(*b, "Label3"), "Anne");  // the first is chosen as the browser opens
  EXPECT_EQ(label(*b, "Label5"), "0");
  click_entry(*b, 1);
  EXPECT_EQ(label(*b, "Label3"), "Bea");
  EXPECT_EQ(label(*b, "Label5"), "75");
  QTest::keyClick(b->findChild<QListWidget*>("File1"), Qt::Key_Down);
  EXPECT_EQ(label(*b, "Label3"), QString::fromUtf8("Chloé"));
  EXPECT_EQ(label(*b, "Label5"), "0");
}

TEST_F(LevelBrowserTest, LoadsTheSelectionByButtonOrDoubleClickButNothingWithoutOne) {
  auto b = open(0);
  press(*b, "Command1");
  EXPECT_EQ(loaded_, std::vector<std::string>{"A.tab"});
  EXPECT_EQ(b->result(), QDialog::Accepted);

  auto again = open(0);
  again->findChild<QListWidget*>("File1")->clearSelection();
  press(*again, "Command1");
  EXPECT_TRUE(loaded_.empty());
  auto* list = again->findChild<QListWidget*>("File1");
  const QPoint third = list->visualItemRect(list->item(2)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, third);
  EXPECT_EQ(loaded_, std::vector<std::string>{"c.tab"});
}

TEST_F(LevelBrowserTest, NewPuzzlePutsALevelOfTheChosenDifficultyOnTheBoardWhichARestartKeeps) {
  window_->game().set_mode_jeu(ModeJeu::Jouer);
  auto b = open(0);
  b->set_puzzle_maker(window_->puzzle_maker());
  b->findChild<QComboBox*>("puzzle_difficulty")->setCurrentIndex(2);
  // The window's timers go on while the level is made.
  auto* button = b->findChild<QPushButton*>("new_puzzle");
  int ticks_meanwhile = 0;
  QTimer ticker;
  QObject::connect(&ticker, &QTimer::timeout, [&] { ticks_meanwhile += button->isEnabled() ? 0 : 1; });
  ticker.start(0);
  press(*b, "new_puzzle");
  EXPECT_FALSE(button->isEnabled());
  EXPECT_EQ(button->text(), "Je cherche...");
  ASSERT_TRUE(QTest::qWaitFor([&] { return b->result() == QDialog::Accepted; }, 10000))
      << questions_.told.join('\n').toStdString();
  EXPECT_GT(ticks_meanwhile, 0);
  EXPECT_TRUE(loaded_.empty());  // no file of the folder
  const Table& table = window_->game().table();
  EXPECT_TRUE(QString::fromStdString(table.nom_tableau()).startsWith(QString::fromUtf8("Énigme difficile n°"))) << table.nom_tableau();
  int goals = 0, in_stock = 0;
  for (int i = 0; i <= derniere_case; ++i) goals += is_goal(table.cell(i).piece) ? 1 : 0;
  for (int t = 1; t <= nb_types; ++t) in_stock += std::atoi(table.stock(t).c_str());
  EXPECT_GE(goals, 1);
  EXPECT_GT(in_stock, 5);  // five pieces at the least, and decoys

  // No file holds it, yet a restart puts it back as it was made.
  const Board made = window_->game().water().board();
  const std::string title = table.nom_tableau();
  int kind = 1;
  while (kind < nb_types && table.stock(kind).empty()) ++kind;
  PiecePlacing& placing = window_->game().placing();
  ASSERT_TRUE(placing.palette_mouse_down(kind) && placing.drop_on_cell(0));
  ASSERT_NE(window_->game().water().board(), made);
  QTest::mouseClick(find<QWidget>("command5"), Qt::LeftButton);
  EXPECT_TRUE(questions_.told.empty());
  EXPECT_EQ(window_->game().water().board(), made);
  EXPECT_EQ(table.nom_tableau(), title);
}

TEST_F(LevelBrowserTest, ClosingTheBrowserOrLoadingALevelDropsThePuzzleBeingMadeAtOnce) {
  // A maker that works until it is told to stop.
  std::atomic<int> stopped{0};
  int put = 0;
  const PuzzleMaker endless{[&](solve::Difficulty, const std::atomic<bool>& cancel) {
                              const QDeadlineTimer limit(10000);
                              while (!cancel.load() && !limit.hasExpired()) {
                                std::this_thread::sleep_for(std::chrono::milliseconds(1));
                              }
                              if (cancel.load()) ++stopped;
                              return std::optional<MadePuzzle>(MadePuzzle{});
                            },
                            [&](std::optional<MadePuzzle>) { return ++put > 0; }};
  // The cross, loading the level chosen, or the window going and taking the browser with it.
  int ways = 0;
  for (const std::string button : {"Command2", "Command1", ""}) {
    auto b = open(0);
    b->set_puzzle_maker(endless);
    press(*b, "new_puzzle");
    if (button.empty()) b.reset();
    else press(*b, button.c_str());
    EXPECT_EQ(stopped, ++ways) << button;
    EXPECT_EQ(loaded_.size(), button == "Command1" ? 1 : 0) << button;
  }
  QTest::qWait(20);  // an answer on its way would come now
  EXPECT_EQ(put, 0);

  // The window's maker hands the stop on to the generator.
  const std::atomic<bool> cancelled{true};
  EXPECT_FALSE(window_->puzzle_maker().make(solve::Difficulty::Hard, cancelled).has_value());
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

TEST_F(LevelBrowserTest, TheDeleteQuestionHasNoTitleAndButtonsInItsLanguage) {
  MessageBoxQuestions boxes;
  ShownBox shown;
  auto fr = open(0, &boxes);
  answer_next_box(shown, "Non");
  press(*fr, "Command3");
  EXPECT_EQ(shown.buttons, QStringList({"Non", "Oui"}));
  // A title left empty would show the program's name: a blank one is set.
  EXPECT_TRUE(!shown.title.isEmpty() && shown.title.trimmed().isEmpty()) << shown.title.toStdString();
  EXPECT_TRUE(std::filesystem::exists(folder_.tab() / "A.tab"));

  auto en = open(1, &boxes);
  answer_next_box(shown, "Yes");
  press(*en, "Command3");
  EXPECT_EQ(shown.buttons, QStringList({"No", "Yes"}));
  EXPECT_EQ(shown.text, "Do you really want to delete this level?");
  EXPECT_FALSE(std::filesystem::exists(folder_.tab() / "A.tab"));
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

TEST_F(LevelBrowserTest, TextsFromFilesAreShownLiterallyAndNothingIsFetched) {
  // Levels are shared: a picture named by an author or a file name must never
  // be loaded (a device named so freezes the game).
  const std::filesystem::path picture = root_ / "picture.png";
  const OpenWatch watch(picture);
  ASSERT_TRUE(watch.watching());
  LevelData signed_with_markup;
  signed_with_markup.author = "<img src=\"" + picture.string() + "\">";
  put_level("<u>a.tab", signed_with_markup);
  // A file name cannot hold '/', but markup spells it "&#47;".
  std::string spelt = picture.string();
  for (std::size_t at; (at = spelt.find('/')) != std::string::npos;) spelt.replace(at, 1, "&#47;");
  const std::string damaged = "<img src=\"" + spelt + "\">.tab";
  std::ofstream(folder_.tab() / damaged) << "dam";

  auto b = open(0);
  EXPECT_TRUE(entries(*b).contains(QString::fromStdString(damaged)));
  click_entry(*b, static_cast<int>(entries(*b).indexOf("<u>a.tab")));
  auto* author = b->findChild<QLabel*>("Label3");
  EXPECT_EQ(author->textFormat(), Qt::PlainText);
  EXPECT_EQ(author->text(), QString::fromStdString(signed_with_markup.author));
  b->grab();

  ASSERT_FALSE(window_->load_level(damaged));
  const QString error = questions_.told.last();
  EXPECT_TRUE(error.contains(QString::fromStdString(damaged)));
  MessageBoxQuestions boxes;
  ShownBox shown;
  answer_next_box(shown, "OK");
  boxes.tell(window_.get(), error);
  EXPECT_EQ(shown.format, Qt::PlainText);
  EXPECT_EQ(shown.text, error);
  answer_next_box(shown, "Non");
  boxes.ask_yes_no(window_.get(), error, 0);
  EXPECT_EQ(shown.format, Qt::PlainText);
  EXPECT_FALSE(watch.opened());
}

TEST_F(LevelBrowserTest, ANameThatIsNotUtf8IsListedLoadedAndDeleted) {
  const std::string cafe = "caf\xe9.tab";  // Latin-1, from another system
  put_level(cafe, "author: Zoé", {});
  ASSERT_TRUE(noter_score(folder_, cafe, 50).ok());
  auto b = open(0);
  EXPECT_EQ(entries(*b), QStringList({"A.tab", "b.tab", "c.tab", QString::fromUtf8("café.tab")}));
  click_entry(*b, 3);
  EXPECT_EQ(label(*b, "Label3"), QString::fromUtf8("Zoé"));
  EXPECT_EQ(label(*b, "Label5"), "50");
  press(*b, "Command1");
  ASSERT_EQ(loaded_, std::vector<std::string>{cafe});
  window_->game().set_mode_jeu(ModeJeu::Jouer);
  EXPECT_TRUE(window_->load_level(loaded_.front()));
  EXPECT_EQ(window_->game().table().nom_tableau(), cafe);
  EXPECT_EQ(window_->windowTitle(), QString::fromUtf8("café.tab"));

  auto again = open(0);
  click_entry(*again, 3);
  questions_.answers = {true};
  press(*again, "Command3");
  EXPECT_FALSE(std::filesystem::exists(folder_.tab() / cafe));
  EXPECT_FALSE(std::filesystem::exists(folder_.sta() / "caf\xe9.sta"));
}

TEST_F(LevelBrowserTest, CaptionsFollowTheLanguageFitTheirBoxesAndTheHotSpotHasItsJoke) {
  auto en = open(1);
  EXPECT_EQ(label(*en, "Label4"), "Level's score (%):");
  EXPECT_EQ(en->findChild<QPushButton*>("Command4")->text(), "Reset level's score");
  QTest::mouseClick(en->findChild<QWidget*>("Image3"), Qt::LeftButton);
  EXPECT_EQ(label(*en, "Label1"), "Stop pinching my bottom baby Brim :)))");
  auto fr = open(0);
  EXPECT_EQ(fr->findChild<QPushButton*>("Command4")->text(), QString::fromUtf8("Stat de ce tab à 0"));
  auto other = open(7);  // the design's French stays
  EXPECT_EQ(label(*other, "Label4"), "Score du tableau (%):");

  // The captions on the right-hand panel run onto its frame by design, and
  // past the dialog's edge: whatever the window's size, each ends on the
  // panel's blue, inside the frame (under a tenth of the panel's width).
  for (const double zoom : {0.75, 1.0, 1.3, 1.7, 2.4}) {
    for (const std::int16_t langue : {0, 1}) {
      auto b = open(langue, nullptr, zoom);
      const QRect panel = b->findChild<QWidget*>("Image2")->geometry();
      for (const char* name : {"Label2", "Label4"}) {
        const QLabel* l = b->findChild<QLabel*>(name);
        const double end = l->x() + QFontMetricsF(l->font()).horizontalAdvance(l->text());
        EXPECT_LE(end, panel.right() - panel.width() * 0.09) << name << " at " << zoom;
      }
      const QLabel* title = b->findChild<QLabel*>("Label1");
      EXPECT_LE(QFontMetricsF(title->font()).horizontalAdvance(title->text()), title->width()) << zoom;
      QTest::mouseClick(b->findChild<QWidget*>("Image3"), Qt::LeftButton);  // the longer joke fits too
      EXPECT_LE(QFontMetricsF(title->font()).horizontalAdvance(title->text()), title->width()) << zoom;
    }
  }
}

}  // namespace
}  // namespace drippo::ui::testing
