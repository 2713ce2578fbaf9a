// Building a level in the window, as a level designer would.
#include "ui/dialogs/save_dialog.h"
#include "window_fixture.h"

namespace drippo::ui::testing {
namespace {

class EditorTest : public WindowTest {
 protected:
  void SetUp() override { click("Command2"); }

  void drag_to_cell(PaletteWidget& palette, int piece, int cell) {
    BoardWidget& board = window_->board();
    QTest::mousePress(&palette, Qt::LeftButton, {}, palette.picture_center(piece));
    QTest::mouseMove(&board, board.cell_center(cell));
    QTest::mouseRelease(&board, Qt::LeftButton, {}, board.cell_center(cell));
  }
  void type(const char* box, const QString& keys, Qt::KeyboardModifiers mods = {}) {
    auto* edit = find<QLineEdit>(box);
    edit->setFocus();
    for (QChar c : keys) QTest::keyClick(edit, c.toLatin1(), mods);
  }
  // Answers the save dialog: a name and an author, then the check mark.
  void save_as(const QString& name, const QString& author) {
    QTimer::singleShot(0, [name, author] {
      QWidget* dialog = QApplication::activeModalWidget();
      if (dialog == nullptr) return;
      dialog->findChild<QLineEdit*>("text_sauvegarde")->setText(name);
      dialog->findChild<QLineEdit*>("Text1")->setText(author);
      QTest::mouseClick(dialog->findChild<QWidget*>("Command1"), Qt::LeftButton);
      if (QApplication::activeModalWidget() == dialog) dialog->close();  // refused: leave it
    });
    click("Command3");
  }
  Game& game() { return window_->game(); }
};

TEST_F(EditorTest, ANewLevelOpensTheEditorWithFullStocks) {
  EXPECT_EQ(window_->windowTitle(), "nouveau");
  EXPECT_TRUE(find<QWidget>("outils")->isVisible());
  EXPECT_FALSE(find<QWidget>("command5")->isVisible());
  EXPECT_FALSE(find<QWidget>("Image3")->isVisible());
  EXPECT_EQ(text_of("nombre_type_1"), "99");
  EXPECT_EQ(text_of("nombre_type_19"), "99");
  EXPECT_EQ(text_of("text_temps"), "10");
  EXPECT_EQ(text_of("text_eau"), "10");
  EXPECT_FALSE(find<QLineEdit>("nombre_type_7")->isReadOnly());
  EXPECT_TRUE(timer("timer_eau")->isActive());
  EXPECT_TRUE(find<QWidget>("Command3")->isEnabled());
}

TEST_F(EditorTest, GoalsAndTheCatComeFromTheEditorPanel) {
  drag_to_cell(window_->editor_palette(), piece::bocal, 100);
  drag_to_cell(window_->editor_palette(), piece::chat, 101);
  EXPECT_EQ(game().table().cell(100).piece, piece::bocal);
  EXPECT_EQ(game().table().cell(100).besoin, 50);
  EXPECT_EQ(game().table().cell(101).piece, piece::chat);
  EXPECT_EQ(game().water().goals(), 1);
  EXPECT_EQ(text_of("nombre_type_16"), "98");
  // They can be dragged, but do not become the piece a click places.
  EXPECT_EQ(game().placing().type_choisi(), piece::brique);
}

TEST_F(EditorTest, BoxesTakeDigitsFromBothKeyboardsAndRefuseTheRest) {
  find<QLineEdit>("text_temps")->clear();
  type("text_temps", "4");                          // main keyboard
  type("text_temps", "2", Qt::KeypadModifier);      // keypad
  EXPECT_EQ(text_of("text_temps"), "42");
  type("text_temps", "x-.");
  EXPECT_EQ(text_of("text_temps"), "42");  // refused, and nothing wiped
  QTest::keyClick(find<QLineEdit>("text_temps"), Qt::Key_Shift);
  QTest::keyClick(find<QLineEdit>("text_temps"), Qt::Key_Backspace);
  EXPECT_EQ(text_of("text_temps"), "4");
  EXPECT_EQ(game().table().text_temps(), "4");

  auto* stock = find<QLineEdit>("nombre_type_9");
  stock->selectAll();
  type("nombre_type_9", "3");
  EXPECT_EQ(game().table().stock(9), "3");
}

TEST_F(EditorTest, ARightClickPoursTestWaterThatFlows) {
  drag_to_cell(window_->editor_palette(), piece::bocal, 40 + 5 * nb_colonnes);
  timer("timer_eau")->setInterval(1);
  click_cell(40, Qt::RightButton);
  EXPECT_EQ(game().table().cell(40).eau_b, 1);
  // The drop falls five cells into the fish bowl below.
  EXPECT_TRUE(QTest::qWaitFor([&] { return game().table().cell(40 + 5 * nb_colonnes).besoin == 49; }));
  // On a piece it takes the piece back instead, and pours nothing.
  click_cell(150);
  click_cell(150, Qt::RightButton);
  EXPECT_EQ(game().table().cell(150).piece, piece::vide);
  EXPECT_EQ(game().table().cell(150).eau_b, 0);
}

TEST_F(EditorTest, UndoAndRedoFromTheKeyboard) {
  click_cell(40);
  click_cell(41);
  find<QLineEdit>("text_eau")->selectAll();
  type("text_eau", "25");
  // From the box being typed in: the window's undo, not the box's own.
  QTest::keyClick(find<QLineEdit>("text_eau"), Qt::Key_Z, Qt::ControlModifier);  // the typing
  EXPECT_EQ(text_of("text_eau"), "10");
  QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(game().table().cell(41).piece, piece::vide);
  QTest::keyClick(window_.get(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(game().table().cell(41).piece, piece::brique);
  QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(text_of("text_eau"), "25");
}

TEST_F(EditorTest, SavedLevelsCanBeReloadedForEditingAndForPlaying) {
  click_cell(40);  // a brick
  drag_to_cell(window_->editor_palette(), piece::verre, 100);
  find<QLineEdit>("nombre_type_20")->selectAll();
  type("nombre_type_20", "4");
  save_as("mon niveau", "");
  EXPECT_EQ(window_->windowTitle(), "mon niveau.tab");
  EXPECT_TRUE(game().editor().tableau_sauve());
  const auto saved = read_level_file(folder_.tab() / "mon niveau.tab");
  ASSERT_TRUE(saved.ok());
  EXPECT_EQ(saved.value().author, "Anonyme");
  EXPECT_EQ(saved.value().stocks[20], "4");
  EXPECT_EQ(saved.value().cells[100].piece, piece::verre);

  // Saving again under the same name asks (in French), and No keeps the file.
  questions_.answers = {false};
  click_cell(41);
  save_as("mon niveau", "Zoé");
  EXPECT_EQ(questions_.asked.last(), QString::fromUtf8("Le fichier mon niveau existe déjà. Voulez-vous le remplacer?"));
  EXPECT_EQ(read_level_file(folder_.tab() / "mon niveau.tab").value().cells[41].piece, piece::vide);
  EXPECT_TRUE(game().editor().tableau_sauve());  // placing pieces does not change it
  questions_.answers = {true};
  save_as("mon niveau", "Zoé");
  EXPECT_EQ(read_level_file(folder_.tab() / "mon niveau.tab").value().cells[41].piece, piece::brique);
  EXPECT_TRUE(game().editor().tableau_sauve());

  // Loaded to play, the level's pieces are fixed and its stock is the player's.
  ScriptedDialogs dialogs;
  window_->set_dialogs(&dialogs);
  dialogs.on_browser = [this] { window_->load_level("mon niveau.tab"); };
  click("Command1");
  EXPECT_EQ(game().table().mode_jeu(), ModeJeu::Jouer);
  EXPECT_EQ(game().table().cell(40).modifiable, 0);
  EXPECT_EQ(text_of("nombre_type_20"), "3");  // "4" less the brick placed after it was typed
  EXPECT_TRUE(find<QLineEdit>("nombre_type_20")->isReadOnly());
  click_cell(40, Qt::RightButton);
  EXPECT_EQ(game().table().cell(40).piece, piece::brique);

  // Loaded to edit, everything moves again. The load button is in the
  // editor's panel: a new level first, then the level on top of it.
  click("Command2");
  questions_.answers = {true};  // the new level was not saved: go on
  click("Command4");
  EXPECT_EQ(game().table().mode_jeu(), ModeJeu::Charger);
  EXPECT_EQ(game().table().cell(40).modifiable, 1);
  click_cell(40, Qt::RightButton);
  EXPECT_EQ(game().table().cell(40).piece, piece::vide);
}

TEST_F(EditorTest, NamesThatWouldLeaveTheFolderAreRefusedWithAWord) {
  for (const char* bad : {"../dehors", "a/b", "con", "fin.", "deux points:"}) {
    questions_.told.clear();
    save_as(bad, "x");
    ASSERT_EQ(questions_.told.size(), 1) << bad;
    EXPECT_FALSE(game().editor().tableau_sauve()) << bad;
  }
  EXPECT_TRUE(list_level_files(folder_.tab()).empty());
  EXPECT_FALSE(std::filesystem::exists(folder_.root() / "dehors.tab"));
}

}  // namespace
}  // namespace drippo::ui::testing
