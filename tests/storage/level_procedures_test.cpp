// Loading and saving levels between the board and the levels folder.
#include <gtest/gtest.h>

#include "storage/level_procedures.h"
#include "support/fake_view.h"
#include "support/temp_folder.h"

namespace drippo {
namespace {

using testing_support::file_bytes;
using testing_support::put_file;

struct Folder : testing_support::TempProgramFolder {
  testing::FakeView view;
  testing::FakeScores scores;
  testing::FakeCatalogue levels;
  Game game{view, scores, levels};

  void save_level(const std::string& file_name, const LevelData& level) {
    EXPECT_FALSE(write_level_file(folder.tab() / file_name, level).has_value());
  }
};

LevelData level_with_glass() {
  LevelData level;
  level.cells[60].piece = piece::verre;
  level.cells[61].piece = piece::brique;
  level.stocks[1] = "3";
  level.time = "12";
  level.water = "20";
  level.author = "Zoé";
  return level;
}

TEST(LevelProcedures, LoadingToPlayPutsTheLevelOnTheBoardAndStartsTheCountdown) {
  Folder f;
  f.save_level("un.tab", level_with_glass());
  f.game.set_mode_jeu(ModeJeu::Jouer);
  ASSERT_FALSE(lire_tableau(f.game, f.folder, "un.tab").has_value());
  EXPECT_EQ(f.game.table().nom_tableau(), "un.tab");
  EXPECT_EQ(f.game.table().cell(60).piece, piece::verre);
  EXPECT_EQ(f.game.table().auteur_tableau, "Zoé");
  EXPECT_TRUE(f.game.play().timer_rebour_enabled());
  EXPECT_EQ(f.view.count_text(Field::Title, "un.tab"), 1);
}

TEST(LevelProcedures, AFailedLoadLeavesTheGameAsItWas) {
  Folder f;
  f.save_level("un.tab", level_with_glass());
  f.game.set_mode_jeu(ModeJeu::Charger);
  ASSERT_FALSE(lire_tableau(f.game, f.folder, "un.tab").has_value());
  const Board before = f.game.water().board();

  auto hostile = level_bytes(level_with_glass());
  hostile[0] = 99;  // no such piece
  put_file(f.folder.tab() / "mauvais.tab", hostile);

  for (const std::string name : {"mauvais.tab", "absent.tab", "../tab/un.tab", ""}) {
    f.view.clear();
    const auto error = lire_tableau(f.game, f.folder, name);
    ASSERT_TRUE(error.has_value()) << name;
    EXPECT_FALSE(error->message(0).empty());
    EXPECT_EQ(f.game.water().board(), before) << name;
    EXPECT_EQ(f.game.table().nom_tableau(), "un.tab") << name;
    EXPECT_TRUE(f.view.cells.empty()) << name;
  }
}

TEST(LevelProcedures, SavingWritesTheBoardWithoutItsWaterAndNamesTheLevel) {
  Folder f;
  f.game.nouveau_tableau();
  f.game.water().cell_ref(100).piece = piece::moulin;
  f.game.verser_goutte(100, "B");
  ASSERT_FALSE(ecrire_tableau(f.game, f.folder, "mon niveau", "Zoé").has_value());

  EXPECT_TRUE(f.game.editor().tableau_sauve());
  EXPECT_EQ(f.game.table().nom_tableau(), "mon niveau.tab");
  EXPECT_EQ(f.game.table().cell(100).eau_b, 0);  // the board keeps the cleared water
  EXPECT_EQ(f.game.table().auteur_tableau, "Zoé");  // the level is now signed so

  const auto back = read_level_file(f.folder.tab() / "mon niveau.tab");
  ASSERT_TRUE(back.ok());
  EXPECT_EQ(back.value().cells[100].piece, piece::moulin);
  EXPECT_EQ(back.value().author, "Zoé");
  const auto author = lire_entete(f.folder, "mon niveau.tab");
  ASSERT_TRUE(author.ok());
  EXPECT_EQ(author.value(), "Zoé");
}

TEST(LevelProcedures, AFailedSaveKeepsTheOldLevelAndTheUnsavedWork) {
  Folder f;
  f.save_level("garde.tab", level_with_glass());
  const auto old_bytes = file_bytes(f.folder.tab() / "garde.tab");
  f.game.nouveau_tableau();

  // A name that would leave the levels folder, or that another system
  // refuses, is refused, and nothing is written.
  for (const char* name : {"../tab/garde", "Con"}) {
    EXPECT_TRUE(ecrire_tableau(f.game, f.folder, name, "x").has_value()) << name;
    EXPECT_FALSE(f.game.editor().tableau_sauve());
    EXPECT_EQ(f.game.table().nom_tableau(), "nouveau");
  }
  EXPECT_EQ(testing_support::entries(f.folder.tab()).size(), 1u);

  // A folder standing where the level would go.
  std::filesystem::create_directory(f.folder.tab() / "dossier.tab");
  EXPECT_TRUE(ecrire_tableau(f.game, f.folder, "dossier", "x").has_value());
  EXPECT_FALSE(f.game.editor().tableau_sauve());
  EXPECT_EQ(file_bytes(f.folder.tab() / "garde.tab"), old_bytes);
}

}  // namespace
}  // namespace drippo
