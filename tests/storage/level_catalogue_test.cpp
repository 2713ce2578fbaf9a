// The levels folder as the browser and the all-levels check see it.
#include "storage/level_catalogue.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "storage/level_file.h"
#include "storage/score_file.h"
#include "support/board_builder.h"
#include "support/temp_folder.h"

namespace drippo {
namespace {

namespace fs = std::filesystem;
using testing_support::put_file;
using testing_support::TempFolder;
using Names = std::vector<std::string>;

struct Folder : testing_support::TempProgramFolder {
  void level(const std::string& file_name, const LevelData& data = {}) {
    EXPECT_FALSE(write_level_file(folder.tab() / file_name, data).has_value());
  }
};

TEST(LevelCatalogue, ListsTheLevelFilesByNameWhateverTheirCase) {
  Folder f;
  for (const char* name : {"b.tab", "ab.tab", "Ab.tab", "AB.tab", "Été.tab", "c d.tab", "B2.tab"}) {
    f.level(name);
  }
  EXPECT_EQ(list_level_files(f.folder.tab()),
            (Names{"AB.tab", "Ab.tab", "ab.tab", "b.tab", "B2.tab", "c d.tab", "Été.tab"}));
}

TEST(LevelCatalogue, LeavesOutWhatIsNotALevelFile) {
  Folder f;
  f.level("good.tab");
  put_file(f.folder.tab() / "notes.txt", {1});
  put_file(f.folder.tab() / "upper.TAB", {1});
  put_file(f.folder.tab() / "good.tab.tmp", {1});  // an interrupted save
  fs::create_directories(f.folder.tab() / "folder.tab");
  fs::create_symlink(f.folder.tab() / "nowhere.tab", f.folder.tab() / "dangling.tab");
  put_file(f.folder.tab() / "line\nbreak.tab", {1});
  EXPECT_EQ(list_level_files(f.folder.tab()), Names{"good.tab"});
}

TEST(LevelCatalogue, AMissingOrUnlistableFolderHasNoLevels) {
  TempFolder temp;
  EXPECT_TRUE(list_level_files(temp / "tab").empty());
  put_file(temp / "file", {1});
  EXPECT_TRUE(list_level_files(temp / "file").empty());
}

// The game, its real score files and levels folder together.
struct Played {
  Folder f;
  testing::FakeView view;
  FolderScoreRecorder scores{f.folder};
  FolderLevelCatalogue levels{f.folder};
  Game game{view, scores, levels};

  // Wins `file_name`: its one glass is filled by the first drop.
  void win(const std::string& file_name) {
    game.set_mode_jeu(ModeJeu::Jouer);
    game.load_level(testing::LevelBuilder().put(100, piece::verre).water("50"), file_name);
    game.play().start_water();
    game.water().cell_ref(100).besoin = 1;
    game.water().cell_ref(100).eau_b = 1;
    game.timer_eau_Timer();
    ASSERT_EQ(game.play().last_outcome(), Outcome::Win);
  }
};

TEST(LevelCatalogue, OnlyTheLastLevelBroughtTo100CongratulatesThePlayer) {
  Played p;
  p.f.level("a.tab");
  p.f.level("b.tab");
  ASSERT_TRUE(noter_score(p.f.folder, "a.tab", 99.9).ok());
  p.win("b.tab");
  EXPECT_EQ(lire_score(p.f.folder, "b.tab"), "100");
  EXPECT_EQ(p.game.window().accueil(), "");
  ASSERT_TRUE(noter_score(p.f.folder, "a.tab", 100).ok());
  p.win("b.tab");
  EXPECT_EQ(p.game.window().accueil().substr(0, 10), "BIEN JOUE!");
}

}  // namespace
}  // namespace drippo
