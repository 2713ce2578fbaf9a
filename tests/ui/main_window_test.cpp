// The main window at start-up: what it shows, how it scales, and that its
// texts fit.
#include <algorithm>
#include <fstream>

#include "storage/captions.h"
#include "window_fixture.h"

namespace drippo::ui::testing {
namespace {

using MainWindowTest = WindowTest;

// Where a label draws its text, wrapped where the label wraps.
QRect text_rect(const QLabel& label) {
  const int flags = static_cast<int>(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
  return QFontMetrics(label.font()).boundingRect(label.contentsRect(), flags, label.text());
}

// Every text the window shows lies inside its label's box; the welcome text
// and the congratulation also stay on the board's cells, clear of the welcome
// pictures.
void expect_every_text_fits(MainWindow& window, const std::string& when) {
  for (QLabel* label : window.findChildren<QLabel*>()) {
    if (!label->isVisible() || label->text().isEmpty()) continue;
    const QRect box = label->contentsRect();
    const QRect needed = text_rect(*label);
    EXPECT_TRUE(box.contains(needed)) << when << ", " << label->objectName().toStdString() << ": needs "
                                      << needed.width() << " x " << needed.height() << ", has " << box.width()
                                      << " x " << box.height();
  }
  const BoardWidget& board = window.board();
  auto* welcome = window.findChild<QLabel*>("accueil");
  const QRect text = text_rect(*welcome).translated(welcome->pos());
  const QRect cells(board.pos(), board.cell_rect(derniere_case).bottomRight() + board.pos());
  EXPECT_TRUE(cells.contains(text)) << when;
  for (const char* picture : {"Image4", "Image5"}) {
    const QWidget* side = window.findChild<QWidget*>(picture);
    if (side->isVisible()) {
      EXPECT_FALSE(side->geometry().intersects(text)) << when << ", " << picture;
    }
  }
}

TEST_F(MainWindowTest, StartsOnTheWelcomeScreenWithFrenchCaptions) {
  EXPECT_EQ(window_->windowTitle(), "Drippo");
  EXPECT_TRUE(find<QWidget>("Image3")->isVisible());
  EXPECT_TRUE(find<QWidget>("accueil")->isVisible());
  EXPECT_EQ(text_of("accueil"),
            QString::fromUtf8("\nBIENVENUE A DRIPPO\nCliquez sur le drapeau vert pour commencer...\n"
                              "Merci d'éteindre vos téléphones portables pendant le jeu.\n"
                              "Je vous rapelle aussi qu'il s'agit d'un jeu non-fumeur!"));
  EXPECT_EQ(text_of("Label8"), "Temps :");
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
  EXPECT_EQ(window_->game().table().cell(40).piece, piece::vide);
  EXPECT_FALSE(window_->game().play().en_pause());
  EXPECT_FALSE(find<QWidget>("labelpause")->isVisible());
}

TEST_F(MainWindowTest, EveryTextFitsItsBoxInBothLanguagesAtEverySize) {
  ASSERT_TRUE(QFontMetrics(find<QLabel>("accueil")->font()).inFont('H'));  // glyphs, not boxes
  // The title's sign and the counters' card end inside the window: its last
  // column shows the panel's blue wall down to the score, not their cream.
  const QImage panel = window_->grab().toImage();
  for (int y = 0; y < find<QWidget>("texte_score")->geometry().bottom(); ++y) {
    EXPECT_LT(panel.pixelColor(panel.width() - 1, y).red(), 230) << "row " << y;
  }
  put_level("a.tab", "time: 1\nwater: 10", {"...................", "..................G"});
  Game& game = window_->game();
  auto at_every_size = [&](const std::string& when) {
    for (QSize size : {QSize(785, 523), QSize(1000, 540), QSize(800, 900), QSize(1178, 785), QSize(1570, 1046)}) {
      window_->resize(size);
      expect_every_text_fits(*window_, when + " at " + std::to_string(size.width()) + " x " +
                                           std::to_string(size.height()));
    }
  };
  auto win = [&] {
    play("a.tab");
    game.play().start_water();
    for (int i = 171; i <= derniere_case; ++i) game.water().cell_ref(i).piece = piece::brique;  // a full board
    game.table().redraw_all();
    game.water().cell_ref(37).besoin = 1;
    game.water().cell_ref(37).eau_b = 1;
    game.timer_eau_Timer();
    ASSERT_EQ(game.play().last_outcome(), Outcome::Win);
  };

  for (std::int16_t langue : {0, 1}) {
    const std::string language = langue == 0 ? "French" : "English";
    Settings r = window_->settings();
    r.langue = langue;
    window_->set_live_settings(r);
    window_->show_captions(textes_de_langue(langue));
    game.water().set_board(Board{});  // as at start-up
    game.table().redraw_all();
    game.window().montrer_accueil(true);
    QTest::mouseMove(find<QWidget>("Command1"));  // its description too
    at_every_size(language + " welcome");

    // A score that cannot be kept: its reason under the outcome.
    std::filesystem::remove_all(folder_.sta());
    std::ofstream(folder_.sta()) << "not a folder";
    win();
    EXPECT_EQ(text_of("comment"), langue == 0 ? QString::fromUtf8("Partie gagnée!\nScore non enregistré : le dossier "
                                                                  "des scores est introuvable.")
                                              : "You win!\nScore not recorded: the scores folder is missing.");
    at_every_size(language + " score not kept");

    std::filesystem::remove(folder_.sta());
    std::filesystem::create_directory(folder_.sta());
    win();
    ASSERT_TRUE(find<QWidget>("accueil")->isVisible());
    at_every_size(language + " congratulation");
    // On a backdrop of its own: none of the board's bricks shows through.
    QWidget* text = find<QWidget>("accueil");
    const QImage shown = window_->grab(QRect(text->mapTo(window_.get(), QPoint(0, 0)), text->size())).toImage();
    int brick_pixels = 0;
    for (int y = 0; y < shown.height(); ++y) {
      for (int x = 0; x < shown.width(); ++x) {
        const QColor c = shown.pixelColor(x, y);
        if (c.red() > c.green() + 60 && c.red() > c.blue() + 60) ++brick_pixels;
      }
    }
    EXPECT_EQ(brick_pixels, 0) << language;
  }
}

TEST_F(MainWindowTest, EverythingScalesTogetherWithTheWindow) {
  // At 100 % a cell is 495 x 540 twips, edge to edge with the next, 19 to a row.
  BoardWidget& board = window_->board();
  const QRect cell = board.cell_rect(0);
  EXPECT_EQ(cell, QRect(0, 0, 33, 36));
  EXPECT_EQ(board.cell_rect(1).topLeft(), cell.topRight() + QPoint(1, 0));
  EXPECT_EQ(board.cell_rect(19).topLeft(), cell.bottomLeft() + QPoint(0, 1));
  QWidget* flag = find<QWidget>("Command1");
  const QRect flag_at_100 = flag->geometry();
  const int small_font = find<QWidget>("Label8")->font().pixelSize();

  window_->resize(785 * 2, 523 * 2);
  EXPECT_EQ(board.cell_rect(19), QRect(cell.bottomLeft() * 2 + QPoint(0, 2), cell.size() * 2));
  EXPECT_EQ(board.cell_rect(227).topLeft(), QPoint(18 * 2 * cell.width(), 11 * 2 * cell.height()));
  EXPECT_NEAR(flag->x(), 2 * flag_at_100.x(), 1);
  EXPECT_NEAR(flag->width(), 2 * flag_at_100.width(), 1);
  EXPECT_EQ(find<QWidget>("Label8")->font().pixelSize(), 2 * small_font);

  // A window of other proportions keeps the design's: the narrower side
  // rules, and the game stands in the middle, on its own wall.
  auto board_in_window = [&] { return QRect(board.mapTo(window_.get(), QPoint(0, 0)), board.size()); };
  window_->resize(785, 523);
  const QRect at_100 = board_in_window();
  window_->resize(785 * 3, 523);
  EXPECT_EQ(board.cell_rect(19).size(), cell.size());
  EXPECT_EQ(board_in_window(), at_100.translated(785, 0));
  window_->resize(785, 523 * 3);
  EXPECT_EQ(board_in_window(), at_100.translated(0, 523));
  const QImage shown = window_->grab().toImage();
  const QColor margin = shown.pixelColor(shown.width() / 2, 20);
  EXPECT_GT(margin.blue(), margin.red() + 20) << margin.name().toStdString();  // not the window's grey

  // Smaller than the design's size, the smallest texts would not read.
  window_->resize(600, 400);
  EXPECT_EQ(window_->size(), QSize(785, 523));
}

TEST_F(MainWindowTest, ThePixelToCellRuleMatchesTheCells) {
  BoardWidget& board = window_->board();
  EXPECT_EQ(board.cell_at(QPoint(-1, 5)), -1);
  EXPECT_EQ(board.cell_at(QPoint(5, 12 * 36 + 1)), -1);  // below the last row
  // Also where cells are not a whole number of pixels wide and edges round.
  for (const QSize size : {QSize(785, 523), QSize(1000, 666)}) {
    window_->resize(size);
    for (int i = 0; i <= derniere_case; ++i) {
      EXPECT_EQ(board.cell_at(board.cell_rect(i).topLeft()), i) << size.width();
      EXPECT_EQ(board.cell_at(board.cell_rect(i).bottomRight()), i) << size.width();
    }
  }
}

TEST_F(MainWindowTest, EachButtonHasItsOwnLineInEachLanguage) {
  // The editor's buttons are hidden before a level: the pointer's arrival is
  // sent to each button as the window would see it.
  const char* buttons[] = {"Command1", "Command2", "Command3", "Command4", "Command7", "Command8"};
  auto line_for = [&](const char* name) {
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(find<QWidget>(name), &enter);
    return text_of("label_bouton");
  };
  for (std::int16_t langue : {0, 1}) {
    window_->game().settings().langue = langue;
    QStringList lines;
    for (const char* name : buttons) {
      const QString line = line_for(name);
      EXPECT_FALSE(line.isEmpty()) << name;
      EXPECT_FALSE(lines.contains(line)) << name << " says what another button says: " << line.toStdString();
      lines << line;
    }
  }
  window_->game().settings().langue = 0;
  EXPECT_EQ(line_for("Command4"), "Charger un tableau.");
  window_->game().settings().langue = 1;
  EXPECT_EQ(line_for("Command3"), "Save level.");
  EXPECT_EQ(line_for("Command2"), "Edit a level.");
}

TEST_F(MainWindowTest, TheExplosionIsCentredOnTheBombsCell) {
  const BoardWidget& board = window_->board();
  const QWidget* explosion = find<QWidget>("expl");
  for (const QSize size : {QSize(785, 523), QSize(1000, 666)}) {
    window_->resize(size);
    // In the middle, and in a corner where it reaches past the board.
    for (int cell : {5 * nb_colonnes + 9, 0, derniere_case}) {
      window_->show_explosion(cell);
      ASSERT_TRUE(explosion->isVisible());
      const QRect bomb = board.cell_rect(cell).translated(board.mapTo(window_.get(), QPoint(0, 0)));
      const QRect shown = explosion->geometry().translated(explosion->parentWidget()->mapTo(window_.get(), QPoint(0, 0)));
      // Three cells across and down, so one cell out on every side.
      EXPECT_NEAR(shown.center().x(), bomb.center().x(), 1) << cell;
      EXPECT_NEAR(shown.center().y(), bomb.center().y(), 1) << cell;
      EXPECT_NEAR(shown.width(), 3 * bomb.width(), 3) << cell;
      EXPECT_NEAR(shown.height(), 3 * bomb.height(), 3) << cell;
    }
  }
  window_->hide_explosion();
  EXPECT_FALSE(explosion->isVisible());
}

TEST_F(MainWindowTest, ThePaletteStripOffersEachPlayersPieceInItsPlaceAboveItsStock) {
  const PaletteWidget& strip = window_->palette();
  // Left to right as the player sees it: the piece under each picture.
  std::vector<std::pair<int, int>> by_x;
  for (const PaletteWidget::Entry& e : strip.entries()) {
    const QPoint centre = strip.picture_center(e.piece);
    const int piece = strip.piece_at(centre);
    by_x.push_back({strip.mapTo(window_.get(), centre).x(), piece});
    // Its stock box stands right under it.
    const QWidget* box = find<QWidget>(QStringLiteral("nombre_type_%1").arg(piece).toUtf8().constData());
    if (box == nullptr) continue;
    const QRect picture = strip.picture_rect(piece).translated(strip.mapTo(window_.get(), QPoint(0, 0)));
    const QRect under = box->geometry().translated(box->parentWidget()->mapTo(window_.get(), QPoint(0, 0)));
    EXPECT_NEAR(under.left(), picture.left(), 1) << piece;
    EXPECT_GT(under.top(), picture.bottom() - 1) << piece;
  }
  std::sort(by_x.begin(), by_x.end());
  std::vector<int> order;
  for (const auto& [x, piece] : by_x) order.push_back(piece);
  // The brick; the platforms and curves and the junction in code order; the
  // pipes; the side junctions, right first; then the special pieces in code
  // order. Goals and the cat are the editor's alone.
  const std::vector<int> expected = {piece::brique,
                                     piece::plateforme,
                                     piece::diagonale_droite,
                                     piece::diagonale_gauche,
                                     piece::coude_droit,
                                     piece::coude_gauche,
                                     piece::bifurcation,
                                     piece::tuyau_plat,
                                     piece::tuyau_croisement,
                                     piece::embranchement_droit,
                                     piece::embranchement_gauche,
                                     piece::teleporteur,
                                     piece::bombe,
                                     piece::moulin,
                                     piece::porte,
                                     piece::eponge};
  EXPECT_EQ(order, expected);
}

TEST_F(MainWindowTest, HoveringDescribesTheButtonsInTheCurrentLanguage) {
  QTest::mouseMove(find<QWidget>("Command1"));
  EXPECT_EQ(text_of("label_bouton"), QString::fromUtf8("Résoudre un tableau."));
  EXPECT_TRUE(find<QWidget>("Command1")->hasFocus());
  QTest::mouseMove(find<QWidget>("Command8"));
  EXPECT_EQ(text_of("label_bouton"), "Aides de jeu.");
  QTest::mouseMove(find<QWidget>("Label19"));
  EXPECT_EQ(text_of("label_bouton"), "PAUSE!");

  window_->game().settings().langue = 1;
  QTest::mouseMove(find<QWidget>("Command7"));
  EXPECT_EQ(text_of("label_bouton"), "Settings.");
  QTest::mouseMove(find<QWidget>("Label19"));
  EXPECT_EQ(text_of("label_bouton"), "PAUSE!");

  // A language the game does not know leaves the line as it was.
  window_->game().settings().langue = 2;
  QTest::mouseMove(find<QWidget>("Command2"));
  EXPECT_EQ(text_of("label_bouton"), "PAUSE!");

  // The side panel's background clears it.
  QTest::mouseMove(find<QWidget>("Image1"), QPoint(5, 300));
  EXPECT_EQ(text_of("label_bouton"), "");
}

}  // namespace
}  // namespace drippo::ui::testing
