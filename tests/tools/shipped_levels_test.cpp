// The levels we ship: each level file is what its text says, each is won by
// the solution its text gives and not without pieces, and the pack is
// numbered in playing order, signed, and timed for its solutions.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "game/game.h"
#include "game/null_ports.h"
#include "level_text.h"
#include "storage/level_catalogue.h"
#include "storage/level_file.h"
#include "storage/level_procedures.h"
#include "storage/score_file.h"
#include "support/temp_folder.h"

namespace drippo {
namespace {

namespace fs = std::filesystem;

std::string read_text(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string last_line_of(const std::string& command) {
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return {};
  std::string line;
  for (char buf[4096]; fgets(buf, sizeof buf, pipe) != nullptr;) line = buf;
  pclose(pipe);
  return line;
}

struct Placement {
  int cell;
  int piece;
};

struct ShippedLevel {
  std::string name;  // the file's name without its extension
  std::string text;
  LevelData level;
  std::string solution;  // drippo-sim's options
  std::vector<Placement> placements;
};

// Every level text, in the order the level browser lists the level files.
std::vector<ShippedLevel> shipped_levels() {
  const fs::path assets = DRIPPO_ASSETS_PATH;
  std::vector<ShippedLevel> out;
  for (const std::string& file : list_level_files(assets / "tab")) {
    ShippedLevel l;
    l.name = file.substr(0, file.size() - 4);
    l.text = read_text(assets / "levels" / (l.name + ".txt"));
    std::string error;
    const auto level = parse_level_text(l.text, error);
    EXPECT_TRUE(level.has_value()) << l.name << ": " << error;
    if (level) l.level = *level;
    const auto at = l.text.find("; solution:");
    EXPECT_NE(at, std::string::npos) << l.name << " gives no solution";
    if (at != std::string::npos) l.solution = l.text.substr(at + 11, l.text.find('\n', at) - at - 11);
    const std::regex place(R"(--place (\d+):(\d+))");
    for (std::sregex_iterator m(l.solution.begin(), l.solution.end(), place), end; m != end; ++m) {
      l.placements.push_back({std::stoi((*m)[1]), std::stoi((*m)[2])});
    }
    out.push_back(std::move(l));
  }
  return out;
}

std::string sim_result(const fs::path& tab, const std::string& options) {
  // Names hold spaces and accents, never a quote.
  return last_line_of(std::string(DRIPPO_SIM_PATH) + " '" + tab.string() + "' " + options + " 2>&1");
}

TEST(ShippedLevels, EachMatchesItsTextIsWonByItsSolutionAndNotWithoutPieces) {
  const fs::path tabs = fs::path(DRIPPO_ASSETS_PATH) / "tab";
  const auto levels = shipped_levels();
  for (const ShippedLevel& l : levels) {
    const fs::path tab = tabs / (l.name + ".tab");
    const auto expected = level_bytes(l.level);
    EXPECT_EQ(read_text(tab), std::string(expected.begin(), expected.end())) << l.name << ".tab is not made from its text";
    const std::string won = sim_result(tab, l.solution);
    EXPECT_NE(won.find(R"("result": "win")"), std::string::npos) << l.name << ": " << won;
    const std::string alone = sim_result(tab, "");
    EXPECT_EQ(alone.find(R"("result": "win")"), std::string::npos) << l.name << " is won without a piece";
  }
  // Every text has its level file, and every level file its text.
  EXPECT_EQ(std::distance(fs::directory_iterator(fs::path(DRIPPO_ASSETS_PATH) / "levels"), fs::directory_iterator()),
            static_cast<long>(levels.size()));
  EXPECT_GE(levels.size(), 40u);
}

TEST(ShippedLevels, ThePackIsNumberedSignedAndTimedInPlayingOrder) {
  const auto levels = shipped_levels();
  std::set<int> pieces_seen;
  std::size_t pieces_before = 0;
  for (std::size_t k = 0; k < levels.size(); ++k) {
    const ShippedLevel& l = levels[k];
    const std::string number = (k + 1 < 10 ? "0" : "") + std::to_string(k + 1) + " ";
    EXPECT_EQ(l.name.substr(0, 3), number) << l.name << " is listed in place " << k + 1;
    EXPECT_EQ(l.level.author, "Vrel") << l.name;
    // A calm pace: three seconds of countdown for each piece to set down.
    EXPECT_GE(std::stoi(l.level.time), 3 * static_cast<int>(l.placements.size())) << l.name;
    EXPECT_GE(l.placements.size(), pieces_before) << l.name << " needs fewer pieces than the level before it";
    pieces_before = l.placements.size();
    for (const Cellule& c : l.level.cells) pieces_seen.insert(c.piece);
    for (int t = 1; t <= nb_types; ++t) {
      if (!l.level.stocks[static_cast<std::size_t>(t)].empty()) pieces_seen.insert(t);
    }
  }
  for (int t = 1; t <= nb_types; ++t) EXPECT_TRUE(pieces_seen.count(t)) << "no level has piece " << t;
}

// The shipped levels in a program folder of their own, played through the
// game with its real score files and levels folder.
struct PackFolder : testing_support::TempProgramFolder {
  std::vector<ShippedLevel> levels = shipped_levels();
  PackFolder() {
    for (const ShippedLevel& l : levels) {
      fs::copy_file(fs::path(DRIPPO_ASSETS_PATH) / "tab" / (l.name + ".tab"), folder.tab() / (l.name + ".tab"));
    }
  }

  // Plays the level with its solution to the end of the game; the
  // congratulation, if any, is on the welcome label.
  std::string win(const ShippedLevel& l) {
    SilentView view;
    FolderScoreRecorder scores(folder);
    FolderLevelCatalogue catalogue(folder);
    Game game(view, scores, catalogue);
    game.settings().langue = 0;
    game.set_mode_jeu(ModeJeu::Jouer);
    EXPECT_FALSE(lire_tableau(game, folder, l.name + ".tab").has_value());
    for (const Placement& p : l.placements) {
      EXPECT_TRUE(game.placing().palette_mouse_down(p.piece) && game.placing().drop_on_cell(p.cell)) << l.name;
    }
    game.play().start_water();
    for (int tick = 0; tick < 1300 && game.water().running(); ++tick) game.timer_eau_Timer();
    EXPECT_EQ(lire_score(folder, l.name + ".tab"), "100") << l.name;
    return game.window().accueil_shown() ? game.window().accueil() : std::string();
  }
};

TEST(ShippedLevels, WinningTheLastLevelCongratulatesOnlyOnceEveryLevelStandsAt100) {
  PackFolder pack;
  ASSERT_FALSE(pack.levels.empty());
  for (std::size_t k = 0; k + 1 < pack.levels.size(); ++k) {
    ASSERT_TRUE(noter_score(pack.folder, pack.levels[k].name + ".tab", k == 0 ? 99 : 100).ok());
  }
  EXPECT_EQ(pack.win(pack.levels.back()), "") << "congratulated with the first level at 99";

  ASSERT_TRUE(noter_score(pack.folder, pack.levels.front().name + ".tab", 100).ok());
  const std::string shown = pack.win(pack.levels.back());
  EXPECT_EQ(shown.substr(0, shown.find('\r')), "BIEN JOUE!");
  EXPECT_EQ(std::count(shown.begin(), shown.end(), '\r'), 4) << "five lines";
}

}  // namespace
}  // namespace drippo
