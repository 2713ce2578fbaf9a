// The main window at start-up: what it shows, how it scales, what it names.
#include "window_fixture.h"

namespace drippo::ui::testing {
namespace {

using MainWindowTest = WindowTest;

TEST_F(MainWindowTest, StartsOnTheWelcomeScreenWithFrenchCaptions) {
  EXPECT_EQ(window_->windowTitle(), "Drippo");
  EXPECT_TRUE(find<QWidget>("Image3")->isVisible());
  EXPECT_TRUE(find<QWidget>("accueil")->isVisible());
  EXPECT_EQ(text_of("accueil"),
            QString::fromUtf8("\nBIENVENUE A DRIPPO\nCliquez sur le drapeau vert pour commencer...\n"
                              "Merci d'éteindre vos téléphones portables pendant le jeu.\n"
                              "Je vous rapelle aussi qu'il s'agit d'un jeu non-fumeur!"));
  EXPECT_EQ(text_of("Label8"), "Temps :");
  EXPECT_EQ(text_of("Label9"), "Eau restante :");
  EXPECT_EQ(text_of("Label10"), "Score :");
  // Neither the playing set nor the editing set yet.
  EXPECT_FALSE(find<QWidget>("comment")->isVisible());
  EXPECT_FALSE(find<QWidget>("command5")->isVisible());
  EXPECT_FALSE(find<QWidget>("outils")->isVisible());
  EXPECT_FALSE(find<QWidget>("labelpause")->isVisible());
  EXPECT_FALSE(timer("timer_eau")->isActive());
  EXPECT_FALSE(timer("timer_rebour")->isActive());
  EXPECT_TRUE(timer("timer_ziq")->isActive());
  EXPECT_TRUE(timer("timer_enveloppe")->isActive());
}

TEST_F(MainWindowTest, BeforeAnyLevelTheBoardAndTheTitleDoNothing) {
  click_cell(40);
  click_cell(41, Qt::RightButton);
  QTest::mouseClick(find<QWidget>("Label19"), Qt::LeftButton);
  EXPECT_EQ(window_->game().cell(40).piece, piece::vide);
  EXPECT_FALSE(window_->game().en_pause());
  EXPECT_FALSE(find<QWidget>("labelpause")->isVisible());
}

TEST_F(MainWindowTest, EveryControlKeepsItsName) {
  for (const char* name :
       {"Form1", "Picture1", "Image1", "Image2", "Image3", "Image4", "Image5", "accueil", "image_enveloppe", "expl",
        "labelpause", "Label19", "Label8", "Label9", "Label10", "Label11", "text_temps", "text_eau", "texte_score",
        "Command1", "Command2", "Command3", "Command4", "Command7", "Command8", "label_bouton", "comment",
        "command5", "outils", "nombre_type_1", "nombre_type_20", "nombre_type_16", "nombre_type_19"}) {
    if (QString(name) == "Form1") EXPECT_EQ(window_->objectName(), name);
    else EXPECT_NE(window_->findChild<QWidget*>(name), nullptr) << name;
  }
  for (const char* name : {"timer_eau", "timer_rebour", "timer_enveloppe", "timer_ziq"}) {
    EXPECT_NE(window_->findChild<QTimer*>(name), nullptr) << name;
  }
}

TEST_F(MainWindowTest, EverythingScalesTogetherWithTheWindow) {
  // At 100 % a cell is 495 x 540 twips: 33 x 36 pixels, edge to edge.
  BoardWidget& board = window_->board();
  EXPECT_EQ(board.cell_rect(0), QRect(0, 0, 33, 36));
  EXPECT_EQ(board.cell_rect(19), QRect(0, 36, 33, 36));
  EXPECT_EQ(board.cell_rect(227).topLeft(), QPoint(594, 396));  // 8910, 5940 twips
  EXPECT_EQ(find<QWidget>("Command1")->geometry(), QRect(637, 136, 65, 57));
  const int small_font = find<QWidget>("Label8")->font().pixelSize();

  window_->resize(785 * 2, 523 * 2);
  EXPECT_EQ(board.cell_rect(19), QRect(0, 72, 66, 72));
  EXPECT_EQ(board.cell_rect(227).topLeft(), QPoint(1188, 792));
  EXPECT_EQ(find<QWidget>("Command1")->geometry(), QRect(1273, 272, 130, 114));
  EXPECT_EQ(find<QWidget>("Label8")->font().pixelSize(), 2 * small_font);

  // A window of other proportions keeps the design's: the narrower side rules.
  window_->resize(785 * 3, 523);
  EXPECT_EQ(board.cell_rect(19), QRect(0, 36, 33, 36));
}

TEST_F(MainWindowTest, ThePixelToCellRuleMatchesTheCells) {
  BoardWidget& board = window_->board();
  for (int i : {0, 18, 19, 100, 208, 209, 227}) {
    EXPECT_EQ(board.cell_at(board.cell_center(i)), i);
    EXPECT_EQ(board.cell_at(board.cell_rect(i).topLeft()), i);
    EXPECT_EQ(board.cell_at(board.cell_rect(i).bottomRight()), i);
  }
  EXPECT_EQ(board.cell_at(QPoint(-1, 5)), -1);
  EXPECT_EQ(board.cell_at(QPoint(5, 12 * 36 + 1)), -1);  // below the last row
}

TEST_F(MainWindowTest, HoveringDescribesTheButtonsInTheCurrentLanguage) {
  QTest::mouseMove(find<QWidget>("Command1"));
  EXPECT_EQ(text_of("label_bouton"), QString::fromUtf8("Résoudre un tableau."));
  EXPECT_TRUE(find<QWidget>("Command1")->hasFocus());
  QTest::mouseMove(find<QWidget>("Command8"));
  EXPECT_EQ(text_of("label_bouton"), "Aides de jeu.");
  QTest::mouseMove(find<QWidget>("Label19"));
  EXPECT_EQ(text_of("label_bouton"), "PAUSE!");

  window_->game().set_langue(1);
  QTest::mouseMove(find<QWidget>("Command7"));
  EXPECT_EQ(text_of("label_bouton"), "Settings.");
  QTest::mouseMove(find<QWidget>("Label19"));
  EXPECT_EQ(text_of("label_bouton"), "PAUSE!");

  // A language the game does not know leaves the line as it was.
  window_->game().set_langue(2);
  QTest::mouseMove(find<QWidget>("Command2"));
  EXPECT_EQ(text_of("label_bouton"), "PAUSE!");

  // The side panel's background clears it.
  QTest::mouseMove(find<QWidget>("Image1"), QPoint(5, 300));
  EXPECT_EQ(text_of("label_bouton"), "");
}

}  // namespace
}  // namespace drippo::ui::testing
