// The game without a mouse: keys for the board, the palette and every
// button, dialogs by Enter and Escape, and what assistive technology is told.
#include <QAccessible>
#include <QFile>

#include "storage/settings.h"
#include "ui/common/picture_widget.h"
#include "ui/dialogs/help_window.h"
#include "ui/dialogs/level_browser.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/dialogs/save_dialog.h"
#include "window_fixture.h"

namespace drippo::ui::testing {
namespace {

namespace fs = std::filesystem;

class KeyboardTest : public WindowTest {
 protected:
  // A key pressed where the focus is, as the player's keyboard sends it.
  static void press(Qt::Key key, Qt::KeyboardModifiers mods = {}) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, key, mods);
  }
  void move_cursor_to(int cell) {
    const int from = window_->board().key_cursor();
    const int across = cell % nb_colonnes - from % nb_colonnes;
    const int down = cell / nb_colonnes - from / nb_colonnes;
    for (int k = 0; k < std::abs(across); ++k) press(across > 0 ? Qt::Key_Right : Qt::Key_Left);
    for (int k = 0; k < std::abs(down); ++k) press(down > 0 ? Qt::Key_Down : Qt::Key_Up);
    EXPECT_EQ(window_->board().key_cursor(), cell);
  }
  Game& game() { return window_->game(); }
  int piece_at(int cell) { return game().table().cell(cell).piece; }
};

// The placements a level's text gives as its solution: "--place CELL:PIECE".
std::vector<std::pair<int, int>> solution_of(const fs::path& level_text) {
  QFile file(QString::fromStdString(level_text.string()));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QString text = QString::fromUtf8(file.readAll());
  std::vector<std::pair<int, int>> out;
  const QRegularExpression place("--place (\\d+):(\\d+)");
  for (auto m = place.globalMatch(text.section("; solution:", 1).section('\n', 0, 0)); m.hasNext();) {
    const auto found = m.next();
    out.emplace_back(found.captured(1).toInt(), found.captured(2).toInt());
  }
  return out;
}

TEST_F(KeyboardTest, AShippedLevelIsWonWithKeysOnly) {
  const fs::path assets = DRIPPO_ASSETS_PATH;
  fs::copy_file(assets / "tab" / "01 Premiers pas.tab", folder_.tab() / "01 Premiers pas.tab");
  const auto placements = solution_of(assets / "levels" / "01 Premiers pas.txt");
  ASSERT_FALSE(placements.empty());

  // Ctrl+O opens the browser; Enter loads the level it offers first.
  QTimer::singleShot(0, [] {
    if (QWidget* browser = QApplication::activeModalWidget()) QTest::keyClick(browser->focusWidget(), Qt::Key_Return);
  });
  press(Qt::Key_O, Qt::ControlModifier);
  ASSERT_EQ(window_->windowTitle(), "01 Premiers pas.tab");
  // A desktop gives the window back when the dialog closes; offscreen, the test does.
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  EXPECT_EQ(window_->board().key_cursor(), case_source);

  for (const auto& [cell, piece] : placements) {
    for (int k = 0; k < 20 && game().placing().type_choisi() != piece; ++k) press(Qt::Key_Tab);
    move_cursor_to(cell);
    press(Qt::Key_Space);
    EXPECT_EQ(piece_at(cell), piece);
  }
  press(Qt::Key_P);
  EXPECT_TRUE(game().play().en_pause());
  press(Qt::Key_P);
  EXPECT_FALSE(game().play().en_pause());

  run_countdown();
  timer("timer_eau")->setInterval(1);
  EXPECT_TRUE(QTest::qWaitFor([&] { return game().play().last_outcome() != Outcome::None; }, 20000));
  EXPECT_EQ(game().play().last_outcome(), Outcome::Win);
}

TEST_F(KeyboardTest, DigitsChooseFromTheStripAndAPieceCarriedByKeysMovesOrGoesBack) {
  put_level("deux.tab", "time: 50\nwater: 10\nstock 1: 1\nstock 20: 1", {});
  play("deux.tab");
  press(Qt::Key_2);  // the second piece of the strip
  EXPECT_EQ(game().placing().type_choisi(), window_->palette().entries()[1].piece);
  move_cursor_to(100);
  press(Qt::Key_Return);
  press(Qt::Key_Return);  // picked up again
  move_cursor_to(102);
  press(Qt::Key_Space);
  EXPECT_EQ(piece_at(100), piece::vide);
  EXPECT_EQ(piece_at(102), piece::plateforme);

  press(Qt::Key_Space);
  press(Qt::Key_Delete);  // the piece in hand goes back to its stock
  EXPECT_EQ(piece_at(102), piece::vide);
  EXPECT_EQ(text_of("nombre_type_1"), "1");

  // Picked up, and the level restarted by the mouse meanwhile: its cell is
  // empty again, so the next press must not put anything anywhere.
  press(Qt::Key_Space);
  press(Qt::Key_Space);
  click("command5");
  move_cursor_to(104);
  press(Qt::Key_Space);
  for (const int cell : {102, 104}) EXPECT_EQ(piece_at(cell), piece::vide) << cell;
  EXPECT_EQ(text_of("nombre_type_1"), "1");
}

TEST_F(KeyboardTest, TheCursorStopsAtTheBoardsEdges) {
  const int top_left = 0;
  const int bottom_left = derniere_case - (nb_colonnes - 1);
  const std::pair<Qt::Key, int> steps[] = {
      {Qt::Key_Up, case_source}, {Qt::Key_Right, case_source}, {Qt::Key_Left, top_left}, {Qt::Key_Down, bottom_left}};
  for (const auto& [key, stop] : steps) {
    for (int k = 0; k < nb_colonnes + 2; ++k) press(key);
    EXPECT_EQ(window_->board().key_cursor(), stop) << key;
  }
}

TEST_F(KeyboardTest, KeysDoNothingWhileATextBoxHasFocusAndEscapeGoesBackToTheBoard) {
  press(Qt::Key_N, Qt::ControlModifier);  // a new level in the editor
  ASSERT_TRUE(game().table().mode_edition());
  auto* time = find<QLineEdit>("text_temps");
  time->setFocus();
  time->selectAll();
  for (const Qt::Key key : {Qt::Key_7, Qt::Key_Space, Qt::Key_Right, Qt::Key_2, Qt::Key_T, Qt::Key_Delete}) {
    press(key);
  }
  EXPECT_EQ(time->text(), "72");
  EXPECT_EQ(window_->board().key_cursor(), case_source);
  EXPECT_EQ(piece_at(case_source), piece::vide);
  EXPECT_EQ(game().placing().type_choisi(), piece::brique);
  EXPECT_EQ(game().table().cell(case_source).eau_b, 0);

  press(Qt::Key_Escape);
  EXPECT_EQ(QApplication::focusWidget(), &window_->board());
  press(Qt::Key_Space);
  EXPECT_EQ(piece_at(case_source), piece::brique);
}

TEST_F(KeyboardTest, EveryPictureButtonIsNamedInEachLanguage) {
  std::map<QString, QString> first_names;
  for (const std::int16_t langue : {0, 1}) {
    Settings s;
    s.langue = langue;
    ASSERT_FALSE(ecrire_reglages(folder_, s).has_value());
    window_->reread_settings();
    SaveDialog save({game(), folder_, questions_, window_->art(), 1.0});
    LevelBrowser browser({folder_, langue, questions_, window_->art(), 1.0, [](const std::string&) { return false; }});
    OptionsDialog options({folder_, questions_, s, {}, {}, 1.0});
    for (const QWidget* owner : std::initializer_list<const QWidget*>{window_.get(), &save, &browser, &options}) {
      for (const QPushButton* b : owner->findChildren<QPushButton*>()) {
        if (!b->text().isEmpty()) continue;  // a button with a caption is named by it
        const QString where = owner->objectName() + "/" + b->objectName();
        EXPECT_FALSE(b->accessibleName().isEmpty()) << where.toStdString() << " in " << langue;
        EXPECT_FALSE(b->accessibleDescription().isEmpty()) << where.toStdString() << " in " << langue;
        if (langue == 0) first_names[where] = b->accessibleName();
        else EXPECT_NE(b->accessibleName(), first_names[where]) << where.toStdString();
      }
    }
  }
  EXPECT_GE(first_names.size(), 12u);
}

TEST_F(KeyboardTest, TheMessageLineTellsAssistiveTechnologyOfEachChange) {
  QStringList told;
  const QLabel* line = find<QLabel>("comment");
  window_->set_accessibility_updates([&](QAccessibleEvent* e) {
    if (e->object() == line && e->type() == QAccessible::NameChanged) told << line->text();
  });
  put_level("court.tab", "time: 5\nwater: 10", {});
  play("court.tab");
  run_countdown();
  // Said once each, though the countdown shows "Attention..." for three seconds.
  EXPECT_EQ(told, QStringList({"Attention...", "C'est parti!"}));
}

TEST_F(KeyboardTest, DialogsAcceptOnEnterAndCloseOnEscape) {
  put_level("A.tab", "author: Anne", {});
  game().nouveau_tableau();
  game().set_mode_jeu(ModeJeu::Charger);
  struct Case {
    const char* what;
    std::function<std::unique_ptr<QDialog>()> open;
    Qt::Key key;
    QDialog::DialogCode result;
  };
  const auto save = [this] {
    auto d = std::make_unique<SaveDialog>(SaveDialog::Host{game(), folder_, questions_, window_->art(), 1.0});
    d->findChild<QLineEdit*>("text_sauvegarde")->setText("au clavier");
    return d;
  };
  const auto browser = [this] {
    return std::make_unique<LevelBrowser>(LevelBrowser::Host{
        folder_, 0, questions_, window_->art(), 1.0, [this](const std::string& f) { return window_->load_level(f); }});
  };
  const auto options = [this] {
    auto d = std::make_unique<OptionsDialog>(OptionsDialog::Host{folder_, questions_, Settings{}, {}, {}, 1.0});
    d->findChild<QWidget*>("Command1_7")->setFocus();  // Enter on a choice is still OK
    return d;
  };
  const auto help = [this] {
    return std::make_unique<HelpWindow>(HelpWindow::Host{0, false, window_->art(), 1.0});
  };
  const Case cases[] = {
      {"save", save, Qt::Key_Escape, QDialog::Rejected},     {"save", save, Qt::Key_Return, QDialog::Accepted},
      {"browser", browser, Qt::Key_Escape, QDialog::Rejected}, {"browser", browser, Qt::Key_Return, QDialog::Accepted},
      {"options", options, Qt::Key_Escape, QDialog::Rejected}, {"options", options, Qt::Key_Return, QDialog::Accepted},
      {"help", help, Qt::Key_Escape, QDialog::Rejected},     {"help", help, Qt::Key_Return, QDialog::Accepted},
  };
  questions_.answers = {true};  // saved though it has no goal yet
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.what) + (c.key == Qt::Key_Return ? " Enter" : " Escape"));
    auto d = c.open();
    d->show();
    QTest::keyClick(d->focusWidget() != nullptr ? d->focusWidget() : d.get(), c.key);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->result(), c.result);
  }
  // What Enter confirmed was done; Escape left it undone.
  EXPECT_TRUE(fs::exists(folder_.tab() / "au clavier.tab"));
  EXPECT_EQ(window_->windowTitle(), "A.tab");
  EXPECT_TRUE(fs::exists(folder_.config()));
}

}  // namespace
}  // namespace drippo::ui::testing
