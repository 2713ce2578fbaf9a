// A game through the window: the flag, the countdown, pause, restart, the end.
#include "ui/dialogs/level_browser.h"
#include "window_fixture.h"

namespace drippo::ui::testing {
namespace {

using PlayFlowTest = WindowTest;

// A glass right under the source: ten drops fill it.
const std::vector<std::string> glass_under_source = {"...................", "..................G"};

TEST_F(PlayFlowTest, TheFlagOpensTheBrowserWhichLoadsTheChosenLevel) {
  put_level("premier.tab", "author: Zoé\ntime: 3\nwater: 10", glass_under_source);
  put_level("second.tab", "author: Max\ntime: 5\nwater: 10", {});
  QString seen_author;
  QTimer::singleShot(0, [&] {
    auto* browser = qobject_cast<LevelBrowser*>(QApplication::activeModalWidget());
    if (browser == nullptr) return;
    browser->findChild<QListWidget*>("File1")->setCurrentRow(0);
    seen_author = browser->findChild<QLabel*>("Label3")->text();
    QTest::mouseClick(browser->findChild<QWidget*>("Command1"), Qt::LeftButton);
  });
  click("Command1");

  EXPECT_EQ(seen_author, QString::fromUtf8("Zoé"));
  EXPECT_TRUE(questions_.asked.isEmpty());
  EXPECT_EQ(window_->windowTitle(), "premier.tab");
  EXPECT_FALSE(find<QWidget>("Image3")->isVisible());
  EXPECT_TRUE(find<QWidget>("comment")->isVisible());
  EXPECT_TRUE(find<QWidget>("command5")->isVisible());
  EXPECT_FALSE(find<QWidget>("outils")->isVisible());
  EXPECT_EQ(text_of("text_temps"), "3");
  EXPECT_TRUE(find<QLineEdit>("text_temps")->isReadOnly());
  EXPECT_TRUE(timer("timer_rebour")->isActive());
  EXPECT_FALSE(timer("timer_eau")->isActive());
}

TEST_F(PlayFlowTest, TheCountdownTurnsRedThenStartsTheWater) {
  put_level("un.tab", "time: 5\nwater: 10", glass_under_source);
  play("un.tab");
  auto* time = find<QLineEdit>("text_temps");
  QStringList shown;
  QObject::connect(time, &QLineEdit::textChanged, [&](const QString& t) {
    shown << t;
    QApplication::processEvents();
  });
  timer("timer_rebour")->setInterval(1);
  ASSERT_TRUE(QTest::qWaitFor([&] { return window_->game().water().running(); }, 5000));
  timer("timer_eau")->stop();
  EXPECT_EQ(shown.mid(0, 5), QStringList({"4", "3", "2", "1", "0"}));
  EXPECT_EQ(text_of("comment"), "C'est parti!");
  EXPECT_FALSE(timer("timer_rebour")->isActive());
  EXPECT_FALSE(window_->game().play().time_is_red());
}

TEST_F(PlayFlowTest, PauseHidesTheBoardFreezesTheCountdownAndLocksTheBoard) {
  put_level("un.tab", "time: 50\nwater: 10\nstock 20: 3", {});
  play("un.tab");
  timer("timer_rebour")->setInterval(1);
  EXPECT_TRUE(QTest::qWaitFor([&] { return text_of("text_temps") != "50"; }));
  QTest::mouseClick(find<QWidget>("Label19"), Qt::LeftButton);
  EXPECT_TRUE(find<QWidget>("labelpause")->isVisible());
  EXPECT_FALSE(window_->game().window().cells_shown());
  const QString frozen = text_of("text_temps");
  QTest::qWait(30);
  EXPECT_EQ(text_of("text_temps"), frozen);
  // Nothing is placed blind on the hidden board.
  click_cell(100);
  EXPECT_EQ(window_->game().table().cell(100).piece, piece::vide);
  EXPECT_EQ(text_of("nombre_type_20"), "3");

  QTest::mouseClick(find<QWidget>("Label19"), Qt::LeftButton);
  EXPECT_FALSE(find<QWidget>("labelpause")->isVisible());
  EXPECT_TRUE(QTest::qWaitFor([&] { return text_of("text_temps") != frozen; }));
}

TEST_F(PlayFlowTest, RestartReloadsTheLevelAndAMissingLevelIsReported) {
  put_level("un.tab", "time: 50\nwater: 10\nstock 20: 5", {});
  play("un.tab");
  click_cell(100);
  ASSERT_EQ(window_->game().table().cell(100).piece, piece::brique);
  QTest::mouseClick(find<QWidget>("command5"), Qt::LeftButton);
  EXPECT_EQ(window_->game().table().cell(100).piece, piece::vide);
  EXPECT_EQ(text_of("nombre_type_20"), "5");

  click_cell(100);
  std::filesystem::remove(folder_.tab() / "un.tab");
  QTest::mouseClick(find<QWidget>("command5"), Qt::LeftButton);
  ASSERT_EQ(questions_.told.size(), 1);
  EXPECT_TRUE(questions_.told[0].contains("un.tab")) << questions_.told[0].toStdString();
  EXPECT_EQ(window_->game().table().cell(100).piece, piece::brique);
}

TEST_F(PlayFlowTest, AWinIsRecordedAndShownInTheBrowser) {
  put_level("gagne.tab", "time: 1\nwater: 10", glass_under_source);
  play("gagne.tab");
  timer("timer_eau")->setInterval(1);
  run_countdown();
  EXPECT_TRUE(QTest::qWaitFor([&] { return text_of("comment") == QString::fromUtf8("Partie gagnée!"); }, 5000))
      << text_of("comment").toStdString();
  EXPECT_EQ(text_of("texte_score"), "100");
  EXPECT_FALSE(timer("timer_eau")->isActive());

  // The envelope bounces from the top-left corner, and opens the About page.
  auto* envelope = find<QWidget>("image_enveloppe");
  EXPECT_TRUE(envelope->isVisible());
  const QPoint start = envelope->pos();
  EXPECT_TRUE(QTest::qWaitFor([&] { return envelope->pos().x() > start.x() && envelope->pos().y() > start.y(); }));
  ScriptedDialogs dialogs;
  window_->set_dialogs(&dialogs);
  QTest::mouseClick(envelope, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(dialogs.opened, QStringList({"about"}));

  // The flag during a finished game asks nothing.
  click("Command1");
  EXPECT_TRUE(questions_.asked.isEmpty());
  EXPECT_EQ(dialogs.opened, QStringList({"about", "browser"}));
  EXPECT_EQ(lire_score(folder_, "gagne.tab"), "100");
}

TEST_F(PlayFlowTest, HoveringTheCharacterOffersARestart) {
  put_level("un.tab", "time: 50\nwater: 10", {});
  play("un.tab");
  QTest::mouseMove(find<QWidget>("command5"));
  EXPECT_EQ(text_of("comment"), "Recommencer.");
  window_->game().settings().langue = 1;
  QTest::mouseMove(find<QWidget>("Label19"));
  QTest::mouseMove(find<QWidget>("command5"));
  EXPECT_EQ(text_of("comment"), "Restart this level.");
}

TEST_F(PlayFlowTest, LeavingUnsavedEditorWorkAsksFirst) {
  ScriptedDialogs dialogs;
  window_->set_dialogs(&dialogs);
  click("Command2");  // a new level: unsaved from the start
  EXPECT_TRUE(find<QWidget>("outils")->isVisible());
  EXPECT_EQ(window_->windowTitle(), "nouveau");

  questions_.answers = {false};
  click("Command1");
  EXPECT_TRUE(dialogs.opened.isEmpty());
  ASSERT_EQ(questions_.asked.size(), 1);
  EXPECT_EQ(questions_.asked[0],
            QString::fromUtf8("Le tableau en cours d'édition n'est pas sauvé. Si vous continuez, vous allez le "
                              "perdre. Voulez-vous continuer?"));

  window_->game().settings().langue = 1;
  questions_.answers = {true};
  click("Command1");
  EXPECT_EQ(questions_.asked.last(), "Your level in not saved. Do you really want to continue and loose it?");
  EXPECT_EQ(dialogs.opened, QStringList({"browser"}));
  EXPECT_EQ(window_->game().table().mode_jeu(), ModeJeu::Jouer);
}

}  // namespace
}  // namespace drippo::ui::testing
