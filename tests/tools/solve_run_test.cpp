// drippo-solve run as a level designer or CI would; every answer it gives is
// played again by drippo-sim.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>

#include "support/program_run.h"

namespace drippo {
namespace {

namespace fs = std::filesystem;

class SolveRun : public testing::ProgramTest {
 protected:
  testing::ProgramOutput solve(const std::string& args) { return run_program(DRIPPO_SOLVE_PATH, args); }

  // The answer of a --json line as drippo-sim's options.
  static std::string places_of(const std::string& json) {
    static const std::regex pair(R"(\[(\d+), (\d+)\])");
    std::string places;
    const std::string list = json.substr(0, json.find("]]") + 2);
    for (auto m = std::sregex_iterator(list.begin(), list.end(), pair); m != std::sregex_iterator(); ++m) {
      places += " --place " + (*m)[1].str() + ":" + (*m)[2].str();
    }
    return places;
  }

  // Solves the level and plays the answer with drippo-sim, with the same
  // fixed pieces and difficulty given first.
  // `options` reach both tools, `search` only the solver.
  void expect_answer_wins(const fs::path& level, const std::string& options = "", const std::string& search = "") {
    const testing::ProgramOutput s = solve(quoted(level) + " --json" + options + search);
    ASSERT_EQ(s.status, 0) << s.errors;
    ASSERT_EQ(s.lines.size(), 1u);
    ASSERT_EQ(s.last().rfind(R"({"result": "solved", "placements": [)", 0), 0u) << level << ": " << s.last();
    const testing::ProgramOutput played = run_program(DRIPPO_SIM_PATH, quoted(level) + options + places_of(s.last()));
    EXPECT_EQ(played.errors, "") << level;
    ASSERT_FALSE(played.lines.empty()) << level;
    EXPECT_EQ(played.last().rfind(R"({"result": "win", "score": 100,)", 0), 0u) << level << ": " << played.last();
  }
};

TEST_F(SolveRun, EveryShippedLevelIsSolvedAndItsAnswerWinsInDrippoSim) {
  int levels = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(DRIPPO_ASSETS_PATH) / "tab")) {
    ++levels;
    // The hardest levels take seconds to prove, many more under the sanitizers.
    expect_answer_wins(entry.path(), "", " --time-limit 300");
  }
  EXPECT_GE(levels, 3);
}

TEST_F(SolveRun, FixedPiecesAndTheDifficultyReachTheReplay) {
  // Five drops for a glass of ten two columns aside: only easy, which doubles
  // the water, can win, with two diagonals. One is given: one is left to find.
  const auto l = level("water: 5\nstock 3: 2", {"", "", "", "", "", "", "", "", "", "", "", "................G.."});
  EXPECT_EQ(solve(quoted(l) + " --json").last().rfind(R"({"result": "no solution", "max_pieces": 10,)", 0), 0u);
  EXPECT_NE(solve(quoted(l) + " --json --difficulty 200 --place 37:3").last().find(R"("pieces": 1,)"), std::string::npos);
  expect_answer_wins(l, " --difficulty 200 --place 37:3");
}

TEST_F(SolveRun, SaysWhatItProvedInJsonOrInWords) {
  const auto glass = level("water: 10\nstock 3: 1", {"", "", "", "", "", "", "", "", "", "", "", ".................G."});
  const testing::ProgramOutput words = solve(quoted(glass));
  ASSERT_EQ(words.lines.size(), 3u);
  EXPECT_EQ(words.lines[0], "solved with 1 piece, no fewer can win");
  EXPECT_EQ(words.lines[1].rfind("--place ", 0), 0u);

  const auto out_of_reach = level("water: 10\nstock 3: 1", {"", "", "", "", "", "", "", "", "", "", "", "G.................."});
  EXPECT_EQ(solve(quoted(out_of_reach)).lines.at(0), "no solution with at most 10 pieces");

  // No water can reach a walled-in glass, but with a full stock of every
  // piece but the bomb there are far too many sets to say so in a moment.
  std::string full = "water: 40";
  for (int t : {1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15, 20}) full += "\nstock " + std::to_string(t) + ": 99";
  const auto wide = level(full, {"", "", "", "", "", "", "", "", "", "", "#..................", "G#................."});
  const testing::ProgramOutput unknown = solve(quoted(wide) + " --json --max-pieces 6 --time-limit 0.2");
  EXPECT_EQ(unknown.status, 0);
  EXPECT_EQ(unknown.last().rfind(R"({"result": "unknown", "none_up_to": )", 0), 0u) << unknown.last();
}

TEST_F(SolveRun, GeneratesTheSameLevelFromASeedAndItsPrintedSolutionWinsInDrippoSim) {
  for (const char* difficulty : {"easy", "hard"}) {
    const fs::path made = dir_ / "made.tab", again = dir_ / "again.tab";
    const std::string args = std::string(" --generate ") + difficulty + " --seed 7 --json --out ";
    const testing::ProgramOutput s = solve(args + quoted(made));
    ASSERT_EQ(s.status, 0) << s.errors;
    ASSERT_EQ(s.last().rfind(R"({"result": "solved", "placements": [)", 0), 0u) << s.last();
    EXPECT_NE(s.last().find(R"("shortest": true)"), std::string::npos) << s.last();
    ASSERT_EQ(solve(args + quoted(again)).status, 0);
    EXPECT_EQ(read_level_file(made).value(), read_level_file(again).value()) << difficulty;
    const testing::ProgramOutput played = run_program(DRIPPO_SIM_PATH, quoted(made) + places_of(s.last()));
    EXPECT_EQ(played.last().rfind(R"({"result": "win", "score": 100,)", 0), 0u) << difficulty << ": " << played.last();
  }
}

TEST_F(SolveRun, BadInputGetsOneLineAndStatusTwo) {
  const auto ok = level("water: 10\nstock 3: 1", {"", "", "", "", "", "", "", "", "", "", "", ".................G."});
  const fs::path hostile = dir_ / "hostile.tab";
  std::ofstream(hostile) << std::string(200, '\x7f');
  const struct {
    std::string args;
    std::string error;
  } cases[] = {
      {"", "drippo-solve: no level file given (drippo-solve LEVEL.tab [options])\n"},
      {quoted(ok) + " --max-pieces -1", "drippo-solve: --max-pieces wants a whole number from 0 to 228, not \"-1\"\n"},
      {quoted(ok) + " --time-limit 0", "drippo-solve: --time-limit wants a number of seconds above 0, not \"0\"\n"},
      {quoted(ok) + " --time-limit nan", "drippo-solve: --time-limit wants a number of seconds above 0, not \"nan\"\n"},
      {quoted(ok) + " --place '5\n:1'", "drippo-solve: --place wants CELL:PIECE with CELL 0 to 227 and PIECE 1 to 20, not \"5\\x0a:1\"\n"},
      {quoted(ok) + " --place 226:3", "drippo-solve: --place 226:3 refused: the cell is not empty\n"},
      {quoted(ok) + " --verbose", "drippo-solve: unknown option \"--verbose\"\n"},
      {"--generate tricky --out x.tab", "drippo-solve: --generate wants easy, medium or hard, not \"tricky\"\n"},
      {"--generate easy --seed 4294967296 --out x.tab", "drippo-solve: --seed wants a whole number from 0 to 4294967295, not \"4294967296\"\n"},
      {"--generate easy", "drippo-solve: --generate needs --out LEVEL.tab, the file to write\n"},
      {quoted(ok) + " --generate easy --out x.tab", "drippo-solve: --generate makes a level: no level file to read, not \"" + ok.string() + "\"\n"},
      {quoted(ok) + " --out x.tab", "drippo-solve: --out goes with --generate\n"},
      {"--generate easy --out " + quoted(dir_ / "no folder" / "x.tab"), "drippo-solve: " + write_level_file(dir_ / "no folder" / "x.tab", LevelData{})->message(0) + "\n"},
      {quoted(dir_ / "missing.tab"), "drippo-solve: " + read_level_file(dir_ / "missing.tab").error().message(0) + "\n"},
      {quoted(hostile) + " --lang 1", "drippo-solve: " + read_level_file(hostile).error().message(1) + "\n"},
  };
  for (const auto& c : cases) {
    const testing::ProgramOutput r = solve(c.args);
    EXPECT_EQ(r.status, 2) << c.args;
    EXPECT_EQ(r.errors, c.error) << c.args;
    EXPECT_TRUE(r.lines.empty()) << c.args;
  }
}

}  // namespace
}  // namespace drippo
